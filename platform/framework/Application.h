#pragma once
// The application object. A program subclasses Application, overrides Event_Open and
// Event_Close, and registers its one object with RuntimeRegisterAppObject_.
//
// Order the framework guarantees: the application's Open completes before any window's
// Open; on every way out (Quit, the last window closing with AutoQuit, a Quit menu
// item) every open window's Close comes before the application's Close, and then the
// event loop ends and RuntimeExit() gives the requested code.

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "FolderItem.h"
#include "MenuBar.h"
#include "MenuHandlers.h"
#include "Object.h"

namespace fw {

class Window;

class Application : public Object {
public:
    std::string ClassName() const override { return "Application"; }

    // The version record, as the build gives it.
    void _x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                           std::int64_t nonRelease, std::int64_t stage, std::string longVersion,
                           std::string shortVersion, std::string packageInfo);
    std::int64_t MajorVersion() const { return majorVersion_; }
    std::int64_t MinorVersion() const { return minorVersion_; }
    std::int64_t BugVersion() const { return bugVersion_; }
    std::int64_t NonReleaseVersion() const { return nonReleaseVersion_; }
    std::int64_t StageCode() const { return stageCode_; }
    const std::string& LongVersion() const { return longVersion_; }
    const std::string& ShortVersion() const { return shortVersion_; }
    const std::string& PackageInfo() const { return packageInfo_; }

    // Application-wide switches, set during start-up before the application object
    // exists. Recorded: the backend always draws at the display's scale and follows the
    // system's appearance.
    static void SetSupportsHiDPI_(bool supports);
    static bool SupportsHiDPI();
    static void EnableDarkModeSupport_();
    static bool DarkModeSupport();
    // Does nothing; kept for the start-up sequence.
    void SanityCheckWDDM_() {}

    // The application's menu bar, shown by the backend when set.
    Ref<fw::MenuBar> MenuBar() const { return menuBar_; }
    void MenuBar(const Ref<fw::MenuBar>& bar);

    // Quit when the last window closes.
    bool AutoQuit{false};

    // The running program's executable file.
    Ref<FolderItem> ExecutableFile() const;

    // A handler for the menu item with this Name (StringEquals); it runs before the
    // item's own Action event, and True means the command was handled. A later handler
    // for the same name replaces the earlier one.
    void AddMenuHandler_(const std::string& itemName, std::function<bool()> handler) {
        menuHandlers_.Add(itemName, std::move(handler));
    }
    const MenuHandlers& MenuHandlers_() const { return menuHandlers_; }

    // Asks the application to quit with an exit code: closes every window (their Close
    // events), raises the application's Close, and ends the event loop. Returns to the
    // caller; a second request while quitting is ignored.
    void Quit(int exitCode = 0);

    // The open windows, frontmost (most recently opened) first.
    std::int64_t WindowCount() const;
    // Nil outside 0..WindowCount()-1.
    Ref<fw::Window> Window(std::int64_t index) const;

    // The events. Open: the application starts, before any window opens. Close: the
    // application is quitting, after every window has closed.
    virtual void Event_Open() {}
    virtual void Event_Close() {}

    // Framework internals: menu dispatch. Runs the named handler, then the item's
    // Action; quits for a Quit item that neither handled.
    void ChooseMenuItem_(const Ref<MenuItem>& item);

private:
    std::int64_t majorVersion_{0};
    std::int64_t minorVersion_{0};
    std::int64_t bugVersion_{0};
    std::int64_t nonReleaseVersion_{0};
    std::int64_t stageCode_{0};
    std::string longVersion_;
    std::string shortVersion_;
    std::string packageInfo_;
    Ref<fw::MenuBar> menuBar_;
    MenuHandlers menuHandlers_;
};

using DesktopApplication = Application;

}  // namespace fw
