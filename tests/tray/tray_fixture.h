#pragma once
// The main window as start-up leaves it (created, its tray icon added, shown and active) on a
// screen with a notification area, and the ways a user reaches the tray.
#include "calc/calculator.h"
#include "platform/testing.h"
#include "platform/window_system.h"
#include "tray/tray.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tray_test {

namespace hooks = platform::testing;
using platform::Point;
using platform::Rect;

// The offscreen screen's own size, so that every point of the window can be clicked.
inline constexpr platform::Size screen_size = {800, 600};
inline constexpr Point centre_place = {270, 162}; // 260 x 276 centred on it

// Menu captions, code page 936.
inline constexpr std::string_view website_caption = "Tamsel\xCD\xF8"; // Tamsel网
inline constexpr std::string_view show_caption = "\xCF\xD4\xCA\xBE";  // 显示
inline constexpr std::string_view hide_caption = "\xD2\xFE\xB2\xD8";  // 隐藏
inline constexpr std::string_view exit_caption = "\xCD\xCB\xB3\xF6";  // 退出

// Test names from the cases' own names.
template <typename Case>
std::string case_name(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// A menu item's command id: its place in the layout's menu list.
inline std::uint32_t menu_id(std::string_view caption) {
    const auto& menu = ui::main_window_layout.menu;
    for (std::uint32_t i = 0; i < menu.size(); ++i)
        if (menu[i].caption == caption) return i;
    ADD_FAILURE() << "no menu item " << caption;
    return 0;
}

class TrayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        calc::reset_calculator_state();
        hooks::set_primary_screen_size(screen_size);
        hooks::set_tray_available(true);
        window = create_main_window();
        ASSERT_NE(window, nullptr);
        platform::show_window(window, platform::ShowCommand::Show);
        platform::set_foreground_window(window);
        hooks::pump_events();
        hooks::take_quit_code();
    }
    void TearDown() override {
        if (platform::is_window(window)) platform::destroy_window(window);
        hooks::pump_events();
        hooks::take_quit_code();
        hooks::set_tray_available(std::nullopt);
    }

    bool icon_present() const { return hooks::tray_icon_present(window, tray_icon_id); }
    void click_icon(hooks::TrayClick click) {
        hooks::click_tray_icon(window, tray_icon_id, click);
        hooks::pump_events();
    }
    // A raw notification from the notification area, as the mouse message it carries.
    void notify(platform::LParam mouse_message) {
        platform::post_message(window, tray_callback_message, tray_icon_id, mouse_message);
        hooks::pump_events();
    }
    // Opens the tray menu with a right click on the icon and chooses the item (none: closes
    // it without a choice).
    void choose_from_menu(std::optional<std::string_view> caption) {
        hooks::answer_next_popup_menu(caption ? std::optional(menu_id(*caption)) : std::nullopt);
        click_icon(hooks::TrayClick::Right);
    }
    void move_elsewhere() {
        platform::move_window(window, {100, 50, 360, 326}); // as a drag leaves it
        hooks::pump_events();
        ASSERT_EQ(place(), (Point{100, 50}));
    }
    platform::WindowHandle display() const {
        const Rect place = ui::layout_control(ui::display_name).place;
        return platform::window_from_point(
            platform::client_to_screen(window, {(place.left + place.right) / 2, place.top + 10}));
    }
    void click_control(std::string_view name) {
        const Rect place = ui::layout_control(name).place;
        hooks::click_mouse(platform::client_to_screen(
            window, {(place.left + place.right) / 2, (place.top + place.bottom) / 2}));
        hooks::pump_events();
    }
    Point place() const {
        const Rect rect = platform::window_rect(window);
        return {rect.left, rect.top};
    }
    // Shown, not minimised, active, in the centre, with the display focused.
    void expect_shown_centred_active() const {
        EXPECT_TRUE(platform::is_window_visible(window));
        EXPECT_FALSE(platform::is_window_minimised(window));
        EXPECT_EQ(place(), centre_place);
        EXPECT_EQ(platform::active_window(), window);
        EXPECT_EQ(platform::focus_window(), display()) << "the display has the focus again";
    }

    platform::WindowHandle window = nullptr;
};

} // namespace tray_test
