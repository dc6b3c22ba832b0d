#pragma once
// Shared between the tray's own files.
#include <cstdint>

// Runs the handler of the tray-menu item with this command id; false if it is none of them.
bool run_tray_menu_command(std::uint32_t id);
// Adds the current icon again, for a notification area that has just appeared.
void restore_tray_icon();
// Whether the tray icon is in the notification area, so hiding the window leaves a way back.
bool tray_icon_reachable();
