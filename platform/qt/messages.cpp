// Posting and sending messages, and the run loop. Posted messages travel through Qt's own
// event queue, so they keep their order among themselves and with the host's other events,
// and each is delivered only after the handler that is running has returned.
#include "platform/qt/host.h"

#include <QCoreApplication>
#include <QEvent>

namespace platform {
namespace qt {
namespace {

QEvent::Type posted_message_type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

class PostedMessage final : public QEvent {
  public:
    PostedMessage(Window* target, MessageId id, WParam w, LParam l)
        : QEvent(posted_message_type()), window(target), message(id), wparam(w), lparam(l) {}
    Window* window;
    MessageId message;
    WParam wparam;
    LParam lparam;
};

// Receives every posted message. One receiver for all windows keeps one queue order; a
// message for a window destroyed meanwhile is dropped when it comes up.
class Dispatcher final : public QObject {
  protected:
    void customEvent(QEvent* event) override {
        if (event->type() != posted_message_type()) return;
        const auto* posted = static_cast<PostedMessage*>(event);
        ++host().delivered_messages;
        if (posted->message == message::quit && posted->window == nullptr) {
            const int code = static_cast<int>(posted->wparam);
            host().quit_code = code;
            QCoreApplication::exit(code);
            return;
        }
        send(posted->window, posted->message, posted->wparam, posted->lparam);
    }
};

Dispatcher& dispatcher() {
    static Dispatcher instance;
    return instance;
}

} // namespace
} // namespace qt

bool post_message(WindowHandle window, MessageId message, WParam wparam, LParam lparam) {
    if (!qt::alive(window) || QCoreApplication::instance() == nullptr) return false;
    QCoreApplication::postEvent(&qt::dispatcher(),
                                new qt::PostedMessage(window, message, wparam, lparam));
    return true;
}

LResult send_message(WindowHandle window, MessageId message, WParam wparam, LParam lparam) {
    return qt::send(window, message, wparam, lparam);
}

void post_quit_message(int code) {
    if (QCoreApplication::instance() == nullptr) return;
    QCoreApplication::postEvent(
        &qt::dispatcher(),
        new qt::PostedMessage(nullptr, message::quit, static_cast<WParam>(code), 0));
}

int run_message_loop() {
    if (QCoreApplication::instance() == nullptr) return 0;
    qt::host().quit_code.reset();
    return QCoreApplication::exec();
}

} // namespace platform
