#include "CocoaMenuFixture.h"

#include <algorithm>
#include <mutex>

#include "framework/Runtime.h"

namespace menutest {

using namespace cocoa;

int StandInLog::Count(const std::string& selector) const {
    auto matches = [&](const Call& c) { return c.selector == selector; };
    return static_cast<int>(std::count_if(actions.begin(), actions.end(), matches) +
                            std::count_if(validations.begin(), validations.end(), matches));
}

StandInLog& Log() {
    static StandInLog log;
    return log;
}

namespace {

Method Logging(const std::string& selector) {
    return [selector](id self, Arguments args) -> Value {
        Log().actions.push_back({selector, args.empty() ? nullptr : args[0].AsId(), self});
        return {};
    };
}

Method Validating(const std::string& selector, bool StandInLog::*answer) {
    return [selector, answer](id self, Arguments args) -> Value {
        Log().validations.push_back({selector, args[0].AsId(), self});
        return Log().*answer;
    };
}

void DefineStandIns() {
    static_cast<void>(NSClassFromString("NSObject"));
    Class& receiver = DefineClass("StandInReceiver", "NSObject");
    for (const char* action :
         {"undo:", "redo:", "selectAll:", "performFindPanelAction:", "performClose:"}) {
        receiver.AddMethod(action, Logging(action));
    }
    DefineClass("StandInMenuValidator", "StandInReceiver")
        .AddMethod("validateMenuItem:", Validating("validateMenuItem:", &StandInLog::menuAnswer));
    DefineClass("StandInItemValidator", "StandInReceiver")
        .AddMethod("validateUserInterfaceItem:",
                   Validating("validateUserInterfaceItem:", &StandInLog::itemAnswer));
    Class& both = DefineClass("StandInBothValidators", "StandInMenuValidator");
    both.AddMethod("validateUserInterfaceItem:",
                   Validating("validateUserInterfaceItem:", &StandInLog::itemAnswer));
    DefineClass("StandInUndoOwner", "StandInBothValidators")
        .AddMethod("undoManager", [](id, Arguments) -> Value { return Log().undoManager; });
    DefineClass("StandInUndoManager", "NSObject").AddMethod("canRedo", [](id, Arguments) -> Value {
        return Log().canRedo;
    });
}

}  // namespace

std::shared_ptr<Object> NewStandIn(const std::string& className) {
    static std::once_flag once;
    std::call_once(once, DefineStandIns);
    return NewInstance(className);
}

void CocoaMenuTest::SetUp() {
    Log() = StandInLog{};
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
    fw::RunFrameworkInitialization_([] {});
    backend = &fw::headless::Instance();
    app = fw::New<TestApp>();
    fw::RuntimeRegisterAppObject_(app);
}

void CocoaMenuTest::TearDown() {
    SetApplicationDelegate(nullptr);
}

id CocoaMenuTest::UseDelegate(const std::string& className) {
    standIns.push_back(NewStandIn(className));
    SetApplicationDelegate(standIns.back().get());
    return standIns.back().get();
}

}  // namespace menutest
