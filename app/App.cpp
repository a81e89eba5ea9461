#include "app/App.h"

#include "app/AFDKO.h"
#include "cocoa/Cocoa.h"
#include "framework/Runtime.h"
#include "framework/Strings.h"
#include "menus/LocalizedMenu.h"
#include "menus/WindowEx.h"
#include "prefs/Preferences.h"
#include "text/DecodeUnicode.h"

fw::Ref<class App> App() {
    return fw::Cast<class App>(fw::GetAppObject_());
}

fw::Ref<fw::ApplicationMenuItem> AppAbout() {
    fw::Ref<class App> app = App();
    fw::Ref<fw::MenuBar> bar = app->MenuBar();
    return fw::Cast<fw::ApplicationMenuItem>(bar->Lookup_("AppAbout"));
}

void App::Event_Open() {
    AFDKO::GetSpot();
    WindowEx::DisableAutoTabbing();
    ::App()->AutoQuit = true;
    localizeAboutMenu();
    Preferences::Raed();
}

void App::Event_Close() {
    Preferences::Save();
}

bool App::AppAbout_Action_() {
    using namespace cocoa;
    id app = SendId(NSClassFromString("NSApplication"), NSSelectorFromString("sharedApplication"));
    objc_msgSend(app, NSSelectorFromString("orderFrontStandardAboutPanel:"), {nil});
    return true;
}

std::string App::DecodeUnicode(const std::string& text) {
    return ::DecodeUnicode(text);
}

void App::localizeAboutMenu() {
    const std::string name = ::App()->ExecutableFile()->Name();
    const std::string lang = LocalizedMenu::kLang("");
    if (fw::StringEquals(lang, "ja")) {
        AppAbout()->SetText(name + " について");
    } else {
        AppAbout()->SetText("About " + name);
    }
}
