// Select All through the menu bar and the responder chain: offered by a list that
// takes several rows, withheld by one that takes a single row.
#include "CocoaMenuFixture.h"
#include "framework/Listbox.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "menus/MainMenuBar.h"

namespace menutest {
namespace {

class ListWindow : public fw::Window {
public:
    explicit ListWindow(int rowSelectionType) : rowSelectionType_(rowSelectionType) {}
    fw::Ref<fw::Listbox> list;

protected:
    void Layout() override {
        Width(300);
        Height(200);
    }
    void CreateControls() override {
        list = fw::New<fw::Listbox>();
        list->RowSelectionType = rowSelectionType_;
        AddControl_("List", list);
    }

private:
    int rowSelectionType_;
};

class SelectAllTest : public CocoaMenuTest {
protected:
    void Open(int rowSelectionType, int rows) {
        app->MenuBar(MainMenuBar());
        window = fw::New<ListWindow>(rowSelectionType);
        window->Constructor();
        fw::RuntimeRun_();
        for (int i = 0; i < rows; ++i) {
            window->list->AddRow("row " + std::to_string(i));
        }
        backend->SetKeyWindow(window->Id());
        backend->SetFocusedControl(window->list->Id());
    }
    static fw::Ref<fw::MenuItem> SelectAll() { return MainMenuBar()->Lookup_("EditSelectAll"); }
    int SelectedRows() const {
        int count = 0;
        for (std::int64_t i = 0; i < window->list->ListCount(); ++i) {
            count += window->list->Selected(i) ? 1 : 0;
        }
        return count;
    }

    fw::Ref<ListWindow> window;
};

TEST_F(SelectAllTest, AListOfSeveralRowsGetsEveryRowSelected) {
    Open(1, 3);
    backend->OpenMenu(MainMenuBar()->Child("EditMenu"));
    EXPECT_TRUE(SelectAll()->Enabled());
    backend->ChooseMenuItem(SelectAll());
    EXPECT_EQ(SelectedRows(), 3);
    EXPECT_EQ(backend->Control(window->list->Id()).Selection, (std::vector<int>{0, 1, 2}));
}

TEST_F(SelectAllTest, ASingleRowListKeepsSelectAllDisabled) {
    Open(0, 3);
    window->list->Selected(1, true);
    backend->OpenMenu(MainMenuBar()->Child("EditMenu"));
    EXPECT_FALSE(SelectAll()->Enabled());
    backend->ChooseMenuItem(SelectAll());
    EXPECT_EQ(SelectedRows(), 1);
    EXPECT_TRUE(window->list->Selected(1));
}

TEST_F(SelectAllTest, AnEmptyListOrNoFocusLeavesItDisabled) {
    Open(1, 0);
    backend->OpenMenu(MainMenuBar()->Child("EditMenu"));
    EXPECT_FALSE(SelectAll()->Enabled());
    window->list->AddRow("one");
    backend->SetFocusedControl(0);
    backend->OpenMenu(MainMenuBar()->Child("EditMenu"));
    EXPECT_FALSE(SelectAll()->Enabled()) << "the window itself selects nothing";
    backend->SetFocusedControl(window->list->Id());
    backend->OpenMenu(MainMenuBar()->Child("EditMenu"));
    EXPECT_TRUE(SelectAll()->Enabled());
}

}  // namespace
}  // namespace menutest
