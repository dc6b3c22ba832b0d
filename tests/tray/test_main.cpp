// The window system is started once for the whole test program; web addresses and error boxes
// are recorded instead of leaving the process.
#include "tests/ui/window_system_environment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new WindowSystemEnvironment);
    return RUN_ALL_TESTS();
}
