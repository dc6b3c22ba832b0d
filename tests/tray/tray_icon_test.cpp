// The tray icon: added with the window, its tip, a broken icon file, its removal with the
// window, and its return when the notification area comes back.
#include "tests/tray/tray_fixture.h"

#include "ui/main_window_events.h"
#include "ui/picture_data.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tray_test {
namespace {

using platform::testing::TrayClick;

constexpr std::string_view program_tip = "Tamsel\xBC\xC6\xCB\xE3\xC6\xF7"; // Tamsel计算器

TEST_F(TrayTest, IconIsThereFromCreationWithTheProgramsTip) {
    EXPECT_TRUE(icon_present());
    EXPECT_TRUE(hooks::tray_icon_has_icon(window, tray_icon_id));
    EXPECT_EQ(hooks::tray_icon_tip(window, tray_icon_id), program_tip);
}

TEST_F(TrayTest, DestroyingTheWindowRemovesTheIcon) {
    platform::destroy_window(window);
    hooks::pump_events();
    EXPECT_FALSE(hooks::tray_icon_present(window, tray_icon_id));
}

struct TipCase {
    const char* name;
    std::string tip;
    std::string shown;
};

class TrayTip : public TrayTest, public ::testing::WithParamInterface<TipCase> {};

TEST_P(TrayTip, IsCutAt62Bytes) {
    add_tray_icon(ui::window_icon_file, GetParam().tip);
    EXPECT_TRUE(icon_present());
    EXPECT_EQ(hooks::tray_icon_tip(window, tray_icon_id), GetParam().shown);
}

const std::string a61(61, 'a');
const std::string a62(62, 'a');
INSTANTIATE_TEST_SUITE_P(
    Lengths, TrayTip,
    ::testing::Values(TipCase{"Short", std::string(program_tip), std::string(program_tip)},
                      TipCase{"Empty", "", ""}, TipCase{"Exactly62", a62, a62},
                      TipCase{"Is63", a62 + "b", a62},
                      // 计 (BC C6) across the cut: only its lead byte is kept.
                      TipCase{"TwoByteCharacterAcrossTheCut", a61 + "\xBC\xC6", a61 + "\xBC"}),
    case_name<TipCase>);

std::vector<std::uint8_t> icon_bytes() {
    return {ui::window_icon_file.begin(), ui::window_icon_file.end()};
}

struct BrokenIcon {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

std::vector<BrokenIcon> broken_icons() {
    std::vector<BrokenIcon> cases;
    cases.push_back({"Empty", {}});
    cases.push_back({"DirectoryOnly", {0, 0, 1, 0, 1, 0}});
    auto truncated = icon_bytes();
    truncated.resize(truncated.size() / 2);
    cases.push_back({"Truncated", truncated});
    auto reserved = icon_bytes();
    reserved[0] = 1;
    cases.push_back({"ReservedNotZero", reserved});
    auto no_entries = icon_bytes();
    no_entries[4] = 0;
    cases.push_back({"NoEntries", no_entries});
    auto far_offset = icon_bytes();
    far_offset[18] = 0xFF; // image offset beyond the file
    far_offset[19] = 0xFF;
    cases.push_back({"ImageOffsetBeyondTheFile", far_offset});
    return cases;
}

class BrokenIconFile : public TrayTest, public ::testing::WithParamInterface<BrokenIcon> {};

TEST_P(BrokenIconFile, LeavesNoIconAndTheProgramRunsOn) {
    remove_tray_icon();
    ASSERT_FALSE(icon_present());
    add_tray_icon(GetParam().bytes, program_tip);
    EXPECT_FALSE(icon_present());
    // With no icon to come back through, hiding must not strand the window.
    hide_main_window(); // what 最小化 and "隐藏" do
    hooks::pump_events();
    EXPECT_TRUE(platform::is_window_visible(window));
    EXPECT_TRUE(platform::is_window_minimised(window));
    EXPECT_TRUE(hooks::recorded_error_messages().empty());
}

TEST_P(BrokenIconFile, ReplacingAShownIconTakesItAway) {
    add_tray_icon(GetParam().bytes, program_tip);
    EXPECT_FALSE(icon_present());
    add_tray_icon(ui::window_icon_file, program_tip); // and a good one adds it again
    EXPECT_TRUE(icon_present());
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenIconFile, ::testing::ValuesIn(broken_icons()),
                         case_name<BrokenIcon>);

// The notification area restarted and lost the icon: it is added again when the area comes
// back, so a hidden window can still be brought back.
TEST_F(TrayTest, IconReturnsWhenTheNotificationAreaComesBack) {
    click_icon(TrayClick::Left);
    ASSERT_FALSE(platform::is_window_visible(window));
    platform::tray_icon(
        platform::TrayCommand::Delete,
        {.owner = window, .id = tray_icon_id, .callback_message = 0, .icon = nullptr, .tip = {}});
    ASSERT_FALSE(icon_present());

    hooks::announce_tray_created();
    hooks::pump_events();
    ASSERT_TRUE(icon_present());
    EXPECT_EQ(hooks::tray_icon_tip(window, tray_icon_id), program_tip);
    EXPECT_TRUE(hooks::tray_icon_has_icon(window, tray_icon_id));

    click_icon(TrayClick::Left);
    expect_shown_centred_active();
}

TEST_F(TrayTest, AnAreaThatKeptTheIconKeepsExactlyIt) {
    hooks::announce_tray_created();
    hooks::pump_events();
    EXPECT_TRUE(icon_present());
    EXPECT_EQ(hooks::tray_icon_tip(window, tray_icon_id), program_tip);
}

TEST_F(TrayTest, AfterTheIconIsRemovedAReturningAreaAddsNothing) {
    remove_tray_icon();
    hooks::announce_tray_created();
    hooks::pump_events();
    EXPECT_FALSE(icon_present());
}

} // namespace
} // namespace tray_test
