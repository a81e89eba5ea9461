#include "Listbox.h"

#include <algorithm>
#include <numeric>

#include "Runtime.h"
#include "RuntimeException.h"
#include "Strings.h"
#include "UiRuntime.h"

namespace fw {

void Listbox::CheckRow(std::int64_t row) const {
    if (row < 0 || row >= ListCount()) {
        throw OutOfBoundsException("Row " + ToString(row) + " is outside the list.");
    }
}

void Listbox::AddRow(const std::string& text) {
    RequireMainThread();
    Row row;
    row.cells.resize(static_cast<std::size_t>(std::max<std::int64_t>(ColumnCount, 1)));
    row.cells[0] = text;
    rows_.push_back(std::move(row));
    lastIndex_ = ListCount() - 1;
    RowsChanged();
}

void Listbox::RemoveAllRows() {
    RequireMainThread();
    rows_.clear();
    lastIndex_ = -1;
    RowsChanged();
}

std::int64_t Listbox::ListIndex() const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].selected) {
            return static_cast<std::int64_t>(i);
        }
    }
    return -1;
}

void Listbox::ListIndex(std::int64_t row) {
    RequireMainThread();
    if (row != -1) {
        CheckRow(row);
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].selected = static_cast<std::int64_t>(i) == row;
    }
    SendSelection();
}

bool Listbox::Selected(std::int64_t row) const {
    CheckRow(row);
    return rows_[static_cast<std::size_t>(row)].selected;
}

void Listbox::Selected(std::int64_t row, bool selected) {
    RequireMainThread();
    CheckRow(row);
    if (selected && RowSelectionType != 1) {
        for (auto& r : rows_) {
            r.selected = false;
        }
    }
    rows_[static_cast<std::size_t>(row)].selected = selected;
    SendSelection();
}

std::string Listbox::Cell(std::int64_t row, std::int64_t column) const {
    CheckRow(row);
    const auto& cells = rows_[static_cast<std::size_t>(row)].cells;
    if (column < 0 || column >= std::max<std::int64_t>(ColumnCount, 1)) {
        throw OutOfBoundsException("Column " + ToString(column) + " is outside the list.");
    }
    auto index = static_cast<std::size_t>(column);
    return index < cells.size() ? cells[index] : std::string();
}

void Listbox::Cell(std::int64_t row, std::int64_t column, const std::string& text) {
    RequireMainThread();
    CheckRow(row);
    if (column < 0 || column >= std::max<std::int64_t>(ColumnCount, 1)) {
        throw OutOfBoundsException("Column " + ToString(column) + " is outside the list.");
    }
    auto& cells = rows_[static_cast<std::size_t>(row)].cells;
    auto index = static_cast<std::size_t>(column);
    if (cells.size() <= index) {
        cells.resize(index + 1);
    }
    cells[index] = text;
    RowsChanged();
}

Variant Listbox::RowTag(std::int64_t row) const {
    CheckRow(row);
    return rows_[static_cast<std::size_t>(row)].tag;
}

void Listbox::RowTag(std::int64_t row, const Variant& tag) {
    CheckRow(row);
    rows_[static_cast<std::size_t>(row)].tag = tag;
}

Ref<Picture> Listbox::RowPicture(std::int64_t row) const {
    CheckRow(row);
    return rows_[static_cast<std::size_t>(row)].picture;
}

void Listbox::RowPicture(std::int64_t row, const Ref<Picture>& picture) {
    RequireMainThread();
    CheckRow(row);
    rows_[static_cast<std::size_t>(row)].picture = picture;
    RowsChanged();
}

int Listbox::ColumnSortDirection(std::int64_t column) const {
    if (column < 0 || column >= static_cast<std::int64_t>(sortDirections_.size())) {
        return 0;
    }
    return sortDirections_[static_cast<std::size_t>(column)];
}

void Listbox::ColumnSortDirection(std::int64_t column, int direction) {
    if (column < 0 || column >= std::max<std::int64_t>(ColumnCount, 1)) {
        throw OutOfBoundsException("Column " + ToString(column) + " is outside the list.");
    }
    if (static_cast<std::int64_t>(sortDirections_.size()) <= column) {
        sortDirections_.resize(static_cast<std::size_t>(column) + 1, 0);
    }
    sortDirections_[static_cast<std::size_t>(column)] = direction < 0 ? -1 : direction > 0;
}

