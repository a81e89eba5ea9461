#include "QtListPeer.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <algorithm>

#include "QtConversions.h"
#include "QtListDelegate.h"
#include "framework/Picture.h"

namespace fw::qt {

namespace {

QTreeWidget* MakeTree(QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setRootIsDecorated(false);
    tree->setItemsExpandable(false);
    tree->setUniformRowHeights(true);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree->header()->setStretchLastSection(true);
    tree->header()->setSectionsMovable(false);
    // The model paints the stripes itself.
    tree->setAlternatingRowColors(false);
    return tree;
}

}  // namespace

QtListPeer::QtListPeer(PeerId window, PeerId id, QWidget* parent, BackendHost& host)
    : QtControlPeer(window, id, MakeTree(parent)),
      host_(host),
      tree_(static_cast<QTreeWidget*>(Widget())),
      delegate_(new QtListDelegate(id, host, tree_)) {
    tree_->setItemDelegate(delegate_);
    Keep(QObject::connect(tree_, &QTreeWidget::itemSelectionChanged, tree_,
                          [this] { ReportSelection(); }));
    Keep(QObject::connect(tree_, &QTreeWidget::itemDoubleClicked, tree_,
                          [this](QTreeWidgetItem* item, int) {
                              const int row = tree_->indexOfTopLevelItem(item);
                              if (row >= 0) {
                                  host_.ListDoubleClicked(Id(), row);
                              }
                          }));
}

QtListPeer::~QtListPeer() {
    if (tree_) {
        // The tree may paint once more before it is deleted.
        delegate_->Detach();
    }
}

void QtListPeer::UpdateOwn(const ControlState& state) {
    if (!tree_) {
        return;
    }
    columnCount_ = std::max(state.ColumnCount, 1);
    tree_->setColumnCount(columnCount_);
    tree_->setHeaderHidden(!state.HasHeader);
    tree_->setFrameShape(state.HasBorder ? QFrame::StyledPanel : QFrame::NoFrame);
    // Without a focus ring the list shows neither a focus frame nor a focus mark on its
    // current row; only selected rows stand out.
    tree_->setAttribute(Qt::WA_MacShowFocusRect, state.AllowFocusRing);
    tree_->setAllColumnsShowFocus(state.AllowFocusRing);
    delegate_->SetLook(state.AllowFocusRing, state.GridLinesHorizontalStyle,
                       state.GridLinesVerticalStyle);
    tree_->setVerticalScrollBarPolicy(state.HasVerticalScrollbar ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
    tree_->setHorizontalScrollBarPolicy(state.HasHorizontalScrollbar ? Qt::ScrollBarAsNeeded
                                                                     : Qt::ScrollBarAlwaysOff);
    tree_->setSelectionMode(state.MultipleSelection ? QAbstractItemView::ExtendedSelection
                                                    : QAbstractItemView::SingleSelection);
    delegate_->SetRowHeight(state.DefaultRowHeight);
    tree_->doItemsLayout();
}

void QtListPeer::ShowRow(QTreeWidgetItem* item, const ListRowState& row,
                         const ListRowState* shown) {
    for (int column = 0; column < columnCount_; ++column) {
        const auto index = static_cast<std::size_t>(column);
        const std::string& text = index < row.Cells.size() ? row.Cells[index] : std::string();
        const bool same = shown != nullptr && index < shown->Cells.size()
                              ? shown->Cells[index] == text
                              : shown != nullptr && text.empty();
        if (!same) {
            item->setText(column, ToQString(text));
        }
    }
    if (shown == nullptr || shown->RowPicture != row.RowPicture) {
        item->setIcon(0, ToQIcon(row.RowPicture));
    }
}

void QtListPeer::RebuildRows(const std::vector<ListRowState>& rows) {
    tree_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const ListRowState& row : rows) {
        auto* item = new QTreeWidgetItem();
        ShowRow(item, row, nullptr);
        items.push_back(item);
    }
    // Added in one go: the view lays them out once.
    tree_->addTopLevelItems(items);
}

void QtListPeer::ShowSelection(const std::vector<ListRowState>& rows) {
    std::vector<int> selected;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Selected) {
            selected.push_back(static_cast<int>(i));
        }
    }
    SelectRows(selected);
}

