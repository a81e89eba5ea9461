#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>

#include "QtTestSupport.h"
#include "framework/Picture.h"

namespace fw::qt::test {
namespace {

using QtControls = QtBackendTest;

Ref<Picture> SolidPicture(int side, Color color) {
    auto picture = New<Picture>(side, side);
    auto g = picture->Graphics();
    g->SetForeColor(color);
    g->FillRect(0, 0, side, side);
    return picture;
}

TEST_F(QtControls, ButtonClickReachesTheModelOnlyWhenEnabled) {
    OpenWindow(1, {0, 0, 460, 300});
    ControlState state = Control(ControlKind::PushButton, {20, 16, 80, 20});
    state.Caption = "Run";
    state.Enabled = false;
    state.Default = true;
    backend->CreateControl(1, 2, state);
    auto* button = qobject_cast<QPushButton*>(backend->ControlWidget(2));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Run");
    EXPECT_TRUE(button->isDefault());

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(host.clicks.empty());

    state.Enabled = true;
    backend->UpdateControl(2, state);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(host.clicks, std::vector<PeerId>{2});

    // Return in the window presses its default button.
    QTest::keyClick(backend->WindowWidget(1), Qt::Key_Return);
    EXPECT_EQ(host.clicks.size(), 2u);
}

TEST_F(QtControls, ModelDestroysTheButtonFromInsideItsClick) {
    OpenWindow(1, {0, 0, 460, 300});
    backend->CreateControl(1, 2, Control(ControlKind::PushButton, {20, 16, 80, 20}));
    QPointer<QWidget> button = backend->ControlWidget(2);
    host.onClick = [this](PeerId) { backend->DestroyWindow(1); };
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(host.clicks.size(), 1u);
    EXPECT_EQ(backend->ControlWidget(2), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(button.isNull());
}

TEST_F(QtControls, LabelShowsPlainTextWithAlignmentAndColour) {
    OpenWindow(1, {0, 0, 460, 300});
    ControlState state = Control(ControlKind::Label, {112, 16, 328, 20});
    state.Text = "<b>3 files</b>";
    state.TextAlignment = 3;
    state.TextColor = 0x00FF0000;
    backend->CreateControl(1, 2, state);
    auto* label = qobject_cast<QLabel*>(backend->ControlWidget(2));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "<b>3 files</b>");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_TRUE(label->alignment().testFlag(Qt::AlignRight));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // Black is the default: the platform's own text colour, light or dark.
    QPalette dark = label->parentWidget()->palette();
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    label->parentWidget()->setPalette(dark);
    state.TextColor = 0x00000000;
    backend->UpdateControl(2, state);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0xEE, 0xEE, 0xEE));

    state.Visible = false;
    backend->UpdateControl(2, state);
    EXPECT_FALSE(label->isVisible());
}

class QtList : public QtBackendTest {
protected:
    QTreeWidget* OpenList(int rowCount, bool focusRing = true, bool multiple = false) {
        OpenWindow(1, {0, 0, 460, 300});
        ControlState state = Control(ControlKind::Listbox, {0, 48, 460, 252});
        state.DefaultRowHeight = 23;
        state.HasBorder = false;
        state.AllowFocusRing = focusRing;
        state.MultipleSelection = multiple;
        backend->CreateControl(1, 2, state);
        backend->SetListRows(2, Rows(rowCount));
        auto* tree = qobject_cast<QTreeWidget*>(backend->ControlWidget(2));
        EXPECT_NE(tree, nullptr);
        return tree;
    }

    static std::vector<ListRowState> Rows(int count) {
        std::vector<ListRowState> rows;
        // One picture for every call: rows built twice are the same rows.
        static const auto icon =
            New<Picture>(16, 16,
                         std::vector<Ref<Picture>>{SolidPicture(16, Color(0, 0, 255)),
                                                   SolidPicture(32, Color(0, 0, 255))});
        for (int i = 0; i < count; ++i) {
            ListRowState row;
            row.Cells = {"Font" + std::to_string(i) + ".otf"};
            row.RowPicture = icon;
            rows.push_back(row);
        }
        return rows;
    }

    QPoint RowCentre(QTreeWidget* tree, int row) {
        return tree->visualItemRect(tree->topLevelItem(row)).center();
    }
};

