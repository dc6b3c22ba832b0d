// The tray menu: built anew from the layout's items below the hidden top-level item each time
// it opens; a chosen item's handler runs when its command arrives, after the menu has closed.
#include "tray/tray.h"
#include "tray/tray_internal.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace {

using ui::MenuEntry;

constexpr std::string_view tray_menu_caption = "\xCD\xD0\xC5\xCC\xB2\xCB\xB5\xA5"; // 托盘菜单
constexpr std::string_view separator_caption = "-";
// The menu's top-right corner stands this far above and to the left of the pointer.
constexpr std::int32_t pointer_offset = 5;

std::span<const MenuEntry> menu_list() {
    return ui::main_window_layout.menu;
}

// The tray menu's items are those one level below its top-level item, up to the next
// top-level item: places [first, end) of the layout's menu list. Empty when there is none.
struct TrayMenuRange {
    std::size_t first = 0;
    std::size_t end = 0;
};

TrayMenuRange tray_menu_range() {
    for (std::size_t holder = 0; holder < menu_list().size(); ++holder) {
        if (menu_list()[holder].level != 0 || menu_list()[holder].caption != tray_menu_caption)
            continue;
        std::size_t end = holder + 1;
        while (end < menu_list().size() && menu_list()[end].level > 0)
            ++end;
        return {holder + 1, end};
    }
    return {};
}

// Shown in the popup; deeper levels would be sub-menus, which the tray menu has none of.
bool is_shown(const MenuEntry& item) {
    return item.level == 1 && !item.hidden;
}
bool is_separator(const MenuEntry& item) {
    return item.caption == separator_caption;
}
std::uint32_t item_states(const MenuEntry& item) {
    return (item.disabled ? platform::menu_item_state::disabled : 0) |
           (item.checked ? platform::menu_item_state::checked : 0);
}

} // namespace

void show_tray_menu() {
    const TrayMenuRange range = tray_menu_range();
    if (range.first == range.end) return;

    const platform::MenuHandle menu = platform::create_popup_menu();
    if (menu == nullptr) return;
    // Command ids are the items' places in the layout's menu list.
    for (std::size_t i = range.first; i < range.end; ++i) {
        const MenuEntry& item = menu_list()[i];
        if (!is_shown(item)) continue;
        if (is_separator(item)) {
            platform::append_menu_separator(menu);
        } else {
            platform::append_menu_item(menu, static_cast<std::uint32_t>(i), item.caption,
                                       item_states(item));
        }
    }

    const platform::WindowHandle window = main_window_handle();
    const platform::Point pointer = platform::cursor_position();
    // The menu closes properly when the user clicks elsewhere only if the window is in front,
    // hidden or not.
    platform::set_foreground_window(window);
    platform::track_popup_menu(menu,
                               platform::menu_flag::right_align | platform::menu_flag::top_align |
                                   platform::menu_flag::left_button,
                               {pointer.x - pointer_offset, pointer.y - pointer_offset}, window);
    platform::post_message(window, platform::message::null, 0, 0);
    platform::destroy_menu(menu);
}

bool run_tray_menu_command(std::uint32_t id) {
    const TrayMenuRange range = tray_menu_range();
    if (id < range.first || id >= range.end) return false;
    const MenuEntry& item = menu_list()[id];
    if (!is_shown(item) || is_separator(item) || item.disabled) return false;
    if (const auto handler = item.selected) handler();
    return true;
}
