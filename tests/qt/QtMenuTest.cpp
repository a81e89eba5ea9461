#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "QtTestSupport.h"
#include "framework/MenuBar.h"
#include "framework/QuitMenuItem.h"

namespace fw::qt::test {
namespace {

// An item that enables itself only when its EnableMenu pass says so.
class SelfEnablingItem : public MenuItem {
public:
    void Event_EnableMenu() override {
        ++enablePasses;
        SetEnabled(enableNext);
    }
    bool Event_Action() override {
        ++actions;
        return true;
    }
    bool enableNext{true};
    int enablePasses{0};
    int actions{0};
};

Ref<MenuItem> AddItem(const Ref<MenuItem>& menu, Ref<MenuItem> item, const std::string& name,
                      const std::string& text, std::optional<std::string> shortcut) {
    item->SetName(name);
    item->SetText(text);
    if (shortcut) {
        item->SetShortcut(shortcut);
    }
    menu->AddMenu(item);
    return item;
}

class QtMenu : public QtBackendTest {
protected:
    void SetUp() override {
        QtBackendTest::SetUp();
        bar = New<MenuBar>();
        file = AddItem(bar, New<MenuItem>(), "FileMenu", "File", std::nullopt);
        close = Cast<SelfEnablingItem>(
            AddItem(file, New<SelfEnablingItem>(), "FileClose", "Close", "Cmd+W"));
        AddItem(file, New<MenuItem>(), "FileSeparator1", "-", std::nullopt);
        AddItem(file, New<QuitMenuItem>(), "FileQuit", "Quit", "Cmd+Q");
        edit = AddItem(bar, New<MenuItem>(), "EditMenu", "Edit", std::nullopt);
        AddItem(edit, New<MenuItem>(), "EditUndo", "&Undo", "Cmd+Z");
        AddItem(edit, New<MenuItem>(), "EditRedo", "Redo", "Cmd+Shift+Z");
        AddItem(bar, New<MenuItem>(), "HelpMenu", "Help", std::nullopt);
    }

    QMenuBar* WindowBar(PeerId id) { return backend->WindowWidget(id)->findChild<QMenuBar*>(); }

    Ref<MenuBar> bar;
    Ref<MenuItem> file;
    Ref<MenuItem> edit;
    Ref<SelfEnablingItem> close;
};

TEST_F(QtMenu, MirrorsMenusItemsSeparatorsAndShortcuts) {
    OpenWindow(1, {50, 50, 460, 300});
    backend->SetWindowMenuBar(1, bar);
    QMenuBar* menuBar = WindowBar(1);
    ASSERT_NE(menuBar, nullptr);
    const auto menus = menuBar->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "File");
    EXPECT_EQ(menus[2]->text(), "Help");
    EXPECT_TRUE(menus[2]->menu()->actions().isEmpty());

    const auto fileItems = menus[0]->menu()->actions();
    ASSERT_EQ(fileItems.size(), 3);
    EXPECT_EQ(fileItems[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_TRUE(fileItems[1]->isSeparator());
    EXPECT_EQ(fileItems[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    const auto editItems = menus[1]->menu()->actions();
    ASSERT_EQ(editItems.size(), 2);
    // "&" marks the mnemonic, as Qt reads it too.
    EXPECT_EQ(editItems[0]->text(), "&Undo");
    EXPECT_EQ(editItems[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));

    // Changes in the model show at once.
    close->SetText("Close Window");
    EXPECT_EQ(fileItems[0]->text(), "Close Window");
    close->SetVisible(false);
    EXPECT_FALSE(fileItems[0]->isVisible());
}

TEST_F(QtMenu, WindowsWithoutTheirOwnBarShowTheApplicationsBar) {
    OpenWindow(1, {50, 50, 460, 300});
    EXPECT_EQ(WindowBar(1), nullptr);
    backend->SetApplicationMenuBar(bar);
    ASSERT_NE(WindowBar(1), nullptr);
    EXPECT_EQ(WindowBar(1)->actions().size(), 3);
    OpenWindow(2, {80, 80, 460, 300});
    ASSERT_NE(WindowBar(2), nullptr);
}

TEST_F(QtMenu, OpeningAMenuRunsTheEnablePassFirst) {
    OpenWindow(1, {50, 50, 460, 300});
    backend->SetWindowMenuBar(1, bar);
    QMenu* fileMenu = WindowBar(1)->actions()[0]->menu();
    QAction* closeAction = fileMenu->actions()[0];

    close->enableNext = false;
    emit fileMenu->aboutToShow();
    EXPECT_EQ(host.menusShown, std::vector<std::string>{"FileMenu"});
    EXPECT_EQ(close->enablePasses, 1);
    EXPECT_FALSE(closeAction->isEnabled());

    close->enableNext = true;
    fileMenu->popup(QPoint(60, 60));
    EXPECT_EQ(close->enablePasses, 2);
    EXPECT_TRUE(closeAction->isEnabled());
    fileMenu->hide();
}

TEST_F(QtMenu, ShortcutsReachTheirItemsAfterTheEnablePass) {
    QWidget* window = OpenWindow(1, {50, 50, 460, 300});
    backend->SetWindowMenuBar(1, bar);
    backend->RaiseWindow(1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    // Disabled when the menu last showed, enabled by the pass the key press runs.
    close->enableNext = false;
    emit WindowBar(1)->actions()[0]->menu()->aboutToShow();
    close->enableNext = true;
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(host.chosen, std::vector<std::string>{"FileClose"});
    EXPECT_EQ(close->actions, 1);

    // An item that stays disabled does not act.
    close->enableNext = false;
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(close->actions, 1);

    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(host.chosen.back(), "EditRedo");
}

TEST_F(QtMenu, ShortcutsActOnceFromAnyWindowButNotPastAModalAlert) {
    QWidget* first = OpenWindow(1, {50, 50, 460, 300});
    QWidget* second = OpenWindow(2, {80, 80, 460, 300});
    backend->SetApplicationMenuBar(bar);
    // Both windows' bars hold Ctrl+W; a press in either reaches the item exactly once.
    for (QWidget* window : {second, first}) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    }
    bool alertActive = false;
    QTimer::singleShot(0, [&] {
        QWidget* alert = QApplication::activeModalWidget();
        alertActive = alert != nullptr && QTest::qWaitForWindowActive(alert);
        QTest::keyClick(alert, Qt::Key_W, Qt::ControlModifier);
        QTest::keyClick(alert, Qt::Key_Q, Qt::ControlModifier);
        alert->close();
    });
    backend->ShowDialog(DialogRequest{});
    EXPECT_TRUE(alertActive);
    EXPECT_EQ(host.chosen, std::vector<std::string>(2, "FileClose"));
}

}  // namespace
}  // namespace fw::qt::test
