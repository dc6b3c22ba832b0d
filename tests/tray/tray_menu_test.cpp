// The tray menu: what it holds, where it opens, and what its items do.
#include "tests/tray/tray_fixture.h"

#include <string>
#include <vector>

namespace tray_test {
namespace {

using platform::testing::TrayClick;

struct ShownItem {
    std::string caption; // empty for a separator
    bool separator = false;
    bool disabled = false;
    bool checked = false;
    bool operator==(const ShownItem&) const = default;
};

std::vector<ShownItem> shown_items(const hooks::PopupMenuRecord& menu) {
    std::vector<ShownItem> items;
    for (const auto& item : menu.items)
        items.push_back({item.separator ? std::string() : item.caption, item.separator,
                         item.disabled, item.checked});
    return items;
}

// In list order, none of them greyed or checked.
const std::vector<ShownItem> tray_menu_items = {{.caption = std::string(website_caption)},
                                                {.caption = "", .separator = true},
                                                {.caption = std::string(show_caption)},
                                                {.caption = std::string(hide_caption)},
                                                {.caption = std::string(exit_caption)}};

// The right click and the context-menu request both open it.
class MenuOpening : public TrayTest, public ::testing::WithParamInterface<platform::MessageId> {};

TEST_P(MenuOpening, OpensWithItsFiveEntriesWithTheTopRightCornerAbovePointer) {
    hooks::move_mouse({700, 580});
    hooks::answer_next_popup_menu(std::nullopt);
    notify(GetParam());

    const hooks::PopupMenuRecord menu = hooks::last_popup_menu();
    ASSERT_TRUE(menu.shown);
    EXPECT_EQ(shown_items(menu), tray_menu_items);
    for (const auto& item : menu.items) { // each command names its item in the layout
        if (!item.separator) {
            EXPECT_EQ(item.id, menu_id(item.caption)) << item.caption;
        }
    }
    EXPECT_EQ(menu.at, (Point{695, 575}));
    EXPECT_EQ(menu.flags, platform::menu_flag::right_align | platform::menu_flag::top_align |
                              platform::menu_flag::left_button);
    EXPECT_TRUE(platform::is_window_visible(window)) << "opening the menu changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Notifications, MenuOpening,
                         ::testing::Values(platform::message::right_button_up,
                                           platform::message::context_menu));

TEST_F(TrayTest, MenuOpensWhileTheWindowIsHiddenAndLeavesItHidden) {
    click_icon(TrayClick::Left);
    hooks::answer_next_popup_menu(std::nullopt);
    click_icon(TrayClick::Right);
    EXPECT_EQ(shown_items(hooks::last_popup_menu()), tray_menu_items);
    EXPECT_FALSE(platform::is_window_visible(window));
}

// Each item's command reaches its handler only through the window's messages; commands that
// are not the menu's do nothing.
TEST_F(TrayTest, CommandsOutsideTheMenuAreNotTheTrays) {
    for (const std::uint32_t id : {0u, 2u, 6u, 1000u}) { // the holder, the separator, beyond
        EXPECT_FALSE(main_window_tray_message(platform::message::command, id, 0)) << id;
        EXPECT_TRUE(platform::is_window_visible(window)) << id;
    }
    EXPECT_TRUE(main_window_tray_message(platform::message::command, menu_id(hide_caption), 0));
    EXPECT_FALSE(platform::is_window_visible(window));
}

} // namespace
} // namespace tray_test
