// An exception that escapes an event handler on the desktop backend ends the program
// with status 1, after its alert, and without crashing on the way out.
#include <gtest/gtest.h>

#include "framework/Shell.h"

namespace {

TEST(QtUnhandledException, EndsTheProgramWithStatusOne) {
    auto shell = fw::New<fw::Shell>();
    shell->Execute(std::string("'") + TESSARY_UNHANDLED_PROBE + "'");
    EXPECT_EQ(shell->ErrorCode(), 1);
}

}  // namespace
