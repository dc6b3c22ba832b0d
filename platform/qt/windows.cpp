// Window classes, creating and destroying windows, their place, visibility and stacking.
#include "platform/qt/host.h"
#include "platform/qt/text_conversion.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <functional>

namespace platform {
namespace qt {

Window* window_of(QWidget* widget) {
    if (widget == nullptr) return nullptr;
    const QVariant value = widget->property("platform.window");
    if (!value.isValid()) return nullptr;
    auto* window = static_cast<Window*>(value.value<void*>());
    return alive(window) ? window : nullptr;
}

Window* enclosing_window(QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget())
        if (Window* window = window_of(widget)) return window;
    return nullptr;
}

Window* top_level_of(Window* window) {
    while (window != nullptr && window->parent != nullptr)
        window = window->parent;
    return window;
}

LResult send(Window* window, MessageId message, WParam wparam, LParam lparam) {
    if (!alive(window) || window->window_class->procedure == nullptr) return 0;
    return window->window_class->procedure(window, message, wparam, lparam);
}

QColor to_qcolor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}
QRect to_qrect(Rect rect) {
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}
Rect to_rect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

namespace {

// The window's children of ours, in Qt's child order, depth first.
// Activates a shown top-level window. The offscreen platform never deactivates a hidden
// window's QWindow, so Qt sees no change when it is activated again; the widget side is then
// told directly. (On X11 the window manager's focus events do this anyway.)
void activate_top_level(QWidget* widget) {
    widget->activateWindow();
    if (widget->isVisible() && QGuiApplication::focusWindow() == widget->windowHandle() &&
        QApplication::activeWindow() != widget) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(widget);
        QT_WARNING_POP
    }
}

void collect_children(Window* window, std::vector<Window*>& out) {
    for (QObject* object : window->widget->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (Window* child = window_of(widget)) {
            out.push_back(child);
            collect_children(child, out);
        }
    }
}

} // namespace
} // namespace qt

LResult default_window_procedure(WindowHandle window, MessageId message, WParam, LParam) {
    switch (message) {
    case message::close:
        destroy_window(window);
        return 0;
    case message::query_end_session:
        return 1;
    default:
        return 0;
    }
}

bool register_window_class(const WindowClass& window_class) {
    auto& classes = qt::host().classes;
    if (window_class.name.empty()) return false;
    if (classes.find(window_class.name) != classes.end()) return true;
    qt::ClassInfo info;
    info.name = std::string(window_class.name);
    info.procedure =
        window_class.procedure != nullptr ? window_class.procedure : &default_window_procedure;
    info.cursor = window_class.cursor;
    info.double_clicks = window_class.double_clicks;
    info.background = window_class.background;
    info.transparent = window_class.transparent;
    classes.emplace(info.name, std::move(info));
    return true;
}

WindowHandle create_window(const WindowCreation& creation) {
    auto& state = qt::host();
    if (state.creations_before_failure == 0) {
        state.creations_before_failure = -1;
        return nullptr;
    }
    if (state.creations_before_failure > 0) --state.creations_before_failure;
    const auto found = state.classes.find(creation.class_name);
    if (found == state.classes.end()) return nullptr;
    const qt::ClassInfo& window_class = found->second;
    const bool child = (creation.style & style::child) != 0 || creation.parent != nullptr;
    if (child && !qt::alive(creation.parent)) return nullptr;

    QWidget* parent_widget = child ? creation.parent->widget : nullptr;
    Window* record = nullptr;
    QWidget* widget = window_class.edit ? qt::make_edit_widget(record, window_class, parent_widget,
                                                               creation.style)
                                        : qt::make_host_widget(record, window_class, parent_widget);
    if (widget == nullptr || record == nullptr) return nullptr;
    record->widget = widget;
    record->window_class = &window_class;
    record->parent = child ? creation.parent : nullptr;
    record->data = creation.data;
    record->style = creation.style;
    widget->setProperty("platform.window", QVariant::fromValue(static_cast<void*>(record)));
    widget->setCursor(qt::to_qt_cursor(window_class.cursor));
    widget->setWindowTitle(qt::from_cp936(creation.title));
    const QRect place = qt::to_qrect(creation.place);
    if (child) {
        widget->setGeometry(place);
    } else {
        // No frame, no title bar, no system menu, but its own taskbar button; fixed size.
        widget->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        widget->setFixedSize(place.size());
        widget->move(place.topLeft());
    }
    state.windows.insert(record);
    qt::send(record, message::create, 0, 0);
    if (!qt::alive(record)) return nullptr; // destroyed by its own create handler
    if ((creation.style & style::visible) != 0) widget->show();
    return record;
}

bool destroy_window(WindowHandle window) {
    if (!qt::alive(window) || window->destroying) return false;
    std::vector<Window*> doomed{window};
    qt::collect_children(window, doomed);
    for (Window* each : doomed)
        each->destroying = true;
    auto& state = qt::host();
    if (std::find(doomed.begin(), doomed.end(), state.capture) != doomed.end()) release_capture();
    if (std::find(doomed.begin(), doomed.end(), state.manual_move) != doomed.end())
        state.manual_move = nullptr;
    for (Window* each : doomed)
        qt::send(each, message::destroy, 0, 0);
    // Gone: children first, the window last.
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        Window* each = *it;
        const WindowProcedure procedure = each->window_class->procedure;
        state.windows.erase(each);
        each->widget->setProperty("platform.window", QVariant());
        if (procedure != nullptr) procedure(each, message::nc_destroy, 0, 0);
    }
    // The widget may be running one of its own handlers right now: delete it later.
    QWidget* widget = window->widget;
    widget->hide();
    widget->deleteLater();
    return true;
}

