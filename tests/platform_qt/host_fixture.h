#pragma once
// A small recording window class for the host's tests: every message a window gets is logged,
// and a test may answer messages with a hook.
#include "platform/testing.h"
#include "platform/window_system.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace host_test {

struct Logged {
    platform::WindowHandle window;
    platform::MessageId message;
    platform::WParam wparam;
    platform::LParam lparam;
};

// The log and hook are shared by the recording classes; each test starts them afresh.
inline std::vector<Logged>& log() {
    static std::vector<Logged> entries;
    return entries;
}
using Hook = std::function<std::optional<platform::LResult>(
    platform::WindowHandle, platform::MessageId, platform::WParam, platform::LParam)>;
inline Hook& hook() {
    static Hook answer;
    return answer;
}

inline platform::LResult recording_procedure(platform::WindowHandle window,
                                             platform::MessageId message, platform::WParam wparam,
                                             platform::LParam lparam) {
    log().push_back({window, message, wparam, lparam});
    if (hook())
        if (auto answer = hook()(window, message, wparam, lparam)) return *answer;
    return platform::default_window_procedure(window, message, wparam, lparam);
}

// A rectangle from its corner and size.
inline platform::Rect box(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

inline constexpr const char* plain_class = "HostTestPlain";
inline constexpr const char* double_click_class = "HostTestDoubleClicks";
inline constexpr const char* grey_class = "HostTestGrey";

class HostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::register_window_class(
            {plain_class, &recording_procedure, platform::CursorShape::Arrow, false, {}, false});
        platform::register_window_class({double_click_class,
                                         &recording_procedure,
                                         platform::CursorShape::Arrow,
                                         true,
                                         {},
                                         false});
        platform::register_window_class({grey_class, &recording_procedure,
                                         platform::CursorShape::Arrow, false,
                                         platform::Rgb{227, 227, 227}, false});
        log().clear();
        hook() = nullptr;
    }
    void TearDown() override {
        hook() = nullptr;
        for (platform::WindowHandle window : windows_)
            platform::destroy_window(window);
        platform::testing::pump_events();
        platform::testing::take_quit_code();
        log().clear();
    }

    platform::WindowHandle top_level(const char* class_name = grey_class,
                                     platform::Rect place = {100, 100, 360, 376}) {
        platform::WindowHandle window = platform::create_window(
            {class_name, "test", platform::style::visible, place, nullptr, nullptr});
        windows_.push_back(window);
        return window;
    }
    static platform::WindowHandle child(platform::WindowHandle parent, const char* class_name,
                                        platform::Rect place, std::uint32_t extra_style = 0) {
        return platform::create_window(
            {class_name, "", platform::style::child | platform::style::visible | extra_style, place,
             parent, nullptr});
    }
    // Shows the window, makes it active and delivers what that brings.
    static void activate(platform::WindowHandle window) {
        platform::show_window(window, platform::ShowCommand::Show);
        platform::set_foreground_window(window);
        platform::testing::pump_events();
    }
    static std::vector<platform::MessageId> messages_of(platform::WindowHandle window,
                                                        std::vector<platform::MessageId> wanted) {
        std::vector<platform::MessageId> result;
        for (const Logged& entry : log())
            if (entry.window == window &&
                std::find(wanted.begin(), wanted.end(), entry.message) != wanted.end())
                result.push_back(entry.message);
        return result;
    }

    std::vector<platform::WindowHandle> windows_;
};

} // namespace host_test
