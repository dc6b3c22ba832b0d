// Starts the host once for all tests, on an offscreen screen unless told otherwise.
#include "tests/platform_qt/host_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The host hides the desktop's name from Qt while it starts; programs started later must
    // still see it (ShellTest checks).
    setenv("XDG_CURRENT_DESKTOP", "HostTestDesktop", 1);
    unsetenv("QT_QPA_PLATFORMTHEME");
    testing::InitGoogleTest(&argc, argv);
    if (!platform::start_window_system()) return 1;
    const int result = RUN_ALL_TESTS();
    platform::stop_window_system();
    return result;
}
