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
    tree->setAllColumnsShowFocus(true);
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
    tree_->setVerticalScrollBarPolicy(state.HasVerticalScrollbar ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
    tree_->setHorizontalScrollBarPolicy(state.HasHorizontalScrollbar ? Qt::ScrollBarAsNeeded
                                                                     : Qt::ScrollBarAlwaysOff);
    tree_->setSelectionMode(state.MultipleSelection ? QAbstractItemView::ExtendedSelection
                                                    : QAbstractItemView::SingleSelection);
    delegate_->SetRowHeight(state.DefaultRowHeight);
    tree_->doItemsLayout();
}

void QtListPeer::SetRows(const std::vector<ListRowState>& rows) {
    if (!tree_) {
        return;
    }
    const QScopedValueRollback<bool> applying(applying_, true);
    tree_->clear();
    QList<QTreeWidgetItem*> items;
    for (const ListRowState& row : rows) {
        auto* item = new QTreeWidgetItem();
        for (int column = 0; column < columnCount_; ++column) {
            if (static_cast<std::size_t>(column) < row.Cells.size()) {
                item->setText(column, ToQString(row.Cells[static_cast<std::size_t>(column)]));
            }
        }
        item->setIcon(0, ToQIcon(row.RowPicture));
        items.push_back(item);
    }
    tree_->addTopLevelItems(items);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        items[static_cast<qsizetype>(i)]->setSelected(rows[i].Selected);
    }
    if (!rows.empty() && rows.front().RowPicture) {
        const int side = static_cast<int>(rows.front().RowPicture->Width());
        tree_->setIconSize(QSize(side, static_cast<int>(rows.front().RowPicture->Height())));
    }
}

void QtListPeer::SetSelection(const std::vector<int>& selectedRows) {
    if (!tree_) {
        return;
    }
    const QScopedValueRollback<bool> applying(applying_, true);
    tree_->clearSelection();
    for (const int row : selectedRows) {
        if (QTreeWidgetItem* item = tree_->topLevelItem(row)) {
            item->setSelected(true);
        }
    }
}

void QtListPeer::ReportSelection() {
    if (applying_ || !tree_) {
        return;
    }
    std::vector<int> rows;
    for (QTreeWidgetItem* item : tree_->selectedItems()) {
        rows.push_back(tree_->indexOfTopLevelItem(item));
    }
    std::sort(rows.begin(), rows.end());
    host_.ListSelectionChanged(Id(), rows);
}

}  // namespace fw::qt