void Listbox::Sort() {
    RequireMainThread();
    const std::int64_t column = sortedColumn_;
    const int direction = ColumnSortDirection(column);
    if (column < 0 || column >= std::max<std::int64_t>(ColumnCount, 1) || direction == 0 ||
        rows_.size() < 2) {
        return;
    }
    std::vector<std::int64_t> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    auto compare = [&](std::int64_t a, std::int64_t b) {
        std::string left = Cell(a, column);
        std::string right = Cell(b, column);
        std::int64_t result = left < right ? -1 : (right < left ? 1 : 0);
        Event_CompareRows(a, b, column, result);
        return direction > 0 ? result < 0 : result > 0;
    };
    // Merge-based: safe even when a hook's order is not consistent.
    std::stable_sort(order.begin(), order.end(), compare);
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (auto index : order) {
        sorted.push_back(std::move(rows_[static_cast<std::size_t>(index)]));
    }
    rows_ = std::move(sorted);
    RowsChanged();
}

bool Listbox::SelectAll() {
    RequireMainThread();
    if (!CanSelectAll()) {
        return false;
    }
    for (auto& r : rows_) {
        r.selected = true;
    }
    SendSelection();
    return true;
}

void Listbox::PeerSelectionChanged_(const std::vector<int>& rows) {
    for (auto& r : rows_) {
        r.selected = false;
    }
    for (int row : rows) {
        if (row >= 0 && row < ListCount()) {
            rows_[static_cast<std::size_t>(row)].selected = true;
            if (RowSelectionType != 1) {
                break;
            }
        }
    }
}

void Listbox::PeerDoubleClicked_(int row) {
    (void)row;  // the handler reads ListIndex, which the selection report has set
    if (!DoubleClick || !Enabled()) {
        return;
    }
    auto handler = DoubleClick;
    auto self = Cast<Listbox>(Self());
    UiRuntime::Get().RaiseEvent([&] { handler(self); });
}

void Listbox::RowsChanged() {
    if (rowsPending_) {
        return;
    }
    // A drop adds thousands of rows, each with a picture, then sorts them: the peer gets
    // the rows once, when the handler is done, instead of after every change.
    rowsPending_ = true;
    auto self = std::static_pointer_cast<Listbox>(weak_from_this().lock());
    if (self) {
        UiRuntime::Get().ScheduleRowsUpdate(self);
    } else {
        FlushRows_();  // not shared: nothing can show it later either
    }
}

void Listbox::FlushRows_() {
    if (!rowsPending_) {
        return;
    }
    rowsPending_ = false;
    Backend* backend = PeerBackend();
    if (!backend) {
        return;
    }
    backend->SetListRows(Id(), RowStates());
}

std::vector<ListRowState> Listbox::RowStates() const {
    std::vector<ListRowState> rows;
    rows.reserve(rows_.size());
    for (const auto& r : rows_) {
        rows.push_back(ListRowState{r.cells, r.picture, r.selected});
    }
    return rows;
}

void Listbox::SendSelection() const {
    Backend* backend = PeerBackend();
    // Rows still to be sent carry their selection with them.
    if (!backend || rowsPending_) {
        return;
    }
    std::vector<int> selected;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].selected) {
            selected.push_back(static_cast<int>(i));
        }
    }
    backend->SetListSelection(Id(), selected);
}

void Listbox::CreatePeer_(Backend& backend, PeerId window) const {
    RectControl::CreatePeer_(backend, window);
    if (!rows_.empty()) {
        backend.SetListRows(Id(), RowStates());
    }
}

void Listbox::FillState(ControlState& state) const {
    state.Kind = ControlKind::Listbox;
    state.ColumnCount = static_cast<int>(std::max<std::int64_t>(ColumnCount, 1));
    state.HasHeader = HasHeader;
    state.DefaultRowHeight = static_cast<int>(DefaultRowHeight);
    state.HasBorder = HasBorder;
    state.AllowFocusRing = AllowFocusRing;
    state.HasHorizontalScrollbar = HasHorizontalScrollbar;
    state.HasVerticalScrollbar = HasVerticalScrollbar;
    state.GridLinesHorizontalStyle = GridLinesHorizontalStyle;
    state.GridLinesVerticalStyle = GridLinesVerticalStyle;
    state.MultipleSelection = RowSelectionType == 1;
}

}  // namespace fw
