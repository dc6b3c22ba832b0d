#pragma once
// The window system the program is written against.
//
// It is message based: windows belong to classes with a window procedure, are addressed by
// handle, and receive numbered messages that are either sent (the procedure runs at once) or
// posted (the run loop delivers them later, in the order they were posted). Message numbers
// and parameters follow the classic desktop conventions, so the program's tables read with
// their usual numbers (tray callback 32868, deferred destroy 32869, mouse messages 514, 515,
// 517, 123).
//
// Texts crossing this interface are 8-bit code page 936 (GBK) byte strings; a host converts
// at its edge. Every call is made on the one user-interface thread. Nothing here throws: a
// failure is a null handle or a false result.
//
// One host implements this per toolkit (platform/qt/ now). Nothing outside platform/ knows
// which host runs it.
#include "platform/rgb_image.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// ---------------------------------------------------------------------------------------------
// Handles. Opaque; null means "none". A host defines the structs.
struct Window;
struct Bitmap;
struct Font;
struct Icon;
struct Menu;
using WindowHandle = Window*;
using BitmapHandle = Bitmap*;
using FontHandle = Font*;
using IconHandle = Icon*;
using MenuHandle = Menu*;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};
struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;  // exclusive
    std::int32_t bottom = 0; // exclusive
    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// ---------------------------------------------------------------------------------------------
// Messages.
using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

namespace message {
inline constexpr MessageId null = 0x0000;
inline constexpr MessageId create = 0x0001;     // sent by create_window before it returns
inline constexpr MessageId destroy = 0x0002;    // sent while a window is being destroyed
inline constexpr MessageId activate = 0x0006;   // wparam 1 active, 0 inactive
inline constexpr MessageId set_focus = 0x0007;  // the window got the keyboard focus
inline constexpr MessageId kill_focus = 0x0008; // the window lost the keyboard focus
inline constexpr MessageId enable = 0x000A; // sent by enable_window on a change; wparam 1 enabled
inline constexpr MessageId paint = 0x000F;  // use begin_paint / end_paint inside
inline constexpr MessageId close = 0x0010;  // close request (Esc, Alt+F4, the desktop)
inline constexpr MessageId query_end_session = 0x0011; // return 1 to agree to end
inline constexpr MessageId quit = 0x0012;              // ends run_message_loop; wparam = code
inline constexpr MessageId nc_destroy = 0x0082;        // sent last, when the window is gone
inline constexpr MessageId key_down = 0x0100;          // wparam = key code (see key::), lparam 0
inline constexpr MessageId char_typed = 0x0102;        // wparam = Unicode code point
inline constexpr MessageId command = 0x0111;           // wparam = menu item id
inline constexpr MessageId context_menu = 0x007B;      // 123
inline constexpr MessageId mouse_move = 0x0200;        // lparam = packed client point
inline constexpr MessageId left_button_down = 0x0201;
inline constexpr MessageId left_button_up = 0x0202;           // 514
inline constexpr MessageId left_button_double_click = 0x0203; // 515
inline constexpr MessageId right_button_down = 0x0204;
inline constexpr MessageId right_button_up = 0x0205; // 517
inline constexpr MessageId right_button_double_click = 0x0206;
inline constexpr MessageId middle_button_down = 0x0207;
inline constexpr MessageId middle_button_up = 0x0208;
inline constexpr MessageId middle_button_double_click = 0x0209;
inline constexpr MessageId mouse_wheel = 0x020A;
inline constexpr MessageId capture_changed = 0x0215; // lparam = window gaining the capture
inline constexpr MessageId app = 0x8000;             // first number free for the program

// Messages of this interface that have no classic number.
// Sent to a top-level window before the focused control sees a key-down (wparam = key code,
// lparam = modifier bits). Return 1 to consume the key.
inline constexpr MessageId key_preview = 0x7F00;
// Posted to every top-level window when a desktop notification area (re)appears, by a host
// whose toolkit does not show its icons there again by itself. (Qt does, over both the D-Bus
// and the X11 tray protocols, so the Qt host never posts it.)
inline constexpr MessageId tray_created = 0x7F01;
} // namespace message

