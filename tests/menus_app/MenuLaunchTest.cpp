// The menu bar in whole launches: the About caption in each language form, and what
// choosing each working item does to the program.
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "LaunchTest.h"
#include "app/App.h"
#include "menus/MainMenuBar.h"

namespace apptest {
namespace {

using nlohmann::json;

class MenuLaunchTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        UseStandInSpot("exit 1\n");
    }

    // A translation for a Japanese desktop.
    void Translate(const json& texts) {
        WriteFile(AppFolder() + "/Resources/locale/ja.json", texts.dump());
        ::setenv("LANG", "ja_JP.UTF-8", 1);
    }
    // The About caption once the application has opened.
    std::string AboutCaption() {
        std::string caption;
        Then([&] {
            caption = AppAbout()->Text();
            Backend().RequestQuit();
        });
        EXPECT_EQ(Launch(), 0);
        return caption;
    }
    static fw::Ref<fw::MenuItem> Named(const char* name) { return MainMenuBar()->Lookup_(name); }
    json StoredLTWH() const {
        const json stored = json::parse(ReadFile(PrefsFile()), nullptr, false);
        return stored.is_object() && stored.contains("WindowLTWH") ? stored["WindowLTWH"] : json();
    }
    // Key window and focused list, as when the user works in the window.
    void FocusList() {
        Backend().SetKeyWindow(WindowId());
        Backend().SetFocusedControl(ListId());
    }
};

TEST_F(MenuLaunchTest, WithoutTranslationTheAboutItemReadsAboutAndTheName) {
    EXPECT_EQ(AboutCaption(), "About Tessary");
}

TEST_F(MenuLaunchTest, AJapaneseMarkerGivesTheJapaneseForm) {
    Translate({{"LocalizedMenu.kLang", "ja"}});
    EXPECT_EQ(AboutCaption(), "Tessary について");
}

TEST_F(MenuLaunchTest, EachLaunchReadsTheTranslationAfresh) {
    Translate({{"LocalizedMenu.kLang", "ja"}});
    EXPECT_EQ(AboutCaption(), "Tessary について");
    Translate({{"LocalizedMenu.kLang", "en"}});
    EXPECT_EQ(AboutCaption(), "About Tessary");
}

TEST_F(MenuLaunchTest, AnyOtherMarkerKeepsTheEnglishForm) {
    for (const char* marker : {"ja-JP", "ja_JP", "en", "", "jap"}) {
        SCOPED_TRACE(marker);
        Translate({{"LocalizedMenu.kLang", marker}});
        EXPECT_EQ(AboutCaption(), "About Tessary");
    }
}

