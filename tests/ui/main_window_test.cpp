// The main window as start-up leaves it: placement, frame, controls, keys, moving, painting.
#include "tests/ui/main_window_fixture.h"

#include "calc/display.h"
#include "ui/display.h"

#include <gtest/gtest.h>

namespace {

using platform::Point;
using platform::Rect;
using platform::Size;
namespace testing_hooks = platform::testing;

// --- Placement --------------------------------------------------------------------------------

struct Placement {
    Size screen;
    Point expected;
};

class MainWindowPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(MainWindowPlacement, CentredOnThePrimaryScreenNotAtTheLayoutPlace) {
    testing_hooks::set_primary_screen_size(GetParam().screen);
    const platform::WindowHandle window = create_main_window();
    ASSERT_NE(window, nullptr);
    const Point at = GetParam().expected;
    EXPECT_EQ(platform::window_rect(window), (Rect{at.x, at.y, at.x + 260, at.y + 276}));
    EXPECT_EQ(platform::client_size(window), (Size{260, 276}));
    EXPECT_FALSE(platform::is_window_visible(window)) << "start-up shows it, not creation";
    platform::destroy_window(window);
    testing_hooks::pump_events();
}

INSTANTIATE_TEST_SUITE_P(Screens, MainWindowPlacement,
                         ::testing::Values(Placement{{1920, 1080}, {830, 402}},
                                           Placement{{1366, 768}, {553, 246}}));

TEST(CentredPlace, QuotientsRoundTowardZero) {
    EXPECT_EQ(centred_place({1921, 1081}, {260, 276}), (Point{830, 402}));
    // A screen smaller than the window: -59 / 2 is -29, not -30.
    EXPECT_EQ(centred_place({201, 217}, {260, 276}), (Point{-29, -29}));
}

TEST_F(MainWindowTest, HasNoFrameItsTitleAndIcon) {
    EXPECT_FALSE(testing_hooks::window_has_frame(window));
    EXPECT_EQ(testing_hooks::window_title(window), "\xBC\xC6\xCB\xE3\xC6\xF7"); // 计算器
    EXPECT_TRUE(testing_hooks::window_has_icon(window));
    EXPECT_EQ(main_window_handle(), window);
}

// --- Controls ---------------------------------------------------------------------------------

TEST_F(MainWindowTest, EveryControlIsAVisibleChildAtItsPlace) {
    for (const ui::ControlEntry& entry : ui::main_window_layout.controls) {
        const platform::WindowHandle child = control(entry.name);
        ASSERT_NE(child, nullptr) << entry.name;
        EXPECT_EQ(platform::parent_window(child), window) << entry.name;
        EXPECT_TRUE(platform::is_window_visible(child)) << entry.name;
        const Rect place = platform::window_rect(child);
        EXPECT_EQ(place.left, entry.place.left) << entry.name;
        EXPECT_EQ(place.top, entry.place.top) << entry.name;
        EXPECT_EQ(place.width(), entry.place.width()) << entry.name;
        if (entry.kind != ui::ControlKind::编辑框) {
            EXPECT_EQ(place.height(), entry.place.height()) << entry.name;
        }
    }
}

TEST_F(MainWindowTest, DisplayGrowsToTheLineOfItsFontAndCentresItsTextLine) {
    const platform::WindowHandle edit = display();
    const Rect box = platform::window_rect(edit);
    const std::int32_t edge = platform::edge_height();
    EXPECT_GE(box.height(), 35 + 2 * edge);
    EXPECT_EQ(box.left, 6);
    EXPECT_EQ(box.top, 35);
    EXPECT_EQ(box.width(), 248);
    // Its line: as tall as "W" in its font, centred in the whole box, hidden rows included.
    platform::FontHandle font = platform::create_font(ui::display_settings.font);
    const std::int32_t grown = platform::measure_text(font, ui::display_height_sample).height;
    const std::int32_t line_height = platform::measure_text(font, ui::display_line_sample).height;
    platform::destroy_font(font);
    EXPECT_EQ(box.height(), grown + 2 * edge);
    const Rect line = platform::edit_line_rect(edit);
    EXPECT_EQ(line.height(), line_height);
    EXPECT_EQ(line.top, (box.height() - line_height) / 2);
}

TEST_F(MainWindowTest, DisplaysLowerStripLiesUnderTheTopKeyRow) {
    const Rect box = platform::window_rect(display());
    ASSERT_GT(box.bottom, 72) << "the display must reach under the key row";
    EXPECT_EQ(platform::window_from_point(screen({80, 72})), control("按钮_1"));
    EXPECT_EQ(platform::window_from_point(screen({80, 71})), display());
}

TEST(DisplayRules, HeightAndLineArithmetic) {
    // Grows only when the laid-out height is less than one line plus two edges.
    EXPECT_EQ(ui::display_box({6, 35, 254, 70}, 41, 2), (Rect{6, 35, 254, 80}));
    EXPECT_EQ(ui::display_box({6, 35, 254, 70}, 30, 2), (Rect{6, 35, 254, 70}));
    // (45 - 40) / 2 rounds toward zero.
    EXPECT_EQ(ui::display_line({248, 45}, 40), (Rect{0, 2, 248, 42}));
}

// --- Focus, typing, the filter ---------------------------------------------------------------

TEST_F(MainWindowTest, DisplayHasTheFocusAndTakesTypedDigits) {
    EXPECT_EQ(platform::focus_window(), display());
    testing_hooks::type_text("12a.3-x");
    testing_hooks::pump_events();
    EXPECT_EQ(platform::edit_text(display()), "12.3-");
}

TEST_F(MainWindowTest, PastedTextIsNotFiltered) {
    testing_hooks::paste_text("abc");
    testing_hooks::pump_events();
    EXPECT_EQ(platform::edit_text(display()), "abc");
}

TEST(DisplayFilter, PassesControlCharactersDigitsMinusAndPointOnly) {
    for (std::uint32_t c = 0; c < 32; ++c)
        EXPECT_TRUE(ui::display_accepts_character(c)) << c;
    for (std::uint32_t c : {0x30u, 0x35u, 0x39u, 0x2Du, 0x2Eu}) // 0 5 9 - .
        EXPECT_TRUE(ui::display_accepts_character(c)) << c;
    // space + / , e E, DEL, full-width 0, 吴
    for (std::uint32_t c : {0x20u, 0x2Bu, 0x2Fu, 0x2Cu, 0x65u, 0x45u, 0x7Fu, 0xFF10u, 0x5434u})
        EXPECT_FALSE(ui::display_accepts_character(c)) << c;
}

// --- Window-level keys -----------------------------------------------------------------------

struct EscapeCase {
    const char* name;
    int modifiers;
    bool closes;
};

class MainWindowEscape : public MainWindowTest, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(MainWindowEscape, ClosesOnlyWithoutModifiers) {
    testing_hooks::press_key(platform::key::escape, GetParam().modifiers);
    testing_hooks::pump_events();
    EXPECT_EQ(platform::is_window(window), !GetParam().closes);
    EXPECT_EQ(main_window_handle() == nullptr, GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, MainWindowEscape,
                         ::testing::Values(EscapeCase{"plain", 0, true},
                                           EscapeCase{"ctrl", platform::modifier::control, false},
                                           EscapeCase{"shift", platform::modifier::shift, false},
                                           EscapeCase{"alt", platform::modifier::alt, false}),
                         [](const auto& test_case) { return std::string(test_case.param.name); });

TEST_F(MainWindowTest, EscapeClosesWhileTheWindowItselfHasTheFocus) {
    platform::set_focus(window);
    testing_hooks::pump_events();
    testing_hooks::press_key(platform::key::escape);
    testing_hooks::pump_events();
    EXPECT_FALSE(platform::is_window(window));
}

TEST_F(MainWindowTest, AltF4Closes) {
    testing_hooks::press_key(platform::key::f4, platform::modifier::alt);
    testing_hooks::pump_events();
    EXPECT_FALSE(platform::is_window(window));
}

TEST_F(MainWindowTest, TabKeepsTheFocusAndEnterChangesNothing) {
    testing_hooks::type_text("12");
    for (const platform::WParam key : {platform::key::tab, platform::key::enter}) {
        testing_hooks::press_key(key);
        testing_hooks::pump_events();
        EXPECT_EQ(platform::focus_window(), display()) << key;
        EXPECT_EQ(platform::edit_text(display()), "12") << key;
        EXPECT_TRUE(platform::is_window(window));
    }
}

// --- Moving by the background ----------------------------------------------------------------

struct DragCase {
    const char* name;
    Point from; // client point
    bool moves;
};

class MainWindowDrag : public MainWindowTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(MainWindowDrag, OnlyTheBareBackgroundMovesTheWindow) {
    const Rect before = platform::window_rect(window);
    drag(GetParam().from, {40, 30});
    const Rect after = platform::window_rect(window);
    if (GetParam().moves) {
        EXPECT_EQ(after,
                  (Rect{before.left + 40, before.top + 30, before.right + 40, before.bottom + 30}));
    } else {
        EXPECT_EQ(after, before);
    }
    EXPECT_TRUE(platform::is_window(window));
}

INSTANTIATE_TEST_SUITE_P(Places, MainWindowDrag,
                         ::testing::Values(DragCase{"top_strip", {150, 20}, true},
                                           DragCase{"gap_between_keys", {205, 100}, true},
                                           DragCase{"title_label", {20, 20}, false},
                                           DragCase{"display", {100, 50}, false},
                                           DragCase{"key", {80, 95}, false}),
                         [](const auto& test_case) { return std::string(test_case.param.name); });

// --- Painting ---------------------------------------------------------------------------------

platform::Rgb pixel_at(const platform::RgbImage& image, Point p) {
    const auto at = static_cast<std::size_t>((p.y * image.width + p.x) * 3);
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]};
}

