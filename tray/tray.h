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

// Tray event type for a mouse message of the tray callback (1 left click, 2 double click,
// 3 menu), or none.
std::optional<std::int32_t> tray_event_type(platform::LParam mouse_message);

void add_tray_icon(std::span<const std::uint8_t> icon_file, std::string_view tooltip);
void remove_tray_icon();
void show_tray_menu();
bool main_window_visible();
void show_main_window();
// hide_main_window, open_website and main_window_tray_event: ui/main_window_events.h
