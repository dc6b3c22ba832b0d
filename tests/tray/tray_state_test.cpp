// Hiding to the tray and coming back: the left click on the icon, the menu's "显示" and
// "隐藏", the minimise button, and the way out through "退出".
#include "tests/tray/tray_fixture.h"

#include "app/shell.h"
#include "calc/display.h"

namespace tray_test {
namespace {

using platform::ShowCommand;
using platform::testing::TrayClick;

constexpr std::string_view minimise_button = "最小化"; // the layout names controls in UTF-8

TEST_F(TrayTest, LeftClickHidesAndTheNextShowsActivatedAndCentredEvenAfterADrag) {
    move_elsewhere();
    click_icon(TrayClick::Left);
    EXPECT_FALSE(platform::is_window_visible(window));
    EXPECT_TRUE(icon_present()) << "the icon is the way back";

    click_icon(TrayClick::Left);
    expect_shown_centred_active();
}

TEST_F(TrayTest, HiddenWindowKeepsItsDisplayText) {
    calc::set_display_text("12.5");
    click_icon(TrayClick::Left);
    click_icon(TrayClick::Left);
    EXPECT_EQ(calc::read_display_text(), "12.5");
}

// A double click arrives as release, double-click notification, release.
class DoubleClick : public TrayTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DoubleClick, TogglesTwiceAndEndsAsItStarted) {
    const bool shown = GetParam();
    if (!shown) click_icon(TrayClick::Left);
    ASSERT_EQ(platform::is_window_visible(window), shown);

    click_icon(TrayClick::Left);
    click_icon(TrayClick::Double);
    EXPECT_EQ(platform::is_window_visible(window), !shown)
        << "the notification itself does nothing";
    click_icon(TrayClick::Left);
    EXPECT_EQ(platform::is_window_visible(window), shown);
}

std::string state_name(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "Shown" : "Hidden";
}

INSTANTIATE_TEST_SUITE_P(FromBothStates, DoubleClick, ::testing::Values(true, false), state_name);

TEST_F(TrayTest, PressesMovesAndOtherButtonsDoNothing) {
    // Were the menu opened, this answer would hide the window.
    hooks::answer_next_popup_menu(menu_id(hide_caption));
    for (const platform::MessageId mouse :
         {platform::message::mouse_move, platform::message::left_button_down,
          platform::message::right_button_down, platform::message::middle_button_down,
          platform::message::middle_button_up, platform::message::right_button_double_click}) {
        notify(mouse);
        EXPECT_TRUE(platform::is_window_visible(window)) << mouse;
    }
    // Only the release acts.
    notify(platform::message::left_button_up);
    EXPECT_FALSE(platform::is_window_visible(window));
}

// "显示" shows, activates and centres in every state.
TEST_F(TrayTest, ShowOnAShownWindowMovesItBackToTheCentre) {
    move_elsewhere();
    choose_from_menu(show_caption);
    expect_shown_centred_active();
}

TEST_F(TrayTest, ShowOnAHiddenWindowBringsItBackCentred) {
    click_icon(TrayClick::Left);
    move_elsewhere(); // moved while hidden
    choose_from_menu(show_caption);
    expect_shown_centred_active();
}

TEST_F(TrayTest, HideHidesAndOnAHiddenWindowChangesNothing) {
    choose_from_menu(hide_caption);
    EXPECT_FALSE(platform::is_window_visible(window));
    const Point hidden_place = place();
    choose_from_menu(hide_caption);
    EXPECT_FALSE(platform::is_window_visible(window));
    EXPECT_EQ(place(), hidden_place);
    EXPECT_TRUE(icon_present());
}

TEST_F(TrayTest, MenuClosedWithoutAChoiceChangesNothing) {
    move_elsewhere();
    choose_from_menu(std::nullopt);
    EXPECT_TRUE(platform::is_window_visible(window));
    EXPECT_EQ(place(), (Point{100, 50}));
}

TEST_F(TrayTest, MinimiseButtonHidesToTheTray) {
    click_control(minimise_button);
    EXPECT_FALSE(platform::is_window_visible(window));
    EXPECT_FALSE(platform::is_window_minimised(window)) << "hidden, not minimised";
    click_icon(TrayClick::Left);
    expect_shown_centred_active();
}

TEST_F(TrayTest, AMinimisedWindowCountsAsVisible) {
    platform::show_window(window, ShowCommand::Minimise);
    hooks::pump_events();
    ASSERT_TRUE(platform::is_window_minimised(window));
    EXPECT_TRUE(main_window_visible());

    click_icon(TrayClick::Left);
    EXPECT_FALSE(platform::is_window_visible(window));
    click_icon(TrayClick::Left);
    expect_shown_centred_active();
}

TEST_F(TrayTest, ShowRestoresAMinimisedWindow) {
    move_elsewhere();
    platform::show_window(window, ShowCommand::Minimise);
    hooks::pump_events();
    choose_from_menu(show_caption);
    expect_shown_centred_active();
}

// Without a notification area a hidden window could never come back: it goes to the taskbar.
TEST_F(TrayTest, WithoutANotificationAreaHidingMinimisesInstead) {
    hooks::set_tray_available(false);
    click_control(minimise_button);
    EXPECT_TRUE(platform::is_window_visible(window));
    EXPECT_TRUE(platform::is_window_minimised(window));

    platform::show_window(window, ShowCommand::Restore);
    hooks::pump_events();
    choose_from_menu(hide_caption);
    EXPECT_TRUE(platform::is_window_minimised(window));
    EXPECT_TRUE(hooks::recorded_error_messages().empty()) << "nothing is said about it";

    // A notification area that appears later is used from then on.
    hooks::set_tray_available(true);
    click_icon(TrayClick::Left); // a minimised window counts as visible: hidden now
    EXPECT_FALSE(platform::is_window_visible(window));
    click_icon(TrayClick::Left);
    expect_shown_centred_active();
}

// "退出" ends the program the orderly way, from the running loop, even while hidden.
TEST_F(TrayTest, ExitWhileHiddenEndsTheLoopWithCodeZeroAndRemovesTheIcon) {
    click_icon(TrayClick::Left);
    ASSERT_FALSE(platform::is_window_visible(window));
    app::application.main_window = window;
    // The choice is answered when the loop opens the menu for the posted right click.
    hooks::answer_next_popup_menu(menu_id(exit_caption));
    hooks::click_tray_icon(window, tray_icon_id, TrayClick::Right);

    const int code = app::run_event_loop();
    app::application.event_loop_entered = false;

    EXPECT_EQ(code, 0);
    EXPECT_FALSE(platform::is_window(window));
    EXPECT_FALSE(icon_present());
    EXPECT_EQ(main_window_handle(), nullptr);
}

} // namespace
} // namespace tray_test
