// Test hooks: input is injected where the platform plugin would hand it to Qt, so it takes
// Qt's real path (grabs, the widget under the point, double-click detection, focus).
#include "platform/testing.h"

#include "platform/qt/host.h"
#include "platform/qt/text_conversion.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestmouse.h>

namespace platform::testing {
namespace {

Qt::KeyboardModifiers qt_modifiers(int modifiers) {
    Qt::KeyboardModifiers result;
    if (modifiers & modifier::control) result |= Qt::ControlModifier;
    if (modifiers & modifier::shift) result |= Qt::ShiftModifier;
    if (modifiers & modifier::alt) result |= Qt::AltModifier;
    return result;
}

Qt::MouseButton qt_button(MouseButton button) {
    switch (button) {
    case MouseButton::Right:
        return Qt::RightButton;
    case MouseButton::Middle:
        return Qt::MiddleButton;
    case MouseButton::Left:
        break;
    }
    return Qt::LeftButton;
}

// Event times: far apart, so that two clicks never make a double click by accident, unless
// a double click is wanted.
int next_timestamp(int step) {
    static int timestamp = 1000;
    timestamp += step;
    return timestamp;
}

Qt::MouseButtons held_buttons;

// The window the pointer device would report to: the one holding a grab, else the top-level
// window under the point.
QWindow* target_window(const QPoint& screen) {
    if (QWidget* grabber = QWidget::mouseGrabber())
        if (QWidget* top = grabber->window(); top->windowHandle() != nullptr)
            return top->windowHandle();
    if (QWidget* top = QApplication::topLevelAt(screen); top != nullptr) return top->windowHandle();
    return nullptr;
}

void mouse_event(Point screen, QEvent::Type type, Qt::MouseButton button, int modifiers, int step) {
    const QPoint global(screen.x, screen.y);
    QCursor::setPos(global);
    QWindow* window = target_window(global);
    const int timestamp = next_timestamp(step);
    if (window == nullptr) return;
    const QPointF local = window->mapFromGlobal(global);
    qt_handleMouseEvent(window, local, QPointF(global), held_buttons, button, type,
                        qt_modifiers(modifiers), timestamp);
}

QWindow* key_window() {
    if (QWindow* focused = QGuiApplication::focusWindow()) return focused;
    if (QWidget* active = QApplication::activeWindow()) return active->windowHandle();
    for (Window* window : qt::host().windows)
        if (window->parent == nullptr && window->widget->isVisible())
            return window->widget->windowHandle();
    return nullptr;
}

void key_event(int qt_key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QWindow* window = key_window();
    if (window == nullptr) return;
    qt_handleKeyEvent(window, QEvent::KeyPress, qt_key, modifiers, text);
    if (QWindow* still = key_window())
        qt_handleKeyEvent(still, QEvent::KeyRelease, qt_key, modifiers, text);
}

int qt_key_of(WParam code) {
    if (code >= '0' && code <= '9') return static_cast<int>(code);
    if (code >= 'A' && code <= 'Z') return static_cast<int>(code);
    if (code >= key::f1 && code < key::f1 + 24)
        return Qt::Key_F1 + static_cast<int>(code - key::f1);
    switch (code) {
    case key::backspace:
        return Qt::Key_Backspace;
    case key::tab:
        return Qt::Key_Tab;
    case key::enter:
        return Qt::Key_Return;
    case key::escape:
        return Qt::Key_Escape;
    case 0x20:
        return Qt::Key_Space;
    case 0x23:
        return Qt::Key_End;
    case 0x24:
        return Qt::Key_Home;
    case 0x25:
        return Qt::Key_Left;
    case 0x26:
        return Qt::Key_Up;
    case 0x27:
        return Qt::Key_Right;
    case 0x28:
        return Qt::Key_Down;
    case 0x2E:
        return Qt::Key_Delete;
    default:
        return Qt::Key_unknown;
    }
}

QString text_of(WParam code, int modifiers) {
    if (modifiers & modifier::alt) return {};
    if (code >= 'A' && code <= 'Z') {
        if (modifiers & modifier::control)
            return QString(QChar(static_cast<char16_t>(code - 'A' + 1)));
        return QString(
            QChar(static_cast<char16_t>((modifiers & modifier::shift) ? code : code + 32)));
    }
    if (modifiers & modifier::control) return {};
    if (code >= '0' && code <= '9') return QString(QChar(static_cast<char16_t>(code)));
    switch (code) {
    case key::backspace:
        return QStringLiteral("\b");
    case key::tab:
        return QStringLiteral("\t");
    case key::enter:
        return QStringLiteral("\r");
    case key::escape:
        return QString(QChar(0x1B));
    case 0x20:
        return QStringLiteral(" ");
    default:
        return {};
    }
}

} // namespace

void set_primary_screen_size(Size size) {
    qt::host().screen_size = size;
}

void pump_events() {
    auto& state = qt::host();
    for (int round = 0; round < 100; ++round) {
        const std::uint64_t before = state.delivered_messages;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
        if (round > 0 && state.delivered_messages == before) break;
    }
}

std::optional<int> take_quit_code() {
    std::optional<int> code = qt::host().quit_code;
    qt::host().quit_code.reset();
    return code;
}

void move_mouse(Point screen, int modifiers) {
    mouse_event(screen, QEvent::MouseMove, Qt::NoButton, modifiers, 1);
}

void press_mouse(Point screen, MouseButton button, int modifiers) {
    held_buttons |= qt_button(button);
    mouse_event(screen, QEvent::MouseButtonPress, qt_button(button), modifiers, 1000);
}

void release_mouse(Point screen, MouseButton button, int modifiers) {
    held_buttons &= ~Qt::MouseButtons(qt_button(button));
    mouse_event(screen, QEvent::MouseButtonRelease, qt_button(button), modifiers, 1);
}

void click_mouse(Point screen, MouseButton button, int modifiers) {
    press_mouse(screen, button, modifiers);
    release_mouse(screen, button, modifiers);
}

void double_click_mouse(Point screen, MouseButton button) {
    click_mouse(screen, button);
    // A second press close in time and place: Qt makes it the double click.
    held_buttons |= qt_button(button);
    mouse_event(screen, QEvent::MouseButtonPress, qt_button(button), 0, 10);
    release_mouse(screen, button);
}

void press_key(WParam key_code, int modifiers) {
    key_event(qt_key_of(key_code), text_of(key_code, modifiers), qt_modifiers(modifiers));
}

void type_text(std::string_view text) {
    for (const char32_t code_point : qt::from_cp936(text).toUcs4()) {
        int key = Qt::Key_unknown;
        if (code_point >= 'a' && code_point <= 'z')
            key = static_cast<int>(code_point - 32);
        else if (code_point >= 0x20 && code_point < 0x7F)
            key = static_cast<int>(code_point);
        key_event(key, QString::fromUcs4(&code_point, 1), Qt::NoModifier);
    }
}

void paste_text(std::string_view text) {
    QGuiApplication::clipboard()->setText(qt::from_cp936(text));
    press_key('V', modifier::control);
}

bool tray_icon_has_icon(WindowHandle owner, std::uint32_t id) {
    const qt::TrayEntry* entry = qt::find_tray_entry(owner, id);
    return entry != nullptr && !entry->icon->icon().isNull();
}

void set_tray_available(std::optional<bool> available) {
    qt::host().tray_available = available;
}

void announce_tray_created() {
    for (Window* window : qt::host().windows)
        if (window->parent == nullptr) post_message(window, message::tray_created, 0, 0);
}

std::vector<Rect> window_shape_rects(WindowHandle window) {
    std::vector<Rect> rects;
    if (!qt::alive(window)) return rects;
    for (const QRect& rect : window->widget->mask()) {
        if (rect.right() < 0 || rect.bottom() < 0) continue; // the stand-in of an empty shape
        rects.push_back(qt::to_rect(rect));
    }
    return rects;
}

std::uint64_t paint_count(WindowHandle window) {
    return qt::alive(window) ? window->paints : 0;
}

CursorShape cursor_shape_at(Point screen) {
    QWidget* widget = QApplication::widgetAt(QPoint(screen.x, screen.y));
    if (widget == nullptr) return CursorShape::Arrow;
    switch (widget->cursor().shape()) {
    case Qt::IBeamCursor:
        return CursorShape::IBeam;
    case Qt::PointingHandCursor:
        return CursorShape::PointingHand;
    default:
        return CursorShape::Arrow;
    }
}

void fail_window_creation(int after) {
    qt::host().creations_before_failure = after;
}

bool tray_icon_present(WindowHandle owner, std::uint32_t id) {
    return qt::find_tray_entry(owner, id) != nullptr;
}

std::string tray_icon_tip(WindowHandle owner, std::uint32_t id) {
    const qt::TrayEntry* entry = qt::find_tray_entry(owner, id);
    return entry != nullptr ? entry->tip : std::string();
}

void click_tray_icon(WindowHandle owner, std::uint32_t id, TrayClick click) {
    const qt::TrayEntry* entry = qt::find_tray_entry(owner, id);
    if (entry == nullptr) return;
    // Through the icon's own signal, as the desktop's click arrives.
    const auto reason = click == TrayClick::Left     ? QSystemTrayIcon::Trigger
                        : click == TrayClick::Double ? QSystemTrayIcon::DoubleClick
                                                     : QSystemTrayIcon::Context;
    emit entry->icon->activated(reason);
}

void answer_next_popup_menu(std::optional<std::uint32_t> id) {
    qt::host().menu_answer_set = true;
    qt::host().menu_answer = id;
}

PopupMenuRecord last_popup_menu() {
    const qt::RecordedMenu& menu = qt::host().last_menu;
    PopupMenuRecord record;
    for (const auto& item : menu.items)
        record.items.push_back({item.id, item.caption, item.separator,
                                (item.states & menu_item_state::disabled) != 0,
                                (item.states & menu_item_state::checked) != 0});
    record.flags = menu.flags;
    record.at = menu.at;
    record.top_left = menu.top_left;
    record.shown = menu.shown;
    return record;
}

void record_web_addresses() {
    qt::host().record_web_addresses = true;
}
std::vector<std::string> recorded_web_addresses() {
    return qt::host().web_addresses;
}
void record_error_messages() {
    qt::host().record_error_messages = true;
}
std::vector<std::pair<std::string, std::string>> recorded_error_messages() {
    return qt::host().error_messages;
}

RgbImage window_pixels(WindowHandle window) {
    if (!qt::alive(window)) return {};
    // What the screen shows: the top-level window's flushed pixels, so that traces of earlier
    // paints would show too; a fresh rendering only where the screen cannot give them.
    QWidget* widget = window->widget;
    QWidget* top = widget->window();
    QImage image;
    if (QScreen* screen = top->screen(); screen != nullptr && top->isVisible()) {
        const QPoint at = widget->mapTo(top, QPoint(0, 0));
        image = screen->grabWindow(top->winId(), at.x(), at.y(), widget->width(), widget->height())
                    .toImage();
    }
    if (image.isNull() || image.size() != widget->size()) image = widget->grab().toImage();
    return qt::to_rgb_image(image);
}

bool window_has_frame(WindowHandle window) {
    if (!qt::alive(window)) return false;
    return !(window->widget->windowFlags() & Qt::FramelessWindowHint);
}

std::string window_title(WindowHandle window) {
    return qt::alive(window) ? qt::to_cp936(window->widget->windowTitle()) : std::string();
}

bool window_has_icon(WindowHandle window) {
    return qt::alive(window) && !window->widget->windowIcon().isNull();
}

} // namespace platform::testing
