// The main window's icon in the notification area: at most one, identifier 100, reporting to
// the main window with the tray callback message.
#include "tray/tray.h"
#include "tray/tray_internal.h"
#include "ui/icon_file.h"
#include "ui/main_window.h"

#include <cstddef>
#include <string>

namespace {

// The notification area's tip field holds 64 bytes; the last ones stay zero.
constexpr std::size_t tooltip_capacity = 62;

struct TrayIconRecord {
    platform::WindowHandle owner = nullptr;
    platform::IconHandle icon = nullptr; // present exactly while the icon is shown
    std::string tip;
};

TrayIconRecord tray_icon_record;

platform::TrayIconData notification(const TrayIconRecord& record) {
    return {.owner = record.owner,
            .id = tray_icon_id,
            .callback_message = tray_callback_message,
            .icon = record.icon,
            .tip = record.tip};
}

platform::IconHandle make_icon(std::span<const std::uint8_t> icon_file) {
    const auto image = ui::read_icon_file(icon_file);
    return image ? platform::create_icon(*image) : nullptr;
}

} // namespace

void add_tray_icon(std::span<const std::uint8_t> icon_file, std::string_view tooltip) {
    platform::IconHandle previous = tray_icon_record.icon;
    TrayIconRecord next{.owner = main_window_handle(),
                        .icon = make_icon(icon_file),
                        // Cut by bytes: a two-byte character may lose its second half here.
                        .tip = std::string(tooltip.substr(0, tooltip_capacity))};
    if (previous != nullptr) {
        if (next.icon != nullptr) {
            platform::tray_icon(platform::TrayCommand::Modify, notification(next));
        } else {
            platform::tray_icon(
                platform::TrayCommand::Delete,
                notification({.owner = tray_icon_record.owner, .icon = nullptr, .tip = next.tip}));
        }
        platform::destroy_icon(previous);
    } else if (next.icon != nullptr) {
        platform::tray_icon(platform::TrayCommand::Add, notification(next));
    }
    // The shell's answers are ignored: a missing icon changes nothing else.
    tray_icon_record = std::move(next);
}

void remove_tray_icon() {
    if (tray_icon_record.icon == nullptr) return;
    platform::tray_icon(
        platform::TrayCommand::Delete,
        notification(
            {.owner = tray_icon_record.owner, .icon = nullptr, .tip = tray_icon_record.tip}));
    platform::destroy_icon(tray_icon_record.icon);
    tray_icon_record = {};
}

void restore_tray_icon() {
    if (tray_icon_record.icon == nullptr) return;
    // Where the host still holds the icon (and docks it again itself), adding is refused and
    // a modify refreshes it instead.
    if (!platform::tray_icon(platform::TrayCommand::Add, notification(tray_icon_record)))
        platform::tray_icon(platform::TrayCommand::Modify, notification(tray_icon_record));
}

bool tray_icon_reachable() {
    return tray_icon_record.icon != nullptr && platform::tray_available();
}