bool is_window(WindowHandle window) {
    return qt::alive(window);
}

WindowHandle parent_window(WindowHandle window) {
    return qt::alive(window) ? window->parent : nullptr;
}

void set_window_data(WindowHandle window, void* data) {
    if (qt::alive(window)) window->data = data;
}

void* window_data(WindowHandle window) {
    return qt::alive(window) ? window->data : nullptr;
}

void show_window(WindowHandle window, ShowCommand command) {
    if (!qt::alive(window)) return;
    QWidget* widget = window->widget;
    const bool top_level = window->parent == nullptr;
    switch (command) {
    case ShowCommand::Hide:
        widget->hide();
        break;
    case ShowCommand::Show:
        widget->show();
        if (top_level) {
            widget->raise();
            qt::activate_top_level(widget);
        }
        break;
    case ShowCommand::ShowNoActivate:
        widget->setAttribute(Qt::WA_ShowWithoutActivating, true);
        widget->show();
        widget->setAttribute(Qt::WA_ShowWithoutActivating, false);
        break;
    case ShowCommand::Restore:
        if (widget->isMinimized() || widget->isMaximized())
            widget->showNormal();
        else
            widget->show();
        if (top_level) qt::activate_top_level(widget);
        break;
    case ShowCommand::Minimise:
        widget->showMinimized();
        break;
    }
}

bool is_window_visible(WindowHandle window) {
    return qt::alive(window) && !window->widget->isHidden();
}
bool is_window_minimised(WindowHandle window) {
    return qt::alive(window) && window->widget->isMinimized();
}
bool is_window_maximised(WindowHandle window) {
    return qt::alive(window) && window->widget->isMaximized();
}

void move_window(WindowHandle window, Rect place) {
    if (!qt::alive(window)) return;
    QWidget* widget = window->widget;
    const QRect target = qt::to_qrect(place);
    if (window->parent != nullptr) {
        widget->setGeometry(target);
        return;
    }
    if (widget->size() != target.size()) widget->setFixedSize(target.size());
    if (widget->pos() != target.topLeft()) widget->move(target.topLeft());
}

Rect window_rect(WindowHandle window) {
    if (!qt::alive(window)) return {};
    QWidget* widget = window->widget;
    if (window->parent != nullptr) return qt::to_rect(widget->geometry());
    // Frameless: the outer rectangle is the client area.
    return qt::to_rect(QRect(widget->pos(), widget->size()));
}

Size client_size(WindowHandle window) {
    if (!qt::alive(window)) return {};
    return {window->widget->width(), window->widget->height()};
}

Point client_to_screen(WindowHandle window, Point client) {
    if (!qt::alive(window)) return client;
    const QPoint global = window->widget->mapToGlobal(QPoint(client.x, client.y));
    return {global.x(), global.y()};
}

Point screen_to_client(WindowHandle window, Point screen) {
    if (!qt::alive(window)) return screen;
    const QPoint local = window->widget->mapFromGlobal(QPoint(screen.x, screen.y));
    return {local.x(), local.y()};
}

void place_below(WindowHandle window, WindowHandle above) {
    if (!qt::alive(window)) return;
    if (above == nullptr) {
        window->widget->raise();
        return;
    }
    if (!qt::alive(above) || above->parent != window->parent) return;
    window->widget->stackUnder(above->widget);
}

void set_window_title(WindowHandle window, std::string_view title) {
    if (qt::alive(window)) window->widget->setWindowTitle(qt::from_cp936(title));
}

void set_window_icon(WindowHandle window, IconHandle icon) {
    if (!qt::alive(window)) return;
    window->widget->setWindowIcon(icon != nullptr ? icon->icon : QIcon());
}

void set_window_cursor(WindowHandle window, CursorShape cursor) {
    if (qt::alive(window)) window->widget->setCursor(qt::to_qt_cursor(cursor));
}

void enable_window(WindowHandle window, bool enabled) {
    if (!qt::alive(window) || window->widget->isEnabled() == enabled) return;
    window->widget->setEnabled(enabled);
    qt::send(window, message::enable, enabled ? 1 : 0, 0);
}

bool is_window_enabled(WindowHandle window) {
    return qt::alive(window) && window->widget->isEnabled();
}

void set_foreground_window(WindowHandle window) {
    if (!qt::alive(window)) return;
    QWidget* top = qt::top_level_of(window)->widget;
    if (top->isVisible()) top->raise();
    qt::activate_top_level(top);
}

WindowHandle active_window() {
    return qt::window_of(QApplication::activeWindow());
}

void set_window_shape_rects(WindowHandle window, const Rect* rects, std::size_t count) {
    if (!qt::alive(window)) return;
    QRegion region;
    for (std::size_t i = 0; i < count; ++i)
        region += qt::to_qrect(rects[i]);
    // Qt takes an empty mask for "no mask"; an empty shape must hide the whole window, so
    // it becomes a pixel outside the window.
    if (region.isEmpty()) region = QRegion(-2, -2, 1, 1);
    window->widget->setMask(region);
}

void clear_window_shape(WindowHandle window) {
    if (qt::alive(window)) window->widget->clearMask();
}

} // namespace platform