TEST_F(MainWindowTest, BackgroundIsGreyAndTheTitleStandsOnItWithoutABox) {
    const platform::RgbImage pixels = testing_hooks::window_pixels(window);
    ASSERT_EQ(pixels.width, 260);
    ASSERT_EQ(pixels.height, 276);
    const platform::Rgb grey = {227, 227, 227};
    EXPECT_EQ(pixel_at(pixels, {150, 20}), grey);  // top strip
    EXPECT_EQ(pixel_at(pixels, {205, 100}), grey); // gap between keys
    // The label's rectangle (8, 8, 112 x 24): its corners show the window colour, and its
    // text leaves dark pixels.
    EXPECT_EQ(pixel_at(pixels, {8, 8}), grey);
    EXPECT_EQ(pixel_at(pixels, {119, 31}), grey);
    int dark = 0;
    for (int y = 8; y < 32; ++y)
        for (int x = 8; x < 120; ++x)
            dark += pixel_at(pixels, {x, y}).red < 100 ? 1 : 0;
    EXPECT_GT(dark, 30);
    // The display is white.
    EXPECT_EQ(pixel_at(pixels, {10, 40}), (platform::Rgb{255, 255, 255}));
}

// --- The calculator on the real display ------------------------------------------------------

TEST_F(MainWindowTest, KeysComputeOnTheDisplayAndNeverTakeTheFocus) {
    for (const char* key : {"按钮_7", "按钮_加法", "按钮_8", "按钮_等于"})
        click_control(key);
    EXPECT_EQ(platform::edit_text(display()), "15");
    EXPECT_EQ(platform::focus_window(), display());
}

