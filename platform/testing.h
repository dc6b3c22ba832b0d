#pragma once
// Test-only hooks of the window-system host (library platform_qt_testing). Tests drive the real
// program code through them: input goes through the toolkit's own input path, popups are
// answered without a modal loop, and nothing is opened on the desktop.
#include "platform/window_system.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::testing {

// The primary screen size the host reports (an offscreen screen is 800 x 600).
void set_primary_screen_size(Size size);
// Delivers every pending event and posted message, without waiting for new ones. Windows
// destroyed meanwhile are deleted too.
void pump_events();
// The code of a quit message taken since the last call (by pump_events or the loop), if any.
std::optional<int> take_quit_code();

enum class MouseButton { Left, Right, Middle };
// Mouse input at screen points, as the pointer device would give it. The pointer moves to the
// point first. `modifiers` holds modifier:: bits.
void move_mouse(Point screen, int modifiers = 0);
void press_mouse(Point screen, MouseButton button = MouseButton::Left, int modifiers = 0);
void release_mouse(Point screen, MouseButton button = MouseButton::Left, int modifiers = 0);
void click_mouse(Point screen, MouseButton button = MouseButton::Left, int modifiers = 0);
// Press, release, press (the second press of a double click), release.
void double_click_mouse(Point screen, MouseButton button = MouseButton::Left);

// A key press and release at the focused window (key:: codes or '0'..'9', 'A'..'Z'), with the
// modifier:: bits held.
void press_key(WParam key_code, int modifiers = 0);
// Types each character of the code page 936 text as a key press that produces it.
void type_text(std::string_view text);
// Puts the code page 936 text on the clipboard and pastes it into the focused edit control with
// Ctrl+V, as a user would (no character filter applies).
void paste_text(std::string_view text);

// The notification-area icon of (owner, id): present, its tip, and a click on it.
enum class TrayClick { Left, Double, Right };
bool tray_icon_present(WindowHandle owner, std::uint32_t id);
std::string tray_icon_tip(WindowHandle owner, std::uint32_t id); // code page 936
bool tray_icon_has_icon(WindowHandle owner, std::uint32_t id);
void click_tray_icon(WindowHandle owner, std::uint32_t id, TrayClick click);
// What tray_available reports (none: the desktop's real answer).
void set_tray_available(std::optional<bool> available);
// The notification area came back: message::tray_created is posted to every top-level window.
void announce_tray_created();

// The next track_popup_menu returns at once, as if the user chose item `id` (none: closed
// without choice).
void answer_next_popup_menu(std::optional<std::uint32_t> id);
struct PopupMenuRecord {
    struct Item {
        std::uint32_t id = 0;
        std::string caption; // code page 936
        bool separator = false;
        bool disabled = false;
        bool checked = false;
    };
    std::vector<Item> items;
    std::uint32_t flags = 0;
    Point at;       // the point given
    Point top_left; // where the menu's top-left corner went
    bool shown = false;
};
PopupMenuRecord last_popup_menu();

// open_web_address records instead of opening; recorded_web_addresses returns them in order.
void record_web_addresses();
std::vector<std::string> recorded_web_addresses();
// show_error_message records (title, text) instead of showing a modal box.
void record_error_messages();
std::vector<std::pair<std::string, std::string>> recorded_error_messages();

// The window's current pixels as the screen shows them (children included).
RgbImage window_pixels(WindowHandle window);
// The window's shape as set (empty: the plain rectangle).
std::vector<Rect> window_shape_rects(WindowHandle window);
// How many paint messages the window has been sent.
std::uint64_t paint_count(WindowHandle window);
// The pointer shape shown over a screen point (over no window of ours: the arrow).
CursorShape cursor_shape_at(Point screen);
// The next `after` calls of create_window succeed and the one after them fails (once).
void fail_window_creation(int after);

// Whether the top-level window asks the desktop for a frame and title bar.
bool window_has_frame(WindowHandle window);
std::string window_title(WindowHandle window); // code page 936
bool window_has_icon(WindowHandle window);

} // namespace platform::testing
