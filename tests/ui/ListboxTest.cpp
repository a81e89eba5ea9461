// The list: rows, selection, the sort with its CompareRows hook, background painting
// and the double-click handler.

#include "UiTestSupport.h"
#include "framework/Color.h"
#include "framework/Listbox.h"
#include "framework/RuntimeException.h"

namespace uitest {
namespace {

// Compares by length only, so equal lengths show whether the sort is stable.
class LengthListbox : public fw::Listbox {
public:
    bool answer{false};
    bool throwOnCompare{false};
    std::vector<std::pair<std::int64_t, std::int64_t>> compared;

    bool Event_CompareRows(std::int64_t row1, std::int64_t row2, std::int64_t column,
                           std::int64_t& result) override {
        if (throwOnCompare) {
            throw fw::NilObjectException("compare failed");
        }
        compared.emplace_back(row1, row2);
        auto a = Cell(row1, column).size();
        auto b = Cell(row2, column).size();
        result = a < b ? -1 : (a > b ? 1 : 0);
        return answer;
    }
};

// Paints stripes as the program's list does: selected rows untouched.
class StripedListbox : public fw::Listbox {
public:
    bool Event_CellBackgroundPaint(fw::Ref<fw::Graphics> g, std::int64_t row,
                                   std::int64_t column) override {
        (void)column;
        if (Selected(row)) {
            return true;
        }
        g->SetForeColor(fw::Color(row % 2 == 0 ? 0x00F1F2F2u : 0xF3FFFFFFu));
        g->FillRect(0, 0, g->Width(), g->Height());
        return false;
    }
};

std::vector<std::string> Column0(const fw::Listbox& list) {
    std::vector<std::string> cells;
    for (std::int64_t i = 0; i < list.ListCount(); ++i) {
        cells.push_back(list.Cell(i, 0));
    }
    return cells;
}

using ListboxTest = UiTest;

TEST_F(ListboxTest, SortUsesTheHooksResultWhetherItAnswersTrueOrFalseAndIsStable) {
    for (bool answer : {false, true}) {
        auto list = fw::New<LengthListbox>();
        list->answer = answer;
        for (const char* text : {"ccc", "b", "aa", "a", "bb", "c"}) {
            list->AddRow(text);
            list->RowTag(list->LastIndex(), std::string("tag-") + text);
        }
        list->ColumnSortDirection(0, 1);
        list->SortedColumn(0);
        list->Sort();
        // By length; equal lengths keep their order of insertion.
        EXPECT_EQ(Column0(*list), (std::vector<std::string>{"b", "a", "c", "aa", "bb", "ccc"}))
            << "answer " << answer;
        // Tags travel with their rows.
        EXPECT_EQ(list->RowTag(5).StringValue(), "tag-ccc");
        EXPECT_FALSE(list->compared.empty());

        list->ColumnSortDirection(0, -1);
        list->Sort();
        EXPECT_EQ(Column0(*list), (std::vector<std::string>{"ccc", "aa", "bb", "b", "a", "c"}));
    }
}

TEST_F(ListboxTest, TheHookSeesRowIndexesOfTheUnsortedListAndWithoutAHookBytesDecide) {
    auto list = fw::New<LengthListbox>();
    list->AddRow("zz");
    list->AddRow("y");
    list->ColumnSortDirection(0, 1);
    list->SortedColumn(0);
    list->Sort();
    for (auto [a, b] : list->compared) {
        EXPECT_TRUE((a == 0 || a == 1) && (b == 0 || b == 1) && a != b);
    }

    auto plain = fw::New<fw::Listbox>();
    for (const char* text : {"b", "B", "a"}) {
        plain->AddRow(text);
    }
    plain->ColumnSortDirection(0, 1);
    plain->SortedColumn(0);
    plain->Sort();
    EXPECT_EQ(Column0(*plain), (std::vector<std::string>{"B", "a", "b"}));
}

TEST_F(ListboxTest, AnExceptionFromTheHookLeavesTheRowsAsTheyWere) {
    auto list = fw::New<LengthListbox>();
    list->AddRow("ccc");
    list->AddRow("a");
    list->throwOnCompare = true;
    list->ColumnSortDirection(0, 1);
    list->SortedColumn(0);
    EXPECT_THROW(list->Sort(), fw::NilObjectException);
    EXPECT_EQ(Column0(*list), (std::vector<std::string>{"ccc", "a"}));
}

TEST_F(ListboxTest, NoSortWithoutADirectionOrColumn) {
    auto list = fw::New<fw::Listbox>();
    list->AddRow("b");
    list->AddRow("a");
    list->SortedColumn(0);
    list->Sort();  // direction 0
    EXPECT_EQ(Column0(*list), (std::vector<std::string>{"b", "a"}));
    EXPECT_THROW(list->ColumnSortDirection(1, 1), fw::OutOfBoundsException);
}

TEST_F(ListboxTest, RowsSelectionAndBounds) {
    auto list = fw::New<fw::Listbox>();
    EXPECT_EQ(list->LastIndex(), -1);
    EXPECT_EQ(list->ListIndex(), -1);
    list->AddRow("one");
    list->AddRow("two");
    EXPECT_EQ(list->LastIndex(), 1);
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->Cell(1, 0), "two");

    list->Selected(0, true);
    list->Selected(1, true);  // one row at a time
    EXPECT_FALSE(list->Selected(0));
    EXPECT_EQ(list->ListIndex(), 1);
    list->ListIndex(-1);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_FALSE(list->SelectAll());

