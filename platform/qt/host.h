#pragma once
// Internals shared by the files of the Qt host: the window record behind every handle, the
// registered classes, and the host's process-wide state (the handle table, the capture, the
// hooks that tests switch on).
#include "platform/window_system.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include <QSystemTrayIcon>

namespace platform::qt {

struct ClassInfo {
    std::string name;
    WindowProcedure procedure = nullptr;
    CursorShape cursor = CursorShape::Arrow;
    bool double_clicks = false;
    std::optional<Rgb> background;
    bool transparent = false;
    bool edit = false; // the host's own edit control
};

} // namespace platform::qt

// The record behind a WindowHandle. It lives inside its widget; the handle table says whether
// it is still a window.
struct platform::Window {
    QWidget* widget = nullptr;
    const qt::ClassInfo* window_class = nullptr;
    Window* parent = nullptr;
    void* data = nullptr;
    std::uint32_t style = 0;
    bool destroying = false;
    bool in_paint_event = false;
    std::uint64_t paints = 0; // for tests
};

struct platform::Canvas {
    explicit Canvas(QPaintDevice* device) : painter(device) {}
    QPainter painter;
};

struct platform::Bitmap {
    QImage image;
};

struct platform::Font {
    QFont font;
};

struct platform::Icon {
    QIcon icon;
};

struct platform::Menu {
    struct Item {
        std::uint32_t id = 0;
        std::string caption; // code page 936; empty for a separator
        bool separator = false;
        std::uint32_t states = 0; // menu_item_state bits
    };
    std::vector<Item> items;
};

namespace platform::qt {

struct TrayEntry {
    WindowHandle owner = nullptr;
    std::uint32_t id = 0;
    std::unique_ptr<QSystemTrayIcon> icon;
    MessageId callback_message = 0;
    std::string tip;
};

struct RecordedMenu {
    std::vector<Menu::Item> items;
    std::uint32_t flags = 0;
    Point at;
    Point top_left; // where the menu's top-left corner was placed
    bool shown = false;
};

struct HostState {
    std::unordered_set<Window*> windows;
    std::map<std::string, ClassInfo, std::less<>> classes;
    Window* capture = nullptr;
    // Moving a top-level window by hand where the desktop cannot move it for us.
    Window* manual_move = nullptr;
    QPoint manual_move_offset;
    std::vector<std::unique_ptr<TrayEntry>> trays;
    bool tray_watch_connected = false;
    std::optional<int> quit_code; // the last quit message taken
    std::uint64_t delivered_messages = 0;

    // Test hooks (platform/testing.h).
    std::optional<bool> tray_available;
    int creations_before_failure = -1; // -1: never fail
    std::optional<Size> screen_size;
    bool record_web_addresses = false;
    std::vector<std::string> web_addresses;
    bool menu_answer_set = false;
    std::optional<std::uint32_t> menu_answer;
    RecordedMenu last_menu;
    bool record_error_messages = false;
    std::vector<std::pair<std::string, std::string>> error_messages;
};

HostState& host();

inline bool alive(WindowHandle window) {
    return window != nullptr && host().windows.count(window) != 0;
}
// Our window behind a widget, or null (Qt's own widgets, destroyed windows).
Window* window_of(QWidget* widget);
// Our window that holds the widget: the widget itself or its nearest ancestor of ours.
Window* enclosing_window(QWidget* widget);
Window* top_level_of(Window* window);
// Sends when the window is alive; otherwise returns 0.
LResult send(Window* window, MessageId message, WParam wparam, LParam lparam);

QColor to_qcolor(Rgb colour);
QRect to_qrect(Rect rect);
Rect to_rect(const QRect& rect);
// The pixels of an image as 8-bit RGB rows.
RgbImage to_rgb_image(const QImage& image);

// Input helpers shared by the widgets.
WParam mouse_state_bits(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
int modifier_bits(Qt::KeyboardModifiers modifiers);
WParam key_code(int qt_key);
// Offers a key press to the top-level window (message::key_preview), then handles Alt+F4.
// True when the key is consumed and must go no further.
bool preview_key(Window* receiver, QKeyEvent* event);
void focus_changed(Window* window, bool gained);
// Applies the class's and window's pointer shape.
Qt::CursorShape to_qt_cursor(CursorShape cursor);
// A top-level window moved by hand follows the pointer; true while such a move runs.
bool follow_manual_move(const QPoint& global, Qt::MouseButtons buttons);

// Widget factories.
QWidget* make_host_widget(Window*& record, const ClassInfo& window_class, QWidget* parent);
QWidget* make_edit_widget(Window*& record, const ClassInfo& window_class, QWidget* parent,
                          std::uint32_t style);
void register_edit_class();

// Tray entries, for the test hooks.
void activate_tray(WindowHandle owner, std::uint32_t id, LParam mouse_message);
const TrayEntry* find_tray_entry(WindowHandle owner, std::uint32_t id);

} // namespace platform::qt
