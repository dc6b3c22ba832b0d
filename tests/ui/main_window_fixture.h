#pragma once
// A created and shown main window, as start-up leaves it. The primary screen is the offscreen
// screen's own 800 x 600, so that every point of the window can be found and clicked.
#include "calc/calculator.h"
#include "platform/testing.h"
#include "platform/window_system.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"

#include <gtest/gtest.h>

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        calc::reset_calculator_state();
        platform::testing::set_primary_screen_size({800, 600});
        window = create_main_window();
        ASSERT_NE(window, nullptr);
        platform::show_window(window, platform::ShowCommand::Show);
        platform::set_foreground_window(window);
        platform::testing::pump_events();
    }
    void TearDown() override {
        if (platform::is_window(window)) platform::destroy_window(window);
        platform::testing::pump_events();
    }

    // The control's window, found through the window system at the control's centre.
    platform::WindowHandle control(std::string_view name) const {
        const platform::Rect place = ui::layout_control(name).place;
        return platform::window_from_point(
            screen({(place.left + place.right) / 2, (place.top + place.bottom) / 2}));
    }
    platform::WindowHandle display() const { return control(ui::display_name); }
    platform::Point screen(platform::Point client) const {
        return platform::client_to_screen(window, client);
    }
    void click_control(std::string_view name) {
        const platform::Rect place = ui::layout_control(name).place;
        platform::testing::click_mouse(
            screen({(place.left + place.right) / 2, (place.top + place.bottom) / 2}));
        platform::testing::pump_events();
    }
    void drag(platform::Point from_client, platform::Point by) {
        const platform::Point from = screen(from_client);
        const platform::Point to = {from.x + by.x, from.y + by.y};
        platform::testing::press_mouse(from);
        platform::testing::pump_events();
        platform::testing::move_mouse({from.x + by.x / 2, from.y + by.y / 2});
        platform::testing::move_mouse(to);
        platform::testing::release_mouse(to);
        platform::testing::pump_events();
    }

    platform::WindowHandle window = nullptr;
};