    EXPECT_THROW(list->Cell(2, 0), fw::OutOfBoundsException);
    EXPECT_THROW(list->Cell(0, 1), fw::OutOfBoundsException);
    EXPECT_THROW(list->RowTag(-1), fw::OutOfBoundsException);
    EXPECT_THROW(list->ListIndex(5), fw::OutOfBoundsException);
    EXPECT_TRUE(list->RowTag(0).IsNil());
    EXPECT_EQ(list->RowPicture(0), nullptr);

    list->RemoveAllRows();
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->LastIndex(), -1);
}

class ListWindow : public fw::Window {
public:
    fw::Ref<StripedListbox> list;

protected:
    void Layout() override {
        Width(460);
        Height(300);
    }
    void CreateControls() override {
        list = fw::New<StripedListbox>();
        AddControl_("ListBox1", list);
        list->Width(460);
        list->Height(252);
        list->DefaultRowHeight = 23;
    }
};

TEST_F(ListboxTest, BackgroundPaintStripesUnselectedRowsAndLeavesSelectedOnes) {
    StartFramework();
    auto w = fw::New<ListWindow>();
    w->Constructor();
    w->OpenNow_();
    for (const char* text : {"a", "b", "c"}) {
        w->list->AddRow(text);
    }
    w->list->Selected(2, true);
    EXPECT_EQ(Backend().Control(w->list->Id()).Selection, (std::vector<int>{2}));

    auto painted = Backend().PaintList(w->list->Id());
    ASSERT_EQ(painted.size(), 3u);
    EXPECT_FALSE(painted[0].Answer);
    EXPECT_EQ(painted[0].Background->Pixel(5, 5), fw::Color(0x00F1F2F2u));
    EXPECT_EQ(painted[0].Background->Height(), 23);
    EXPECT_EQ(painted[1].Background->Pixel(5, 5).Alpha(), 0xF3);
    EXPECT_TRUE(painted[2].Answer);
    EXPECT_EQ(painted[2].Background->Pixel(5, 5).Alpha(), 0xFF);  // nothing drawn
}

TEST_F(ListboxTest, DoubleClickSelectsTheRowThenRaisesTheHandler) {
    StartFramework();
    auto w = fw::New<ListWindow>();
    w->Constructor();
    w->OpenNow_();
    w->list->AddRow("a");
    w->list->AddRow("b");
    std::vector<std::int64_t> seen;
    w->list->DoubleClick = [&](fw::Ref<fw::Listbox> sender) {
        seen.push_back(sender->ListIndex());
    };
    Backend().DoubleClickRow(w->list->Id(), 1);
    Backend().DoubleClickRow(w->list->Id(), 7);  // below the last row
    EXPECT_EQ(seen, (std::vector<std::int64_t>{1, -1}));
}

TEST_F(ListboxTest, RowsChangedDuringAnEventReachThePeerOnceWhenItEnds) {
    StartFramework();
    auto w = fw::New<ListWindow>();
    w->Constructor();
    w->OpenNow_();
    auto list = w->list;
    list->AddRow("before");
    // What the backend shows is current whenever it is read.
    ASSERT_EQ(Backend().Control(list->Id()).Rows.size(), 1u);
    const int updates = Backend().Control(list->Id()).RowUpdates;

    const auto picture = fw::New<fw::Picture>(16, 16);
    list->DoubleClick = [&](fw::Ref<fw::Listbox> l) {
        // A drop's pattern: empty, add with pictures, select, sort.
        l->RemoveAllRows();
        for (int i = 999; i >= 0; --i) {
            const std::string digits = std::to_string(i);
            l->AddRow("row" + std::string(3 - digits.size(), '0') + digits);
            l->RowPicture(l->LastIndex(), picture);
        }
        l->Selected(3, true);  // "row996"
        l->Cell(0, 0, "row999");
        l->ColumnSortDirection(0, 1);
        l->SortedColumn(0);
        l->Sort();
    };
    Backend().DoubleClickRow(list->Id(), 0);

    const auto& shown = Backend().Control(list->Id());
    EXPECT_EQ(shown.RowUpdates, updates + 1);
    ASSERT_EQ(shown.Rows.size(), 1000u);
    EXPECT_EQ(shown.Rows[0].Cells[0], "row000");
    EXPECT_EQ(shown.Rows[999].Cells[0], "row999");
    EXPECT_EQ(shown.Rows[500].RowPicture, picture);
    EXPECT_TRUE(shown.Rows[996].Selected);
    EXPECT_FALSE(shown.Rows[995].Selected);
    EXPECT_EQ(list->ListIndex(), 996);

    // A selection change alone goes straight to the peer.
    list->ListIndex(2);
    EXPECT_EQ(Backend().Control(list->Id()).Selection, std::vector<int>{2});
    EXPECT_EQ(Backend().Control(list->Id()).RowUpdates, updates + 1);
}

TEST_F(ListboxTest, RowsChangedOutsideAnEventAreSentByTheEventLoop) {
    StartFramework();
    auto w = fw::New<ListWindow>();
    w->Constructor();
    w->OpenNow_();
    w->list->AddRow("one");
    w->list->AddRow("two");
    Backend().Run();  // runs the posted update
    // Painting asks the model only about rows that the peer shows.
    const auto painted = Backend().PaintList(w->list->Id());
    ASSERT_EQ(painted.size(), 2u);
    EXPECT_EQ(Backend().Control(w->list->Id()).RowUpdates, 1);
}

}  // namespace
}  // namespace uitest
