#pragma once
// Starts the window system once for a test program (QT_QPA_PLATFORM=offscreen is set by ctest)
// and makes the host record what would leave the process: web addresses and error boxes.
#include "platform/testing.h"
#include "platform/window_system.h"

#include <gtest/gtest.h>

class WindowSystemEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(platform::start_window_system());
        platform::testing::record_web_addresses();
        platform::testing::record_error_messages();
    }
    void TearDown() override { platform::stop_window_system(); }
};
