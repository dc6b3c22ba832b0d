#pragma once
// The tray icon of the main window, its menu, hiding and showing the window, and the website.
#include "platform/window_system.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The main window's private message for tray notifications; its lparam is a mouse message.
inline constexpr platform::MessageId tray_callback_message = platform::message::app + 100;
inline constexpr std::uint32_t tray_icon_id = 100;

// Tray event types, as the main window's tray event carries them.
namespace tray_event {
inline constexpr std::int32_t left_click = 1;
inline constexpr std::int32_t double_click = 2;
inline constexpr std::int32_t menu = 3;
} // namespace tray_event

// Tray event type for a mouse message of the tray callback, or none.
std::optional<std::int32_t> tray_event_type(platform::LParam mouse_message);

void add_tray_icon(std::span<const std::uint8_t> icon_file, std::string_view tooltip);
void remove_tray_icon();
void show_tray_menu();
bool main_window_visible();
void show_main_window();
// hide_main_window, open_website and main_window_tray_event: ui/main_window_events.h

// The main window procedure hands every message here first; true means it was the tray's
// (the tray callback, a tray-menu command, a notification area that appeared) and is done.
bool main_window_tray_message(platform::MessageId message, platform::WParam wparam,
                              platform::LParam lparam);