// Mouse message parameters: lparam packs the client x (low 16 bits) and y (high 16 bits),
// each signed; wparam holds the button and key state bits below.
inline constexpr LParam pack_point(Point p) {
    return static_cast<LParam>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.y)) << 16) |
                               static_cast<std::uint16_t>(p.x));
}
inline constexpr Point unpack_point(LParam lparam) {
    return {static_cast<std::int16_t>(static_cast<std::uint16_t>(lparam & 0xFFFF)),
            static_cast<std::int16_t>(static_cast<std::uint16_t>((lparam >> 16) & 0xFFFF))};
}
namespace mouse_state {
inline constexpr WParam left_button = 0x0001;
inline constexpr WParam right_button = 0x0002;
inline constexpr WParam shift = 0x0004;
inline constexpr WParam control = 0x0008;
inline constexpr WParam middle_button = 0x0010;
} // namespace mouse_state

namespace key {
inline constexpr WParam backspace = 0x08;
inline constexpr WParam tab = 0x09;
inline constexpr WParam enter = 0x0D;
inline constexpr WParam escape = 0x1B;
inline constexpr WParam f1 = 0x70;
inline constexpr WParam f4 = 0x73;
// Other keys arrive with the host's best classic code, or 0.
} // namespace key

// Modifier bits, as the program's events count them.
namespace modifier {
inline constexpr int control = 1;
inline constexpr int shift = 2;
inline constexpr int alt = 4;
} // namespace modifier

using WindowProcedure = LResult (*)(WindowHandle window, MessageId message, WParam wparam,
                                    LParam lparam);

// What a window does with a message it does not handle itself.
LResult default_window_procedure(WindowHandle window, MessageId message, WParam wparam,
                                 LParam lparam);

// ---------------------------------------------------------------------------------------------
// The host as a whole.

// Prepares the window system for this process. Program arguments are never given to it.
bool start_window_system();
// Releases what start_window_system prepared.
void stop_window_system();
// Sets the process's current directory to the folder that holds the program file.
void enter_program_folder();
// Shows a modal error message (used when the program cannot start).
void show_error_message(std::string_view title, std::string_view text);

// ---------------------------------------------------------------------------------------------
// Window classes and windows.

enum class CursorShape { Arrow, IBeam, PointingHand };

struct WindowClass {
    std::string_view name;
    WindowProcedure procedure = nullptr;
    CursorShape cursor = CursorShape::Arrow;
    bool double_clicks = false;    // deliver left_button_double_click as such
    std::optional<Rgb> background; // erased with this colour; none: not erased
    // Without a background: true when the window draws only parts of itself (a label), so what
    // lies beneath it is painted first; false when every paint covers the whole window.
    bool transparent = false;
};
// Registers a class for this process. Registering the same name again returns true.
bool register_window_class(const WindowClass& window_class);

// Name of the host's native one-line edit control class.
inline constexpr std::string_view edit_class_name = "EDIT";

namespace style {
inline constexpr std::uint32_t child = 0x40000000;
inline constexpr std::uint32_t visible = 0x10000000;
inline constexpr std::uint32_t clip_children = 0x02000000;
inline constexpr std::uint32_t clip_siblings = 0x04000000;
inline constexpr std::uint32_t tab_stop = 0x00010000;
// Edit control styles.
inline constexpr std::uint32_t edit_right = 0x0002;
inline constexpr std::uint32_t edit_auto_horizontal_scroll = 0x0080;
// A top-level window without child gets no frame, no title bar and no system menu; a host
// removes any caption its window manager would add.
} // namespace style

