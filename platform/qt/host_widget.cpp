// The widget behind every window of a registered class: Qt's events become our messages.
#include "platform/qt/host.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>

namespace platform::qt {
namespace {

class HostWidget final : public QWidget {
  public:
    HostWidget(const ClassInfo& window_class, QWidget* parent)
        : QWidget(parent), class_(window_class) {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
        if (class_.background) {
            // Filled with the class colour before each paint; children cover their own areas.
            QPalette colours = palette();
            colours.setColor(QPalette::Window, to_qcolor(*class_.background));
            setPalette(colours);
            setAutoFillBackground(true);
        } else if (!class_.transparent) {
            // Every paint covers the whole window: nothing is erased first, nothing flickers.
            setAttribute(Qt::WA_OpaquePaintEvent);
            setAttribute(Qt::WA_NoSystemBackground);
        }
    }
    ~HostWidget() override { host().windows.erase(&record_); }
    HostWidget(const HostWidget&) = delete;
    HostWidget& operator=(const HostWidget&) = delete;

    Window record_;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            preview_key(&record_, static_cast<QKeyEvent*>(event)))
            return true;
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent*) override {
        record_.in_paint_event = true;
        ++record_.paints;
        send(&record_, message::paint, 0, 0);
        record_.in_paint_event = false;
    }

    void mousePressEvent(QMouseEvent* event) override {
        mouse(event, event->button() == Qt::LeftButton     ? message::left_button_down
                     : event->button() == Qt::RightButton  ? message::right_button_down
                     : event->button() == Qt::MiddleButton ? message::middle_button_down
                                                           : 0);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        // Classes without double clicks see the second press as a plain press.
        const bool dbl = class_.double_clicks;
        mouse(event, event->button() == Qt::LeftButton
                         ? (dbl ? message::left_button_double_click : message::left_button_down)
                     : event->button() == Qt::RightButton
                         ? (dbl ? message::right_button_double_click : message::right_button_down)
                     : event->button() == Qt::MiddleButton
                         ? (dbl ? message::middle_button_double_click : message::middle_button_down)
                         : 0);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (follow_manual_move(event->globalPosition().toPoint(), event->buttons())) return;
        mouse(event, event->button() == Qt::LeftButton     ? message::left_button_up
                     : event->button() == Qt::RightButton  ? message::right_button_up
                     : event->button() == Qt::MiddleButton ? message::middle_button_up
                                                           : 0);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (follow_manual_move(event->globalPosition().toPoint(), event->buttons())) return;
        mouse(event, message::mouse_move);
    }
    void wheelEvent(QWheelEvent* event) override {
        const QPoint global = event->globalPosition().toPoint();
        const auto delta = static_cast<std::int16_t>(event->angleDelta().y());
        const WParam wparam = (static_cast<WParam>(static_cast<std::uint16_t>(delta)) << 16) |
                              mouse_state_bits(event->buttons(), event->modifiers());
        send(&record_, message::mouse_wheel, wparam, pack_point({global.x(), global.y()}));
    }
    void contextMenuEvent(QContextMenuEvent* event) override { event->accept(); }

    void focusInEvent(QFocusEvent*) override { focus_changed(&record_, true); }
    void focusOutEvent(QFocusEvent*) override { focus_changed(&record_, false); }

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::ActivationChange && isWindow())
            send(&record_, message::activate, isActiveWindow() ? 1 : 0, 0);
        QWidget::changeEvent(event);
    }

    void closeEvent(QCloseEvent* event) override {
        // The procedure decides; the default one destroys the window.
        event->ignore();
        send(&record_, message::close, 0, 0);
    }

  private:
    void mouse(QMouseEvent* event, MessageId message) {
        if (message == 0) return;
        const QPoint at = event->position().toPoint();
        send(&record_, message, mouse_state_bits(event->buttons(), event->modifiers()),
             pack_point({at.x(), at.y()}));
    }

    const ClassInfo& class_;
};

} // namespace

QWidget* make_host_widget(Window*& record, const ClassInfo& window_class, QWidget* parent) {
    auto* widget = new HostWidget(window_class, parent);
    record = &widget->record_;
    return widget;
}

} // namespace platform::qt
