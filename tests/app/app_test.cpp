// Start-up, the loop and shutdown through the program's own steps and its entry, on the
// offscreen host. Each test runs in a process of its own (ctest), like a program run.
#include "app/shell.h"
#include "platform/testing.h"
#include "platform/window_system.h"
#include "ui/main_window.h"
#include "ui/main_window_events.h"
#include "ui/main_window_layout.h"

#include <gtest/gtest.h>

int calculator_entry(); // app/main.cpp's main, built under this name for the tests

namespace {

namespace testing_hooks = platform::testing;

int exit_routine_runs = 0;
bool window_gone_at_exit_routine = false;

void counting_exit_routine() {
    ++exit_routine_runs;
    window_gone_at_exit_routine = main_window_handle() == nullptr;
}

class StartUpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        exit_routine_runs = 0;
        window_gone_at_exit_routine = false;
        app::application = {};
        ASSERT_TRUE(app::prepare_thread());
        testing_hooks::set_primary_screen_size({800, 600});
        testing_hooks::record_web_addresses();
        testing_hooks::record_error_messages();
    }
    void TearDown() override { platform::stop_window_system(); }

    // Start-up up to the loop, as the entry runs it.
    platform::WindowHandle start() {
        app::register_exit_routine(counting_exit_routine);
        EXPECT_TRUE(app::create_and_show_main_window());
        return app::application.main_window;
    }
    platform::Point centre_of(std::string_view name) const {
        const platform::Rect place = ui::layout_control(name).place;
        return platform::client_to_screen(
            app::application.main_window,
            {(place.left + place.right) / 2, (place.top + place.bottom) / 2});
    }
};

TEST_F(StartUpTest, ShownWithTheFocusOnTheDisplay) {
    const platform::WindowHandle window = start();
    ASSERT_NE(window, nullptr);
    testing_hooks::pump_events();
    EXPECT_TRUE(platform::is_window_visible(window));
    EXPECT_EQ(main_window_handle(), window);
    testing_hooks::type_text("42");
    testing_hooks::pump_events();
    EXPECT_EQ(platform::edit_text(platform::focus_window()), "42");
}

TEST_F(StartUpTest, TwoQuickDestroyRequestsDestroyOnceThroughTheLoop) {
    const platform::WindowHandle window = start();
    request_main_window_destroy();
    request_main_window_destroy();
    EXPECT_TRUE(platform::is_window(window)) << "the request is carried out by the loop";
    const int code = app::run_event_loop();
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(platform::is_window(window));
    EXPECT_EQ(app::application.main_window, nullptr);
    EXPECT_EQ(app::exit_program(code), 0);
    EXPECT_EQ(exit_routine_runs, 1);
    EXPECT_TRUE(window_gone_at_exit_routine);
    EXPECT_EQ(app::exit_program(code), 0);
    EXPECT_EQ(exit_routine_runs, 1) << "the exit routine runs at most once";
}

TEST_F(StartUpTest, CloseButtonEndsTheProgramWithZero) {
    const platform::WindowHandle window = start();
    testing_hooks::click_mouse(centre_of("关闭"));
    const int code = app::run_event_loop();
    EXPECT_FALSE(platform::is_window(window));
    EXPECT_EQ(app::exit_program(code), 0);
    EXPECT_EQ(exit_routine_runs, 1);
}

TEST_F(StartUpTest, CloseRequestFromTheDesktopDestroysAtOnce) {
    const platform::WindowHandle window = start();
    platform::post_message(window, platform::message::close, 0, 0);
    EXPECT_EQ(app::run_event_loop(), 0);
    EXPECT_FALSE(platform::is_window(window));
    EXPECT_EQ(app::exit_program(0), 0);
    EXPECT_EQ(exit_routine_runs, 1);
}

TEST_F(StartUpTest, WindowGoneBeforeTheLoopMeansNoLoopAndNoQuit) {
    const platform::WindowHandle window = start();
    testing_hooks::press_key(platform::key::escape);
    testing_hooks::pump_events();
    ASSERT_FALSE(platform::is_window(window));
    // The loop was not entered yet, so the window's end posted no quit; the loop must not run
    // (it would wait for ever).
    EXPECT_FALSE(testing_hooks::take_quit_code());
    EXPECT_EQ(app::run_event_loop(), 0);
    EXPECT_EQ(app::exit_program(0), 0);
    EXPECT_EQ(exit_routine_runs, 1);
}

TEST_F(StartUpTest, EveryControlFailingToAppearUndoesTheWindow) {
    // 1 window, then 23 controls: each failure point in turn.
    for (int after = 0; after <= static_cast<int>(ui::control_count); ++after) {
        testing_hooks::fail_window_creation(after);
        EXPECT_EQ(create_main_window(), nullptr) << after;
        EXPECT_EQ(main_window_handle(), nullptr) << after;
        testing_hooks::pump_events();
        EXPECT_EQ(platform::focus_window(), nullptr) << "no created event: " << after;
        EXPECT_FALSE(testing_hooks::take_quit_code()) << after;
    }
    // And then it can be made.
    const platform::WindowHandle window = create_main_window();
    EXPECT_NE(window, nullptr);
    platform::destroy_window(window);
}

TEST_F(StartUpTest, EntryReportsAFailedWindowAndExitsWithMinusOne) {
    app::application = {}; // the entry starts from a fresh record
    testing_hooks::fail_window_creation(0);
    EXPECT_EQ(calculator_entry(), -1);
    EXPECT_EQ(app::application.event_loop_entered, false);
    // The calculator's exit routine was registered but did not run: its slot is still full.
    EXPECT_NE(app::application.exit_routine, nullptr);
    ASSERT_TRUE(app::prepare_thread()); // the report stopped the window system; look at it
    const auto messages = testing_hooks::recorded_error_messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].second.empty());
}

} // namespace