struct WindowCreation {
    std::string_view class_name;
    std::string_view title; // code page 936
    std::uint32_t style = 0;
    Rect place; // screen for top-level windows, parent's client for children
    WindowHandle parent = nullptr;
    void* data = nullptr; // the window's data (window_data) from before message::create
};
// Creates a window (hidden unless style::visible). Sends message::create before it returns.
// Returns null on failure.
WindowHandle create_window(const WindowCreation& creation);
// Destroys the window and its children: message::destroy to the window then its children,
// then message::nc_destroy to each. Handles of destroyed windows become invalid; calls on
// them are ignored (is_window tells).
bool destroy_window(WindowHandle window);
bool is_window(WindowHandle window);
WindowHandle parent_window(WindowHandle window);
// One pointer of the program's own per window, e.g. the control object behind it.
void set_window_data(WindowHandle window, void* data);
void* window_data(WindowHandle window);

enum class ShowCommand { Hide, Show, ShowNoActivate, Restore, Minimise };
void show_window(WindowHandle window, ShowCommand command);
bool is_window_visible(WindowHandle window); // the window's own visible state
bool is_window_minimised(WindowHandle window);
bool is_window_maximised(WindowHandle window);

// Moves and sizes. Top-level windows: outer rectangle in screen coordinates (with no frame it
// equals the client area). Children: rectangle in the parent's client coordinates.
void move_window(WindowHandle window, Rect place);
Rect window_rect(WindowHandle window);
Size client_size(WindowHandle window);
Point client_to_screen(WindowHandle window, Point client);
Point screen_to_client(WindowHandle window, Point screen);

// Stacking of children: places the window directly below `above` (null: on top).
void place_below(WindowHandle window, WindowHandle above);
void set_window_title(WindowHandle window, std::string_view title);
void set_window_icon(WindowHandle window, IconHandle icon); // large and small icon
void set_window_cursor(WindowHandle window, CursorShape cursor);
void enable_window(WindowHandle window, bool enabled);
bool is_window_enabled(WindowHandle window);

Size primary_screen_size();
// Height of the classic three-dimensional edge, in pixels.
std::int32_t edge_height();

void set_foreground_window(WindowHandle window);
WindowHandle active_window();
// Starts moving the top-level window with the pointer, as a press on a title bar does. Returns
// when the move is under way or refused; the move ends when the left button is released.
void begin_window_move(WindowHandle window);

// ---------------------------------------------------------------------------------------------
// Messages and the run loop.
bool post_message(WindowHandle window, MessageId message, WParam wparam, LParam lparam);
LResult send_message(WindowHandle window, MessageId message, WParam wparam, LParam lparam);
// Posts message::quit to this thread's loop.
void post_quit_message(int code);
// Delivers posted messages and the host's input until message::quit arrives; returns its code.
int run_message_loop();

// ---------------------------------------------------------------------------------------------
// Mouse and keyboard.
WindowHandle set_capture(WindowHandle window); // returns the window that held it
void release_capture();
WindowHandle capture_window();
// The topmost visible window of this program at a screen point, child windows included; null
// when no window of the program is there.
WindowHandle window_from_point(Point screen);
Point cursor_position(); // screen coordinates
bool is_left_button_down();
int modifier_keys(); // modifier:: bits held now

WindowHandle set_focus(WindowHandle window); // returns the window that had it
WindowHandle focus_window();

// ---------------------------------------------------------------------------------------------
// Drawing.

// The surface a paint or an off-screen bitmap draws on.
struct Canvas;

// Inside message::paint only: the window's surface, clipped to what needs painting.
Canvas* begin_paint(WindowHandle window);
void end_paint(WindowHandle window, Canvas* canvas);
// Marks the whole window for painting later; repaint_now paints at once, before returning.
void invalidate_window(WindowHandle window);
void repaint_now(WindowHandle window);

BitmapHandle create_bitmap(Size size); // off-screen, compatible with the screen, black
BitmapHandle create_bitmap_from_image(const RgbImage& image);
Size bitmap_size(BitmapHandle bitmap);
RgbImage bitmap_pixels(BitmapHandle bitmap); // for tests and shapes
void destroy_bitmap(BitmapHandle bitmap);
Canvas* begin_bitmap_drawing(BitmapHandle bitmap);
void end_bitmap_drawing(BitmapHandle bitmap, Canvas* canvas);

