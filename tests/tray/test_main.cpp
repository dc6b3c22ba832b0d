// The window system is started once for the whole test program; web addresses and error boxes
// are recorded instead of leaving the process.
#include "platform/testing.h"
#include "platform/window_system.h"

#include <gtest/gtest.h>

namespace {

class WindowSystemEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(platform::start_window_system());
        platform::testing::record_web_addresses();
        platform::testing::record_error_messages();
    }
    void TearDown() override { platform::stop_window_system(); }
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new WindowSystemEnvironment);
    return RUN_ALL_TESTS();
}