void QtListPeer::SelectRows(const std::vector<int>& sortedRows) {
    // One range per run of rows and one select call: item by item, every change would
    // recompute the whole selection, which is quadratic in the rows.
    QItemSelectionModel* selection = tree_->selectionModel();
    const QAbstractItemModel* model = tree_->model();
    const int lastColumn = std::max(model->columnCount() - 1, 0);
    QItemSelection ranges;
    for (std::size_t i = 0; i < sortedRows.size();) {
        std::size_t end = i + 1;
        while (end < sortedRows.size() && sortedRows[end] == sortedRows[end - 1] + 1) {
            ++end;
        }
        ranges.append(QItemSelectionRange(model->index(sortedRows[i], 0),
                                          model->index(sortedRows[end - 1], lastColumn)));
        i = end;
    }
    if (ranges.isEmpty()) {
        selection->clearSelection();
    } else {
        selection->select(ranges, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void QtListPeer::SetRows(const std::vector<ListRowState>& rows) {
    if (!tree_) {
        return;
    }
    const QScopedValueRollback<bool> applying(applying_, true);
    const std::size_t common = std::min(rows.size(), shown_.size());
    std::size_t changed = 0;
    for (std::size_t i = 0; i < common; ++i) {
        const bool same =
            rows[i].Cells == shown_[i].Cells && rows[i].RowPicture == shown_[i].RowPicture;
        changed += same ? 0 : 1;
    }
    if (common == 0 || changed > common / 2) {
        // A new list (a drop, a sort): building it afresh is cheaper than editing it.
        RebuildRows(rows);
    } else {
        for (std::size_t i = 0; i < common; ++i) {
            ShowRow(tree_->topLevelItem(static_cast<int>(i)), rows[i], &shown_[i]);
        }
        while (static_cast<std::size_t>(tree_->topLevelItemCount()) > rows.size()) {
            delete tree_->takeTopLevelItem(tree_->topLevelItemCount() - 1);
        }
        QList<QTreeWidgetItem*> added;
        for (std::size_t i = common; i < rows.size(); ++i) {
            auto* item = new QTreeWidgetItem();
            ShowRow(item, rows[i], nullptr);
            added.push_back(item);
        }
        tree_->addTopLevelItems(added);
    }
    ShowSelection(rows);
    if (!rows.empty() && rows.front().RowPicture) {
        const int side = static_cast<int>(rows.front().RowPicture->Width());
        tree_->setIconSize(QSize(side, static_cast<int>(rows.front().RowPicture->Height())));
    }
    shown_ = rows;
}

void QtListPeer::SetSelection(const std::vector<int>& selectedRows) {
    if (!tree_) {
        return;
    }
    const QScopedValueRollback<bool> applying(applying_, true);
    std::vector<int> rows;
    rows.reserve(selectedRows.size());
    for (const int row : selectedRows) {
        if (row >= 0 && static_cast<std::size_t>(row) < shown_.size()) {
            rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (ListRowState& row : shown_) {
        row.Selected = false;
    }
    for (const int row : rows) {
        shown_[static_cast<std::size_t>(row)].Selected = true;
    }
    SelectRows(rows);
}

void QtListPeer::ReportSelection() {
    if (applying_ || !tree_) {
        return;
    }
    // Read from the ranges: per-item lookups (and selectedRows(), which checks every row
    // against every range) are quadratic for a large or scattered selection.
    std::vector<int> rows;
    for (const QItemSelectionRange& range : tree_->selectionModel()->selection()) {
        if (!range.parent().isValid()) {
            for (int row = range.top(); row <= range.bottom(); ++row) {
                rows.push_back(row);
            }
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    host_.ListSelectionChanged(Id(), rows);
}

}  // namespace fw::qt
