// The tray callback of the main window: mouse messages become tray events, and tray events
// become actions.
#include "platform/window_system.h"
#include "tray/tray.h"
#include "tray/tray_internal.h"
#include "ui/main_window_events.h"
#include "ui/main_window_layout.h"

std::optional<std::int32_t> tray_event_type(platform::LParam mouse_message) {
    switch (mouse_message) {
    case platform::message::left_button_up:
        return tray_event::left_click;
    case platform::message::left_button_double_click:
        return tray_event::double_click;
    case platform::message::right_button_up:
    case platform::message::context_menu:
        return tray_event::menu;
    default: // presses, moves and the middle button are not events
        return std::nullopt;
    }
}

void main_window_tray_event(std::int32_t type) {
    switch (type) {
    case tray_event::menu:
        show_tray_menu();
        break;
    case tray_event::left_click:
        if (main_window_visible()) {
            hide_main_window();
        } else {
            show_main_window_centred();
        }
        break;
    default: // a double click arrives between two left clicks, which already toggle twice
        break;
    }
}

bool main_window_tray_message(platform::MessageId message, platform::WParam wparam,
                              platform::LParam lparam) {
    switch (message) {
    case tray_callback_message:
        // The layout binds the window's tray event to its handler.
        if (const auto type = tray_event_type(lparam);
            type && ui::main_window_layout.window.tray_event != nullptr)
            ui::main_window_layout.window.tray_event(*type);
        return true;
    case platform::message::command:
        return run_tray_menu_command(static_cast<std::uint32_t>(wparam));
    case platform::message::tray_created:
        // A notification area (re)appeared, e.g. after the desktop restarted: without the
        // icon a hidden window could never come back.
        restore_tray_icon();
        return true;
    default:
        return false;
    }
}