TEST_F(QtList, RowsShowCellsPicturesAndTheModelsRowHeight) {
    QTreeWidget* tree = OpenList(3);
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "Font1.otf");
    EXPECT_TRUE(tree->isHeaderHidden());
    EXPECT_EQ(tree->frameShape(), QFrame::NoFrame);
    const QIcon icon = tree->topLevelItem(0)->icon(0);
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().size(), 2);
    EXPECT_EQ(tree->visualItemRect(tree->topLevelItem(0)).height(), 23);

    backend->SetListRows(2, {});
    EXPECT_EQ(tree->topLevelItemCount(), 0);
}

TEST_F(QtList, StripesComeFromTheModelAndSelectedRowsKeepTheSelectionLook) {
    QTreeWidget* tree = OpenList(3);
    backend->SetListSelection(2, {1});
    EXPECT_TRUE(host.selections.empty());  // the model's own change is not echoed
    const QImage shot = tree->viewport()->grab().toImage();
    EXPECT_FALSE(host.paintedRows.empty());
    const int right = tree->viewport()->width() - 5;
    EXPECT_EQ(shot.pixelColor(right, RowCentre(tree, 0).y()), QColor(0xF1, 0xF2, 0xF2));
    EXPECT_EQ(shot.pixelColor(right, RowCentre(tree, 2).y()), QColor(0xF1, 0xF2, 0xF2));
    // Row 1 is odd (the model's red) but selected: the platform's highlight instead.
    const QColor selected = shot.pixelColor(right, RowCentre(tree, 1).y());
    EXPECT_NE(selected, QColor(255, 0, 0));
    EXPECT_NE(selected, QColor(0xF1, 0xF2, 0xF2));
}

TEST_F(QtList, ClicksAndDoubleClicksAreReported) {
    QTreeWidget* tree = OpenList(3);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(tree, 2));
    ASSERT_FALSE(host.selections.empty());
    EXPECT_EQ(host.selections.back().second, std::vector<int>{2});

    // A real double-click: click, then press, double-click and release.
    const QPoint row1 = RowCentre(tree, 1);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, row1);
    QTest::mousePress(tree->viewport(), Qt::LeftButton, Qt::NoModifier, row1);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, row1);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, Qt::NoModifier, row1);
    ASSERT_EQ(host.doubleClicks.size(), 1u);
    EXPECT_EQ(host.doubleClicks[0], (std::pair<PeerId, int>{2, 1}));
    EXPECT_EQ(host.selections.back().second, std::vector<int>{1});
}

TEST_F(QtList, WithoutAFocusRingTheFocusedListMarksNoRow) {
    QTreeWidget* tree = OpenList(3, false);
    backend->WindowWidget(1)->activateWindow();
    tree->setFocus(Qt::OtherFocusReason);  // as after a drop brings the window forward
    QCoreApplication::processEvents();
    ASSERT_TRUE(tree->hasFocus());
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_FALSE(tree->allColumnsShowFocus());
    EXPECT_FALSE(tree->testAttribute(Qt::WA_MacShowFocusRect));

    // Every edge pixel of each row shows the model's stripe: no focus frame, no highlight.
    const QImage shot = tree->viewport()->grab().toImage();
    for (int row = 0; row < 3; ++row) {
        const QRect rect = tree->visualItemRect(tree->topLevelItem(row));
        const QColor stripe = row % 2 == 0 ? QColor(0xF1, 0xF2, 0xF2) : QColor(255, 0, 0);
        for (int x = rect.width() / 2; x < rect.right(); ++x) {
            ASSERT_EQ(shot.pixelColor(x, rect.top()), stripe) << "row " << row << " x " << x;
            ASSERT_EQ(shot.pixelColor(x, rect.bottom()), stripe) << "row " << row << " x " << x;
        }
        ASSERT_EQ(shot.pixelColor(rect.right(), rect.center().y()), stripe) << "row " << row;
    }
}