void fill_rect(Canvas* canvas, Rect rect, Rgb colour);
void draw_bitmap(Canvas* canvas, BitmapHandle bitmap, Point at); // copy, no scaling
struct FontSpec {
    std::int32_t character_height = 0; // pixels, without internal leading
    std::int32_t weight = 400;
    std::string_view face; // empty: the system's default face
};
FontHandle create_font(const FontSpec& wanted);
FontHandle default_ui_font();
void destroy_font(FontHandle font);
Size measure_text(FontHandle font, std::string_view text);
enum class TextAlign { Left, Right };
// Draws one line of text with a transparent background, vertically centred in the rect.
void draw_text(Canvas* canvas, std::string_view text, FontHandle font, Rgb colour, Rect rect,
               TextAlign align);

// A window's shape: the union of the rectangles (client coordinates); outside it the window
// is neither drawn nor hit by the mouse. clear_window_shape restores the plain rectangle.
void set_window_shape_rects(WindowHandle window, const Rect* rects, std::size_t count);
void clear_window_shape(WindowHandle window);

// ---------------------------------------------------------------------------------------------
// The native one-line edit control (class edit_class_name). Positions are byte offsets in the
// code page 936 text.
std::string edit_text(WindowHandle edit);
void edit_set_text(WindowHandle edit, std::string_view text);
struct Selection {
    std::int32_t start = 0;
    std::int32_t end = 0;
};
Selection edit_selection(WindowHandle edit);
void edit_set_selection(WindowHandle edit, Selection selection);
void edit_replace_selection(WindowHandle edit, std::string_view text, bool undoable);
void edit_scroll_caret(WindowHandle edit);
void edit_set_font(WindowHandle edit, FontHandle font);
void edit_set_colours(WindowHandle edit, Rgb text, Rgb background);
// The rectangle of the editable line inside the control, in its client coordinates.
Rect edit_line_rect(WindowHandle edit);
void edit_set_line_rect(WindowHandle edit, Rect line);
// Sees every typed character (Unicode code point) before the control; false drops it.
// Pasted text does not pass through it.
using CharacterFilter = bool (*)(std::uint32_t code_point);
void edit_set_character_filter(WindowHandle edit, CharacterFilter filter);

// ---------------------------------------------------------------------------------------------
// Icons, the notification area (tray), popup menus and the desktop's opener.
IconHandle create_icon(const RgbImage& image);
void destroy_icon(IconHandle icon);

struct TrayIconData {
    WindowHandle owner = nullptr;
    std::uint32_t id = 0;
    MessageId callback_message = 0; // its lparam carries the mouse message number
    IconHandle icon = nullptr;
    std::string_view tip; // code page 936
};
enum class TrayCommand { Add, Modify, Delete };
bool tray_icon(TrayCommand command, const TrayIconData& data);
bool tray_available();

MenuHandle create_popup_menu();
void append_menu_item(MenuHandle menu, std::uint32_t id, std::string_view caption);
namespace menu_item_state {
inline constexpr std::uint32_t disabled = 0x0002; // greyed, cannot be chosen
inline constexpr std::uint32_t checked = 0x0008;  // shows a check mark
} // namespace menu_item_state
void append_menu_item(MenuHandle menu, std::uint32_t id, std::string_view caption,
                      std::uint32_t states);
void append_menu_separator(MenuHandle menu);
void destroy_menu(MenuHandle menu);
namespace menu_flag {
inline constexpr std::uint32_t left_align = 0x0000;
inline constexpr std::uint32_t top_align = 0x0000;
inline constexpr std::uint32_t right_align = 0x0008;
inline constexpr std::uint32_t left_button = 0x0000;
} // namespace menu_flag
// Shows the menu with the corner given by flags at the screen point, modally; returns when it
// has closed. A chosen item is posted to the owner as message::command with its id.
bool track_popup_menu(MenuHandle menu, std::uint32_t flags, Point at, WindowHandle owner);

// Asks the desktop to open a web address in the default browser. The result is advisory.
bool open_web_address(std::string_view address);

} // namespace platform
