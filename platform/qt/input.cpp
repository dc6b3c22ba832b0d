// Mouse and keyboard: capture, the window under a point, cursors, focus, the window-level
// look at every key, and moving a window with the pointer.
#include "platform/qt/host.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace platform {
namespace qt {

WParam mouse_state_bits(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WParam bits = 0;
    if (buttons & Qt::LeftButton) bits |= mouse_state::left_button;
    if (buttons & Qt::RightButton) bits |= mouse_state::right_button;
    if (buttons & Qt::MiddleButton) bits |= mouse_state::middle_button;
    if (modifiers & Qt::ShiftModifier) bits |= mouse_state::shift;
    if (modifiers & Qt::ControlModifier) bits |= mouse_state::control;
    return bits;
}

int modifier_bits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ControlModifier) bits |= modifier::control;
    if (modifiers & Qt::ShiftModifier) bits |= modifier::shift;
    if (modifiers & Qt::AltModifier) bits |= modifier::alt;
    return bits;
}

WParam key_code(int qt_key) {
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return static_cast<WParam>(qt_key);
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return static_cast<WParam>(qt_key);
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24)
        return key::f1 + static_cast<WParam>(qt_key - Qt::Key_F1);
    switch (qt_key) {
    case Qt::Key_Backspace:
        return key::backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return key::tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return key::enter;
    case Qt::Key_Escape:
        return key::escape;
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_PageUp:
        return 0x21;
    case Qt::Key_PageDown:
        return 0x22;
    case Qt::Key_End:
        return 0x23;
    case Qt::Key_Home:
        return 0x24;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Insert:
        return 0x2D;
    case Qt::Key_Delete:
        return 0x2E;
    case Qt::Key_Shift:
        return 0x10;
    case Qt::Key_Control:
        return 0x11;
    case Qt::Key_Alt:
        return 0x12;
    default:
        return 0;
    }
}

bool preview_key(Window* receiver, QKeyEvent* event) {
    // A key ignored by a control travels on to its parents; look at it once only, where it
    // first lands: the focused widget, or the window when nothing inside has the focus.
    const QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && focused != receiver->widget &&
        receiver->widget->isAncestorOf(focused))
        return false;

    Window* top = top_level_of(receiver);
    if (!alive(top)) return false;
    const WParam code = key_code(event->key());
    const int modifiers = modifier_bits(event->modifiers());
    if (send(top, message::key_preview, code, modifiers) != 0) return true;
    // Alt+F4 closes the window even where no window manager turns it into a close request.
    if (code == key::f4 && modifiers == modifier::alt) {
        send(top, message::close, 0, 0);
        return true;
    }
    if (alive(receiver) && !receiver->window_class->edit)
        send(receiver, message::key_down, code, 0);
    return false;
}

void focus_changed(Window* window, bool gained) {
    send(window, gained ? message::set_focus : message::kill_focus, 0, 0);
}

Qt::CursorShape to_qt_cursor(CursorShape cursor) {
    switch (cursor) {
    case CursorShape::IBeam:
        return Qt::IBeamCursor;
    case CursorShape::PointingHand:
        return Qt::PointingHandCursor;
    case CursorShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

bool follow_manual_move(const QPoint& global, Qt::MouseButtons buttons) {
    Window*& moving = host().manual_move;
    if (moving == nullptr) return false;
    if (!alive(moving)) {
        moving = nullptr;
        return false;
    }
    moving->widget->move(global - host().manual_move_offset);
    if (!(buttons & Qt::LeftButton)) {
        moving->widget->releaseMouse();
        moving = nullptr;
    }
    return true;
}

} // namespace qt

WindowHandle set_capture(WindowHandle window) {
    auto& state = qt::host();
    Window* previous = qt::alive(state.capture) ? state.capture : nullptr;
    if (!qt::alive(window)) return previous;
    if (previous == window) return previous;
    state.capture = window;
    // A real pointer grab: moves outside the window reach the capturing control too.
    if (window->widget->isVisible()) window->widget->grabMouse();
    if (previous != nullptr)
        qt::send(previous, message::capture_changed, 0, reinterpret_cast<LParam>(window));
    return previous;
}

void release_capture() {
    auto& state = qt::host();
    Window* previous = state.capture;
    state.capture = nullptr;
    if (previous == nullptr) return;
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    qt::send(previous, message::capture_changed, 0, 0);
}

WindowHandle capture_window() {
    auto& state = qt::host();
    if (!qt::alive(state.capture)) state.capture = nullptr;
    return state.capture;
}

WindowHandle window_from_point(Point screen) {
    QWidget* widget = QApplication::widgetAt(QPoint(screen.x, screen.y));
    return qt::enclosing_window(widget);
}

Point cursor_position() {
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}

bool is_left_button_down() {
    return (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
}

int modifier_keys() {
    return qt::modifier_bits(QGuiApplication::queryKeyboardModifiers());
}

WindowHandle set_focus(WindowHandle window) {
    WindowHandle previous = focus_window();
    if (qt::alive(window)) window->widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

WindowHandle focus_window() {
    if (QWidget* focused = QApplication::focusWidget()) return qt::enclosing_window(focused);
    return nullptr;
}

void begin_window_move(WindowHandle window) {
    Window* top = qt::top_level_of(window);
    if (!qt::alive(top)) return;
    QWidget* widget = top->widget;
    if (QWindow* handle = widget->windowHandle(); handle != nullptr && handle->startSystemMove())
        return;
    // The desktop cannot move it (no window manager, or an offscreen screen): follow the pointer
    // ourselves until the left button is released.
    auto& state = qt::host();
    state.manual_move = top;
    state.manual_move_offset = QCursor::pos() - widget->pos();
    widget->grabMouse();
}

} // namespace platform