TEST_F(QtList, RowsThatDidNotChangeKeepTheirItems) {
    QTreeWidget* tree = OpenList(5);
    QTreeWidgetItem* kept = tree->topLevelItem(1);
    auto rows = Rows(6);
    rows[3].Cells = {"Renamed.ttf"};
    rows[2].Selected = true;
    backend->SetListRows(2, rows);
    ASSERT_EQ(tree->topLevelItemCount(), 6);
    EXPECT_EQ(tree->topLevelItem(1), kept);
    EXPECT_EQ(tree->topLevelItem(3)->text(0), "Renamed.ttf");
    EXPECT_EQ(tree->topLevelItem(5)->text(0), "Font5.otf");
    ASSERT_EQ(tree->selectedItems().size(), 1);
    EXPECT_EQ(tree->selectedItems().front(), tree->topLevelItem(2));
    EXPECT_TRUE(host.selections.empty());

    backend->SetListRows(2, Rows(2));
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(1), kept);
    EXPECT_TRUE(tree->selectedItems().isEmpty());

    // A new list of other names replaces the items.
    rows = Rows(2);
    rows[0].Cells = {"A.otf"};
    rows[1].Cells = {"B.otf"};
    backend->SetListRows(2, rows);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "A.otf");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "B.otf");
}

TEST_F(QtList, TenThousandRowsAreShownOnceAndPaintQuickly) {
    QTreeWidget* tree = OpenList(0, false);
    const auto start = std::chrono::steady_clock::now();
    backend->SetListRows(2, Rows(10000));
    tree->viewport()->repaint();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("seconds", std::to_string(seconds));
    std::printf("10000 rows shown and painted in %.3f s\n", seconds);
    EXPECT_EQ(tree->topLevelItemCount(), 10000);
    EXPECT_LT(seconds, 10.0);  // generous: sanitizer builds are many times slower
}

TEST_F(QtList, ManySelectedRowsAreAppliedInOneChangeAndReportedOnce) {
    QTreeWidget* tree = OpenList(0, false, true);
    constexpr int kRows = 10000;
    backend->SetListRows(2, Rows(kRows));
    // Each change of the selection model costs time in the size of the selection: one
    // change per row would make selecting every row quadratic.
    QSignalSpy changes(tree->selectionModel(), &QItemSelectionModel::selectionChanged);
    const auto start = std::chrono::steady_clock::now();

    std::vector<int> all(kRows);
    std::iota(all.begin(), all.end(), 0);
    backend->SetListSelection(2, all);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(tree->selectionModel()->selectedRows().size(), kRows);

    auto rows = Rows(kRows);
    for (ListRowState& row : rows) {
        row.Selected = true;
    }
    rows[0].Cells = {"Changed.otf"};
    changes.clear();
    backend->SetListRows(2, rows);
    EXPECT_LE(changes.count(), 1);
    EXPECT_EQ(tree->selectionModel()->selectedRows().size(), kRows);

    // Every other row, out of order, with repeats and rows that do not exist.
    std::vector<int> odd{-1, kRows, kRows + 7};
    for (int row = kRows - 1; row > 0; row -= 2) {
        odd.push_back(row);
        odd.push_back(row);
    }
    changes.clear();
    backend->SetListSelection(2, odd);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(host.selections.empty());  // the model's own changes are not echoed
    // The user adds the first row: the scattered selection is reported as it is.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(tree, 0));
    ASSERT_EQ(host.selections.size(), 1u);
    std::vector<int> expected{0};
    for (int row = 1; row < kRows; row += 2) {
        expected.push_back(row);
    }
    EXPECT_EQ(host.selections[0].second, expected);
    host.selections.clear();

    backend->SetListSelection(2, {});
    EXPECT_TRUE(tree->selectionModel()->selectedRows().isEmpty());

    // The user's select-all reaches the model once, with every row in order.
    tree->selectAll();
    ASSERT_EQ(host.selections.size(), 1u);
    ASSERT_EQ(host.selections[0].second.size(), static_cast<std::size_t>(kRows));
    EXPECT_TRUE(std::is_sorted(host.selections[0].second.begin(), host.selections[0].second.end()));
    EXPECT_EQ(host.selections[0].second.back(), kRows - 1);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("seconds", std::to_string(seconds));
    std::printf("10000-row selections applied and reported in %.3f s\n", seconds);
}

}  // namespace
}  // namespace fw::qt::test
