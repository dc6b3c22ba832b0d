// The popup-menu hook, tray icon callbacks and recorded web addresses.
#include "tests/platform_qt/host_fixture.h"

#include <cstdlib>

namespace host_test {
namespace {

namespace message = platform::message;

class ShellTest : public HostTest {};

TEST_F(ShellTest, PopupAnswerIsPostedToTheOwnerAsACommand) {
    platform::WindowHandle owner = top_level();
    platform::MenuHandle menu = platform::create_popup_menu();
    platform::append_menu_item(menu, 2, "Tamsel\xCD\xF8");
    platform::append_menu_separator(menu);
    platform::append_menu_item(menu, 4, "\xCF\xD4\xCA\xBE");
    platform::append_menu_item(menu, 5, "off", platform::menu_item_state::disabled);
    platform::testing::answer_next_popup_menu(4);
    ASSERT_TRUE(
        platform::track_popup_menu(menu, platform::menu_flag::right_align, {400, 300}, owner));
    EXPECT_TRUE(messages_of(owner, {message::command}).empty()) << "posted, not sent";
    platform::testing::pump_events();
    std::vector<platform::WParam> commands;
    for (const Logged& entry : log())
        if (entry.message == message::command) commands.push_back(entry.wparam);
    EXPECT_EQ(commands, std::vector<platform::WParam>{4});

    const platform::testing::PopupMenuRecord record = platform::testing::last_popup_menu();
    ASSERT_EQ(record.items.size(), 4U);
    EXPECT_TRUE(record.items[3].disabled);
    EXPECT_FALSE(record.items[2].disabled);
    EXPECT_EQ(record.items[0].caption, "Tamsel\xCD\xF8");
    EXPECT_TRUE(record.items[1].separator);
    EXPECT_EQ(record.at, (platform::Point{400, 300}));
    EXPECT_LT(record.top_left.x, 400) << "right-aligned: the menu ends at the point";
    EXPECT_EQ(record.top_left.y, 300);

    // Neither a disabled item nor a separator can be chosen.
    log().clear();
    platform::testing::answer_next_popup_menu(5);
    platform::track_popup_menu(menu, 0, {400, 300}, owner);
    platform::testing::answer_next_popup_menu(0);
    platform::track_popup_menu(menu, 0, {400, 300}, owner);
    platform::testing::pump_events();
    EXPECT_TRUE(messages_of(owner, {message::command}).empty());

    platform::testing::answer_next_popup_menu(std::nullopt);
    platform::track_popup_menu(menu, 0, {400, 300}, owner);
    platform::testing::pump_events();
    EXPECT_TRUE(messages_of(owner, {message::command}).empty());
    EXPECT_EQ(platform::testing::last_popup_menu().top_left, (platform::Point{400, 300}));
    platform::destroy_menu(menu);
}

TEST_F(ShellTest, TrayClicksArriveAsTheCallbackWithTheMouseMessage) {
    platform::WindowHandle owner = top_level();
    platform::IconHandle icon = platform::create_icon({1, 1, {252, 192, 0}});
    const platform::MessageId callback = message::app + 100;
    ASSERT_TRUE(
        platform::tray_icon(platform::TrayCommand::Add, {owner, 100, callback, icon, "Tamsel"}));
    EXPECT_EQ(platform::testing::tray_icon_tip(owner, 100), "Tamsel");
    using platform::testing::TrayClick;
    for (const TrayClick click : {TrayClick::Left, TrayClick::Double, TrayClick::Right})
        platform::testing::click_tray_icon(owner, 100, click);
    platform::testing::pump_events();
    std::vector<platform::LParam> mouse;
    for (const Logged& entry : log())
        if (entry.message == callback) mouse.push_back(entry.lparam);
    EXPECT_EQ(mouse, (std::vector<platform::LParam>{514, 515, 517}));
    EXPECT_TRUE(platform::tray_icon(platform::TrayCommand::Delete, {owner, 100, 0, nullptr, ""}));
    EXPECT_FALSE(platform::testing::tray_icon_present(owner, 100));
    EXPECT_FALSE(platform::tray_icon(platform::TrayCommand::Delete, {owner, 100, 0, nullptr, ""}));
    platform::destroy_icon(icon);
}

TEST_F(ShellTest, ProgramsStartedLaterSeeTheDesktopsOwnEnvironment) {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    ASSERT_NE(desktop, nullptr);
    EXPECT_STREQ(desktop, "HostTestDesktop");
}

TEST_F(ShellTest, WebAddressesAreRecordedInsteadOfOpened) {
    platform::testing::record_web_addresses();
    EXPECT_TRUE(platform::open_web_address("http://www.example.com/"));
    EXPECT_EQ(platform::testing::recorded_web_addresses().back(), "http://www.example.com/");
}

} // namespace
} // namespace host_test
