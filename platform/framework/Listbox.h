#pragma once
// A list of rows with one or more text columns, a picture and a tag per row.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Graphics.h"
#include "Picture.h"
#include "RectControl.h"
#include "Variant.h"

namespace fw {

class Listbox : public RectControl {
public:
    std::string ClassName() const override { return "Listbox"; }

    // Design-time look.
    std::int64_t ColumnCount{1};
    std::string ColumnWidths;
    std::string InitialValue;
    bool HasHeader{false};
    std::int64_t HeadingIndex{-1};
    std::int64_t DefaultRowHeight{-1};
    bool HasBorder{true};
    int GridLinesHorizontalStyle{0};
    int GridLinesVerticalStyle{0};
    bool HasHorizontalScrollbar{false};
    bool HasVerticalScrollbar{true};
    bool AllowAutoHideScrollbars{true};
    bool AllowFocusRing{true};
    bool DropIndicatorVisible{false};
    bool AllowResizableColumns{false};
    bool AllowRowDragging{false};
    bool AllowRowReordering{false};
    bool AllowExpandableRows{false};
    // 0: one row at a time; 1: several.
    int RowSelectionType{0};
    bool RequiresSelection{false};

    // Appends a row whose first cell is text; LastIndex then names it.
    void AddRow(const std::string& text);
    void RemoveAllRows();
    // The row added last; -1 when none has been added since the list was emptied.
    std::int64_t LastIndex() const { return lastIndex_; }
    std::int64_t ListCount() const { return static_cast<std::int64_t>(rows_.size()); }

    // The first selected row, or -1. Setting -1 selects none; another row selects only
    // that row. OutOfBoundsException for a row outside the list.
    std::int64_t ListIndex() const;
    void ListIndex(std::int64_t row);
    // Row accessors raise OutOfBoundsException for a row outside 0..ListCount()-1 (and
    // Cell for a column outside 0..ColumnCount-1).
    bool Selected(std::int64_t row) const;
    // With one-at-a-time selection, selecting a row deselects the others.
    void Selected(std::int64_t row, bool selected);
    std::string Cell(std::int64_t row, std::int64_t column) const;
    void Cell(std::int64_t row, std::int64_t column, const std::string& text);
    Variant RowTag(std::int64_t row) const;
    void RowTag(std::int64_t row, const Variant& tag);
    Ref<Picture> RowPicture(std::int64_t row) const;
    void RowPicture(std::int64_t row, const Ref<Picture>& picture);

    // Sort direction per column: 1 ascending, -1 descending, 0 unsorted.
    int ColumnSortDirection(std::int64_t column) const;
    void ColumnSortDirection(std::int64_t column, int direction);
    // The column Sort orders by; -1 for none.
    std::int64_t SortedColumn() const { return sortedColumn_; }
    void SortedColumn(std::int64_t column) { sortedColumn_ = column; }
    // A stable sort of the rows by SortedColumn in its direction. Each comparison starts
    // with the byte order of the two cells, then raises Event_CompareRows with the row
    // indexes as they stood before the sort; whatever result the hook leaves is used,
    // whether it answers True or False (negative: row1 first). The rows move only when
    // the sort completes; an exception from the hook leaves them as they were.
    void Sort();

    // Selects every row when several rows may be selected; answers whether it did.
    bool SelectAll();
    bool CanSelectAll() const { return RowSelectionType == 1 && !rows_.empty(); }

    // Connected handler of the DoubleClick event (the user double-clicked a row).
    std::function<void(Ref<Listbox>)> DoubleClick;

    // Events for subclasses. CompareRows: see Sort. CellBackgroundPaint: raised for each
    // row when the list paints, with a Graphics covering the cell; an unselected row
    // shows what was drawn, a selected row keeps the platform's selection look.
    virtual bool Event_CompareRows(std::int64_t row1, std::int64_t row2, std::int64_t column,
                                   std::int64_t& result) {
        (void)row1;
        (void)row2;
        (void)column;
        (void)result;
        return false;
    }
    virtual bool Event_CellBackgroundPaint(Ref<Graphics> g, std::int64_t row, std::int64_t column) {
        (void)g;
        (void)row;
        (void)column;
        return false;
    }

    // Framework internals, raised by the backend's reports.
    void PeerSelectionChanged_(const std::vector<int>& rows);
    void PeerDoubleClicked_(int row);
    // Sends the rows to the peer when they changed since they were last sent. Row
    // changes are sent together when the current event is done (see UiRuntime).
    void FlushRows_();
    void CreatePeer_(Backend& backend, PeerId window) const override;

protected:
    void FillState(ControlState& state) const override;

private:
    struct Row {
        std::vector<std::string> cells;
        Variant tag;
        Ref<Picture> picture;
        bool selected{false};
    };

    void CheckRow(std::int64_t row) const;
    void RowsChanged();
    std::vector<ListRowState> RowStates() const;
    void SendSelection() const;

    std::vector<Row> rows_;
    std::int64_t lastIndex_{-1};
    std::vector<int> sortDirections_;
    std::int64_t sortedColumn_{-1};
    bool rowsPending_{false};
};

}  // namespace fw
