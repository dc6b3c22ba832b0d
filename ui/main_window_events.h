#pragma once
// The handlers that the main window's layout binds to its events. Each is defined by the area
// that owns the action: start-up and shutdown in app/, hiding, showing, the tray and the
// website in tray/, the keys in calc/.
#include <cstdint>

// app/
void main_window_created();
void request_main_window_destroy();
void main_window_gone(); // the main window has been destroyed (its last message)

// tray/
void hide_main_window();
void show_main_window_centred(); // show_main_window, then centre_main_window
void open_website();
void main_window_tray_event(std::int32_t type);
void title_label_pressed(std::int32_t x, std::int32_t y, std::int32_t modifiers);
