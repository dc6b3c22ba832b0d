#include "tests/ui/window_system_environment.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new WindowSystemEnvironment);
    return RUN_ALL_TESTS();
}
