// The notification-area icons: one QSystemTrayIcon per (owner, id). Its activations reach the
// owner as the callback message, with the classic mouse message number as lparam.
#include "platform/qt/host.h"
#include "platform/qt/text_conversion.h"

#include <QSystemTrayIcon>

#include <algorithm>

namespace platform {
namespace qt {
namespace {

LParam mouse_message_of(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return message::left_button_up;
    case QSystemTrayIcon::DoubleClick:
        return message::left_button_double_click;
    case QSystemTrayIcon::Context:
        return message::right_button_up;
    case QSystemTrayIcon::MiddleClick:
        return message::middle_button_up;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return 0;
}

std::vector<std::unique_ptr<TrayEntry>>::iterator find_tray(WindowHandle owner, std::uint32_t id) {
    auto& trays = host().trays;
    return std::find_if(trays.begin(), trays.end(), [&](const auto& entry) {
        return entry->owner == owner && entry->id == id;
    });
}

void apply(TrayEntry& entry, const TrayIconData& data) {
    entry.callback_message = data.callback_message;
    entry.tip = std::string(data.tip);
    if (data.icon != nullptr) entry.icon->setIcon(data.icon->icon);
    entry.icon->setToolTip(from_cp936(data.tip));
}

} // namespace

// Used by the test hooks to click an icon.
void activate_tray(WindowHandle owner, std::uint32_t id, LParam mouse_message) {
    const auto found = find_tray(owner, id);
    if (found == host().trays.end()) return;
    post_message(owner, (*found)->callback_message, (*found)->id, mouse_message);
}

const TrayEntry* find_tray_entry(WindowHandle owner, std::uint32_t id) {
    const auto found = find_tray(owner, id);
    return found == host().trays.end() ? nullptr : found->get();
}

} // namespace qt

bool tray_icon(TrayCommand command, const TrayIconData& data) {
    auto& trays = qt::host().trays;
    const auto found = qt::find_tray(data.owner, data.id);
    switch (command) {
    case TrayCommand::Add: {
        if (found != trays.end() || !qt::alive(data.owner) || data.icon == nullptr) return false;
        auto entry = std::make_unique<qt::TrayEntry>();
        entry->owner = data.owner;
        entry->id = data.id;
        entry->icon = std::make_unique<QSystemTrayIcon>();
        qt::apply(*entry, data);
        qt::TrayEntry* raw = entry.get();
        QObject::connect(
            raw->icon.get(), &QSystemTrayIcon::activated,
            [owner = data.owner, id = data.id](QSystemTrayIcon::ActivationReason reason) {
                const LParam mouse = qt::mouse_message_of(reason);
                if (mouse != 0) qt::activate_tray(owner, id, mouse);
            });
        raw->icon->show();
        trays.push_back(std::move(entry));
        return true;
    }
    case TrayCommand::Modify:
        if (found == trays.end()) return false;
        qt::apply(**found, data);
        return true;
    case TrayCommand::Delete:
        if (found == trays.end()) return false;
        (*found)->icon->hide();
        trays.erase(found);
        return true;
    }
    return false;
}

bool tray_available() {
    if (qt::host().tray_available) return *qt::host().tray_available;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace platform
