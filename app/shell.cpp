#include "app/shell.h"

#include "tray/tray.h"
#include "ui/main_window.h"
#include "ui/main_window_events.h"
#include "ui/picture_data.h"

#include <cstdio>
#include <string_view>

namespace app {

Application application;
// The tray icon's tip.
constexpr std::string_view tray_tooltip = "Tamsel\xBC\xC6\xCB\xE3\xC6\xF7"; // Tamsel计算器

namespace {

constexpr int start_failure_code = -1;
// clang-format off
constexpr std::string_view failure_title = "\xBC\xC6\xCB\xE3\xC6\xF7"; // 计算器
// 无法创建计算器窗口。 (The calculator window cannot be created.)
constexpr std::string_view failure_text = "\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8\xBC\xC6\xCB\xE3\xC6\xF7\xB4\xB0\xBF\xDA\xA1\xA3";
// clang-format on

} // namespace

bool prepare_thread() {
    application.window_system_started = platform::start_window_system();
    if (!application.window_system_started) return false;
    platform::enter_program_folder();
    return true;
}

void register_exit_routine(ExitRoutine routine) {
    application.exit_routine = routine;
}

bool create_and_show_main_window() {
    application.main_window = create_main_window();
    if (application.main_window == nullptr) return false;
    platform::show_window(application.main_window, platform::ShowCommand::Show);
    platform::set_foreground_window(application.main_window);
    return true;
}

int run_event_loop() {
    application.event_loop_entered = true;
    if (!platform::is_window(application.main_window)) return 0;
    return platform::run_message_loop();
}

int exit_program(int quit_code) {
    if (const ExitRoutine routine = application.exit_routine) {
        application.exit_routine = nullptr;
        routine();
    }
    if (application.window_system_started) platform::stop_window_system();
    application.window_system_started = false;
    return quit_code;
}

int report_start_failure() {
    if (!application.window_system_started) {
        std::fputs("calculator: no display to show the window on (is DISPLAY set and the X "
                   "server running?).\n",
                   stderr);
        return start_failure_code;
    }
    std::fputs("calculator: the main window cannot be created.\n", stderr);
    platform::show_error_message(failure_title, failure_text);
    platform::stop_window_system();
    application.window_system_started = false;
    return start_failure_code;
}

} // namespace app

void main_window_created() {
    focus_display();
    move_caret_to_end();
    add_tray_icon(ui::window_icon_file, app::tray_tooltip);
}

void request_main_window_destroy() {
    const platform::WindowHandle window = main_window_handle();
    if (window == nullptr) return;
    set_main_window_destroy_pending();
    platform::post_message(window, destroy_request_message, 0, 0);
}

void main_window_gone() {
    app::application.main_window = nullptr;
    // The program has no other window: with the main window gone the loop ends.
    if (app::application.event_loop_entered) platform::post_quit_message(0);
}
