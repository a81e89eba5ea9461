#include "UiTestSupport.h"

namespace uitest {

void UiTest::SetUp() {
    fw::RuntimeInit();
    fw::SetExitHook_([this](int status) { exitStatuses.push_back(status); });
}

void UiTest::TearDown() {
    fw::SetExitHook_(nullptr);
    fw::RuntimeInit();  // drops this test's windows and application
}

void UiTest::StartFramework() {
    fw::RunFrameworkInitialization_(nullptr);
}

fw::Ref<LoggingWindow> MakeWindow(std::vector<std::string>* log, const std::string& name) {
    auto window = fw::New<LoggingWindow>(log, name);
    window->Constructor();
    return window;
}

}  // namespace uitest
