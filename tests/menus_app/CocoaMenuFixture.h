#pragma once
// The program's application object on the headless backend, without its start-up, and
// stand-in responders that log what the menu items ask of them.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "cocoa/Cocoa.h"
#include "framework/MenuBar.h"
#include "headless/HeadlessBackend.h"

namespace menutest {

// The application class without its Open and Close work (the tool, the preferences).
class TestApp : public App {
public:
    void Event_Open() override {}
    void Event_Close() override {}
};

// What the stand-ins were asked, and what they answer.
struct StandInLog {
    struct Call {
        std::string selector;
        cocoa::id argument;
        cocoa::id receiver;
    };
    std::vector<Call> actions;
    std::vector<Call> validations;
    bool menuAnswer{true};
    bool itemAnswer{true};
    bool canRedo{false};
    cocoa::id undoManager{nullptr};

    int Count(const std::string& selector) const;
};

StandInLog& Log();

// Stand-in classes (all answer undo:, redo:, selectAll:, performFindPanelAction: and
// performClose:):
//   "StandInReceiver"            no validator;
//   "StandInMenuValidator"       validateMenuItem: only;
//   "StandInItemValidator"       validateUserInterfaceItem: only;
//   "StandInBothValidators"      both;
//   "StandInUndoOwner"           both, and undoManager (Log().undoManager);
//   "StandInUndoManager"         canRedo (Log().canRedo).
std::shared_ptr<cocoa::Object> NewStandIn(const std::string& className);

class CocoaMenuTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static cocoa::SEL S(const char* name) { return cocoa::sel_registerName(name); }
    // The native item as the mirror keeps it.
    static cocoa::NSMenuItemObject& Native(cocoa::id item) {
        return static_cast<cocoa::NSMenuItemObject&>(*item);
    }
    // Puts a stand-in of that class last in the responder chain.
    cocoa::id UseDelegate(const std::string& className);

    cocoa::AutoreleasePool pool;
    fw::headless::HeadlessBackend* backend{nullptr};
    fw::Ref<TestApp> app;
    std::vector<std::shared_ptr<cocoa::Object>> standIns;
};

}  // namespace menutest