TEST_F(MainWindowTest, AppendGoesToTheEndAndCannotBeUndone) {
    testing_hooks::type_text("12");
    platform::edit_set_selection(display(), {0, 1});
    calc::append_display_text("3");
    EXPECT_EQ(platform::edit_text(display()), "123");
    const platform::Selection caret = platform::edit_selection(display());
    EXPECT_EQ(caret.start, 3);
    EXPECT_EQ(caret.end, 3);
    testing_hooks::press_key('Z', platform::modifier::control);
    testing_hooks::pump_events();
    EXPECT_NE(platform::edit_text(display()).find('3'), std::string::npos);
}

// --- Centring while running ------------------------------------------------------------------

TEST_F(MainWindowTest, CentringMovesAVisibleWindowBack) {
    platform::move_window(window, {10, 20, 270, 296});
    centre_main_window();
    EXPECT_EQ(platform::window_rect(window), (Rect{270, 162, 530, 438}));
}

TEST_F(MainWindowTest, CentringLeavesAHiddenWindowAlone) {
    platform::move_window(window, {10, 20, 270, 296});
    platform::show_window(window, platform::ShowCommand::Hide);
    centre_main_window();
    EXPECT_EQ(platform::window_rect(window), (Rect{10, 20, 270, 296}));
    EXPECT_FALSE(platform::is_window_visible(window));
}

TEST_F(MainWindowTest, CentringRestoresAMinimisedWindow) {
    platform::move_window(window, {10, 20, 270, 296});
    platform::show_window(window, platform::ShowCommand::Minimise);
    testing_hooks::pump_events();
    centre_main_window();
    testing_hooks::pump_events();
    EXPECT_FALSE(platform::is_window_minimised(window));
    EXPECT_EQ(platform::window_rect(window), (Rect{270, 162, 530, 438}));
}

} // namespace
