// Popup menus: built from our items, shown modally with QMenu::exec.
#include "platform/qt/host.h"
#include "platform/qt/text_conversion.h"

#include <QAction>
#include <QMenu>

namespace platform {

MenuHandle create_popup_menu() {
    return new Menu;
}

void append_menu_item(MenuHandle menu, std::uint32_t id, std::string_view caption) {
    append_menu_item(menu, id, caption, 0);
}

void append_menu_item(MenuHandle menu, std::uint32_t id, std::string_view caption,
                      std::uint32_t states) {
    if (menu != nullptr) menu->items.push_back({id, std::string(caption), false, states});
}

void append_menu_separator(MenuHandle menu) {
    if (menu != nullptr) menu->items.push_back({0, {}, true, 0});
}

void destroy_menu(MenuHandle menu) {
    delete menu;
}

bool track_popup_menu(MenuHandle menu, std::uint32_t flags, Point at, WindowHandle owner) {
    if (menu == nullptr || menu->items.empty()) return false;
    QMenu popup;
    for (const Menu::Item& item : menu->items) {
        if (item.separator) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(qt::from_cp936(item.caption));
        action->setData(item.id);
        action->setEnabled((item.states & menu_item_state::disabled) == 0);
        if ((item.states & menu_item_state::checked) != 0) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
    // The corner named by the flags goes to the point.
    QPoint top_left(at.x, at.y);
    if ((flags & menu_flag::right_align) != 0) top_left.rx() -= popup.sizeHint().width();

    auto& state = qt::host();
    state.last_menu = {menu->items, flags, at, {top_left.x(), top_left.y()}, true};
    if (state.menu_answer_set) {
        // A test answers for the user; no modal loop.
        state.menu_answer_set = false;
        // Only an item that a user could choose: not a separator, not a disabled one.
        for (const Menu::Item& item : menu->items) {
            if (state.menu_answer && item.id == *state.menu_answer && !item.separator &&
                (item.states & menu_item_state::disabled) == 0) {
                post_message(owner, message::command, item.id, 0);
                break;
            }
        }
        return true;
    }
    const QAction* chosen = popup.exec(top_left);
    if (chosen != nullptr)
        post_message(owner, message::command, chosen->data().value<std::uint32_t>(), 0);
    return true;
}

} // namespace platform