TEST_F(MenuLaunchTest, APartialTranslationLeavesTheRestAndTheLiteralsInEnglish) {
    Translate({{"LocalizedMenu.kLang", "ja"},
               {"LocalizedMenu.kFile", "ファイル"},
               {"LocalizedMenu.kFind", "検索..."}});
    std::vector<std::string> captions;
    Then([&] {
        for (const char* name : {"FileMenu", "EditFind", "EditMenu", "FileClose", "AppAbout",
                                 "FileQuit", "EditUndo", "EditRedo"}) {
            captions.push_back(Named(name)->Text());
        }
        Backend().RequestQuit();
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_EQ(captions, (std::vector<std::string>{"ファイル", "検索...", "Edit", "Close",
                                                  "Tessary について", "Quit", "&Undo", "Redo"}));
}

TEST_F(MenuLaunchTest, TheApplicationAndTheWindowShareTheBarAndItsItems) {
    Then([this] {
        fw::Ref<class MainMenuBar> bar = MainMenuBar();
        EXPECT_EQ(App()->MenuBar(), bar);
        EXPECT_EQ(Window1()->MenuBar(), bar);
        EXPECT_EQ(Backend().ApplicationMenuBar(), bar);
        EXPECT_EQ(Backend().Window(WindowId()).MenuBar, bar);
        auto w = Window1();
        const std::vector<std::pair<fw::Ref<fw::MenuItem>, const char*>> accessors{
            {w->HelpMenu(), "HelpMenu"},
            {w->WindowMenu(), "WindowMenu"},
            {w->WindowBringAlltoFront(), "WindowBringAlltoFront"},
            {w->WindowSeparator1(), "WindowSeparator1"},
            {w->WindowZoom(), "WindowZoom"},
            {w->WindowMinimize(), "WindowMinimize"},
            {w->EditMenu(), "EditMenu"},
            {w->EditFind(), "EditFind"},
            {w->UntitledSeparator(), "UntitledSeparator"},
            {w->EditSelectAll(), "EditSelectAll"},
            {w->EditClear(), "EditClear"},
            {w->EditPaste(), "EditPaste"},
            {w->EditCopy(), "EditCopy"},
            {w->EditCut(), "EditCut"},
            {w->EditSeparator1(), "EditSeparator1"},
            {w->EditRedo(), "EditRedo"},
            {w->EditUndo(), "EditUndo"},
            {w->FileMenu(), "FileMenu"},
            {w->FileQuit(), "FileQuit"},
            {w->FileSeparator1(), "FileSeparator1"},
            {w->AppAbout(), "AppAbout"},
            {w->FileClose(), "FileClose"},
        };
        for (const auto& [item, name] : accessors) {
            ASSERT_NE(item, nullptr) << name;
            EXPECT_EQ(item, bar->Lookup_(name)) << name;
        }
        EXPECT_EQ(w->AppAbout(), AppAbout());
        Backend().RequestQuit();
    });
    EXPECT_EQ(Launch(), 0);
}

TEST_F(MenuLaunchTest, ChoosingAboutShowsTheAboutBoxAndNoWindow) {
    std::size_t windowsBefore = 0;
    bool stillRunning = false;
    Then([&] {
        ASSERT_EQ(AppAbout()->Text(), "About Tessary");
        windowsBefore = Backend().Windows().size();
        Backend().ChooseMenuItem(AppAbout());
        stillRunning = !Backend().QuitCalled();
        Backend().RequestQuit();
    });
    EXPECT_EQ(Launch(), 0);
    ASSERT_EQ(Backend().AboutBoxes().size(), 1u);
    EXPECT_EQ(Backend().AboutBoxes()[0].Name, "Tessary");
    EXPECT_EQ(Backend().AboutBoxes()[0].Version, "3.1.0");
    EXPECT_EQ(Backend().Windows().size(), windowsBefore);
    EXPECT_TRUE(Backend().Dialogs().empty());
    EXPECT_TRUE(stillRunning);
}

TEST_F(MenuLaunchTest, TheAboutHandlerReportsTheCommandHandled) {
    bool handled = false;
    Then([&] {
        handled = App()->AppAbout_Action_();
        Backend().RequestQuit();
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_TRUE(handled);
    EXPECT_EQ(Backend().AboutBoxes().size(), 1u);
}

TEST_F(MenuLaunchTest, QuitClosesTheWindowBeforeTheApplicationWritesThePreferences) {
    Then([this] {
        Backend().MoveWindow(WindowId(), {100, 120, 500, 340});
        Backend().ChooseMenuItem(Named("FileQuit"));
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_TRUE(Backend().QuitCalled());
    EXPECT_TRUE(Backend().Windows().begin()->second.Destroyed);
    // The rectangle comes from the window's Close; the file from the application's.
    EXPECT_EQ(StoredLTWH(), json::array({100, 120, 500, 340}));
}

TEST_F(MenuLaunchTest, CloseClosesTheKeyWindowAndSoQuits) {
    bool enabled = false;
    Then([&] {
        Backend().MoveWindow(WindowId(), {40, 60, 480, 320});
        FocusList();
        Backend().OpenMenu(Named("FileMenu"));
        enabled = Named("FileClose")->Enabled();
        Backend().ChooseMenuItem(Named("FileClose"));
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(Backend().QuitCalled());
    EXPECT_EQ(StoredLTWH(), json::array({40, 60, 480, 320}));
}

TEST_F(MenuLaunchTest, WithoutAKeyWindowCloseIsDisabledAndDoesNothing) {
    bool enabled = true;
    bool open = false;
    Then([&] {
        Backend().SetKeyWindow(0);
        Backend().OpenMenu(Named("FileMenu"));
        enabled = Named("FileClose")->Enabled();
        Backend().ChooseMenuItem(Named("FileClose"));
        open = Window1()->IsOpen() && !Backend().QuitCalled();
        Backend().RequestQuit();
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_FALSE(enabled);
    EXPECT_TRUE(open);
}

TEST_F(MenuLaunchTest, WindowMenuItemsReachTheWindow) {
    int raisesBefore = 0;
    bool allEnabled = false;
    Then([&] {
        FocusList();
        Backend().OpenMenu(Named("WindowMenu"));
        allEnabled = Named("WindowMinimize")->Enabled() && Named("WindowZoom")->Enabled() &&
                     Named("WindowBringAlltoFront")->Enabled();
        raisesBefore = Backend().Window(WindowId()).Raises;
        Backend().ChooseMenuItem(Named("WindowMinimize"));
        Backend().ChooseMenuItem(Named("WindowZoom"));
        Backend().ChooseMenuItem(Named("WindowBringAlltoFront"));
        Backend().RequestQuit();
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_TRUE(allEnabled);
    const auto& record = Backend().Windows().begin()->second;
    EXPECT_EQ(record.Minimizations, 1);
    EXPECT_EQ(record.Zooms, 1);
    EXPECT_EQ(record.Raises, raisesBefore + 1);
}

TEST_F(MenuLaunchTest, FindUndoRedoAndSelectAllStayDisabledInTheWindow) {
    std::vector<bool> enabled;
    int selected = -1;
    Then([&] {
        auto list = Window1()->ListBox1();
        list->AddRow("a.otf");
        list->AddRow("b.otf");
        list->Selected(0, true);
        FocusList();
        Backend().OpenMenu(Named("EditMenu"));
        for (const char* name : {"EditUndo", "EditRedo", "EditSelectAll", "EditFind"}) {
            enabled.push_back(Named(name)->Enabled());
            Backend().ChooseMenuItem(Named(name));
        }
        selected = static_cast<int>(list->Selected(0)) + static_cast<int>(list->Selected(1));
        Backend().RequestQuit();
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(Backend().Dialogs().empty());
}

TEST_F(MenuLaunchTest, CloseActsOnTheAboutBoxWhileItIsInFrontThenOnTheWindow) {
    std::vector<bool> seen;  // Close enabled, About box open after it, window open
    Then([&] {
        FocusList();
        Backend().ChooseMenuItem(AppAbout());
        Backend().OpenMenu(Named("FileMenu"));
        seen.push_back(Named("FileClose")->Enabled());
        Backend().ChooseMenuItem(Named("FileClose"));
        seen.push_back(Backend().AboutBoxOpen());
        seen.push_back(Window1()->IsOpen());
        // The window has the keyboard again: the next Close is its own.
        Backend().ChooseMenuItem(Named("FileClose"));
    });
    EXPECT_EQ(Launch(), 0);
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(Backend().QuitCalled());
}

}  // namespace
}  // namespace apptest
