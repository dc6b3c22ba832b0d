// The picture button driven through the real host (offscreen Qt) with mouse input at screen
// points: looks, capture, clicks, two-state buttons, enable state, pictures, shape and focus.
#include "ui/pic_btn.h"

#include "platform/testing.h"
#include "platform/window_system.h"
#include "rect_printer.h"
#include "test_jpeg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace platform;
using platform::testing::MouseButton;
using ui::PicBtn;
using ui::PicBtnLook;
namespace host = platform::testing;

constexpr Rgb parent_colour{227, 227, 227};
constexpr Rgb normal_colour{240, 40, 40};
constexpr Rgb hover_colour{40, 200, 40};
constexpr Rgb pressed_colour{40, 40, 220};
constexpr Rgb disabled_colour{200, 200, 40};
constexpr Point parent_origin{100, 100};

// Clicks are counted per button; the handlers are plain functions, as the layout binds them.
int clicks_a = 0;
int clicks_b = 0;
void click_a() {
    ++clicks_a;
}
void click_b() {
    ++clicks_b;
}

class StartHost : public ::testing::Environment {
  public:
    void SetUp() override { ASSERT_TRUE(start_window_system()); }
    void TearDown() override { stop_window_system(); }
};
const auto* const host_environment = ::testing::AddGlobalTestEnvironment(new StartHost);

bool near(Rgb a, Rgb b) {
    auto close = [](int x, int y) { return std::abs(x - y) <= 4; };
    return close(a.red, b.red) && close(a.green, b.green) && close(a.blue, b.blue);
}
std::string text(Rgb c) {
    return "(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
           std::to_string(c.blue) + ")";
}

// Settings built by assignment, so a test names only what it changes.
template <typename Edit>
ui::PicBtnSettings with(Edit edit) {
    ui::PicBtnSettings settings;
    edit(settings);
    return settings;
}

struct Pictures {
    std::vector<std::uint8_t> normal, hover, pressed, disabled;
};
Pictures pictures_of_size(std::int32_t width, std::int32_t height) {
    return {test::solid_jpeg(width, height, normal_colour),
            test::solid_jpeg(width, height, hover_colour),
            test::solid_jpeg(width, height, pressed_colour),
            test::solid_jpeg(width, height, disabled_colour)};
}

// A parent window at (100, 100) holding two 48 x 48 push buttons three pixels apart, as the
// keys of the keypad are: A at (10, 10), B at (61, 10).
class PicBtnTest : public ::testing::Test {
  protected:
    static constexpr Rect place_a{10, 10, 58, 58};
    static constexpr Rect place_b{61, 10, 109, 58};

    void SetUp() override {
        clicks_a = clicks_b = 0;
        WindowClass parent_class;
        parent_class.name = "PicBtnTestParent";
        parent_class.procedure = default_window_procedure;
        parent_class.background = parent_colour;
        ASSERT_TRUE(register_window_class(parent_class));
        WindowCreation creation;
        creation.class_name = parent_class.name;
        creation.place = {parent_origin.x, parent_origin.y, parent_origin.x + 200,
                          parent_origin.y + 100};
        parent = create_window(creation);
        ASSERT_NE(parent, nullptr);
        a = make(place_a);
        b = make(place_b);
        a->Click = click_a;
        b->Click = click_b;
        show_window(parent, ShowCommand::Show);
        host::pump_events();
        // Start each test with the pointer away from every window of the fixture.
        host::move_mouse({20, 20});
        host::pump_events();
    }
    void TearDown() override {
        release_capture();
        a.reset();
        b.reset();
        extra.reset();
        destroy_window(parent);
        host::pump_events();
    }

    std::unique_ptr<PicBtn> make(Rect place, ui::PicBtnSettings settings = {}) {
        settings.place = place;
        if (settings.normal_picture.empty() && settings.hover_picture.empty() &&
            settings.pressed_picture.empty() && settings.disabled_picture.empty() && !no_pictures) {
            settings.normal_picture = pictures.normal;
            settings.hover_picture = pictures.hover;
            settings.pressed_picture = pictures.pressed;
        }
        auto button = PicBtn::create(parent, settings);
        EXPECT_NE(button, nullptr);
        return button;
    }

    // A screen point inside a control, by its offset from the control's top-left corner.
    static Point at(Rect place, std::int32_t dx, std::int32_t dy) {
        return {parent_origin.x + place.left + dx, parent_origin.y + place.top + dy};
    }
    static Point centre(Rect place) { return at(place, place.width() / 2, place.height() / 2); }

    void move(Point p) {
        host::move_mouse(p);
        host::pump_events();
    }
    void press(Point p, MouseButton button = MouseButton::Left) {
        host::press_mouse(p, button);
        host::pump_events();
    }
    void release(Point p, MouseButton button = MouseButton::Left) {
        host::release_mouse(p, button);
        host::pump_events();
    }

    // The colour painted at a point of the parent's client area.
    Rgb colour_at(Point client) {
        const RgbImage image = host::window_pixels(parent);
        const auto i = static_cast<std::size_t>((client.y * image.width + client.x) * 3);
        if (image.pixels.size() < i + 3) return {};
        return {image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]};
    }
    Rgb colour_in(Rect place, std::int32_t dx, std::int32_t dy) {
        return colour_at({place.left + dx, place.top + dy});
    }

    Pictures pictures = pictures_of_size(48, 48);
    bool no_pictures = false;
    WindowHandle parent = nullptr;
    std::unique_ptr<PicBtn> a, b, extra;
};

TEST_F(PicBtnTest, StartsNormalShowingTheNormalPicture) {
    EXPECT_EQ(a->look(), PicBtnLook::Normal);
    EXPECT_PRED2(near, colour_in(place_a, 24, 24), normal_colour);
    EXPECT_PRED2(near, colour_in(place_a, 0, 0), normal_colour);
    EXPECT_PRED2(near, colour_in(place_a, 47, 47), normal_colour);
}

TEST_F(PicBtnTest, PressAndReleaseInsideClicksOnceThenNormalUntilTheNextMove) {
    move(centre(place_a));
    EXPECT_EQ(a->look(), PicBtnLook::Hover);
    EXPECT_EQ(capture_window(), a->window());
    EXPECT_PRED2(near, colour_in(place_a, 24, 24), hover_colour);

    press(centre(place_a));
    EXPECT_EQ(a->look(), PicBtnLook::Pressed);
    EXPECT_PRED2(near, colour_in(place_a, 24, 24), pressed_colour);

    // The look is already back to normal when the handler runs.
    static PicBtnLook look_in_click;
    static PicBtn* clicked;
    clicked = a.get();
    a->Click = [] {
        ++clicks_a;
        look_in_click = clicked->look();
    };
    release(centre(place_a));
    EXPECT_EQ(clicks_a, 1);
    EXPECT_EQ(look_in_click, PicBtnLook::Normal);
    EXPECT_EQ(a->look(), PicBtnLook::Normal);
    EXPECT_EQ(capture_window(), nullptr);
    EXPECT_PRED2(near, colour_in(place_a, 24, 24), normal_colour);

    move(at(place_a, 25, 24));
    EXPECT_EQ(a->look(), PicBtnLook::Hover);
    EXPECT_EQ(clicks_b, 0);
}

TEST_F(PicBtnTest, DragOffKeepsTheCaptureAndDragBackClicks) {
    move(centre(place_a));
    press(centre(place_a));
    const Point background{parent_origin.x + 150, parent_origin.y + 80};
    move(background);
    EXPECT_EQ(a->look(), PicBtnLook::Normal);
    EXPECT_EQ(capture_window(), a->window());
    move(centre(place_a));
    EXPECT_EQ(a->look(), PicBtnLook::Pressed);
    release(centre(place_a));
    EXPECT_EQ(clicks_a, 1);
}

TEST_F(PicBtnTest, ReleaseOutsideDoesNotClickAndFreesTheCapture) {
    move(centre(place_a));
    press(centre(place_a));
    const Point background{parent_origin.x + 150, parent_origin.y + 80};
    move(background);
    release(background);
    EXPECT_EQ(clicks_a, 0);
    EXPECT_EQ(a->look(), PicBtnLook::Normal);
    EXPECT_EQ(capture_window(), nullptr);
}

TEST_F(PicBtnTest, ReleaseOverTheNeighbourClicksNowhere) {
    move(centre(place_a));
    press(centre(place_a));
    move(centre(place_b));
    EXPECT_EQ(a->look(), PicBtnLook::Normal);
    EXPECT_EQ(b->look(), PicBtnLook::Normal) << "the neighbour sees nothing while A holds on";
    release(centre(place_b));
    EXPECT_EQ(clicks_a, 0);
    EXPECT_EQ(clicks_b, 0);
    EXPECT_EQ(capture_window(), nullptr);
    move(at(place_b, 20, 20));
    EXPECT_EQ(b->look(), PicBtnLook::Hover);
}

TEST_F(PicBtnTest, DoubleClickClicksTwice) {
    move(centre(place_a));
    host::double_click_mouse(centre(place_a));
    host::pump_events();
    EXPECT_EQ(clicks_a, 2);
    EXPECT_EQ(a->look(), PicBtnLook::Normal);
    EXPECT_EQ(capture_window(), nullptr);
}

TEST_F(PicBtnTest, SecondPressOfADoubleClickChangesNothing) {
    move(centre(place_a));
    release_capture();
    const std::uint32_t paints = a->paint_count();
    send_message(a->window(), message::left_button_double_click, mouse_state::left_button,
                 pack_point({24, 24}));
    EXPECT_EQ(a->look(), PicBtnLook::Hover);
    EXPECT_EQ(capture_window(), nullptr);
    EXPECT_EQ(a->paint_count(), paints);
}

TEST_F(PicBtnTest, CrossingTheGapNeverLeavesTwoButtonsInHover) {
    for (std::int32_t x = 30; x <= 80; ++x) {
        move({parent_origin.x + x, parent_origin.y + 30});
        EXPECT_FALSE(a->look() == PicBtnLook::Hover && b->look() == PicBtnLook::Hover)
            << "at x " << x;
        const bool in_gap = x >= place_a.right && x < place_b.left;
        if (in_gap) {
            EXPECT_EQ(a->look(), PicBtnLook::Normal) << "at x " << x;
            EXPECT_EQ(b->look(), PicBtnLook::Normal) << "at x " << x;
        }
    }
    EXPECT_EQ(a->look(), PicBtnLook::Normal);
    EXPECT_EQ(b->look(), PicBtnLook::Hover);
    EXPECT_EQ(capture_window(), b->window());
}

TEST_F(PicBtnTest, AJumpStraightOntoTheNeighbourHoversItFromItsFirstMove) {
    move(centre(place_a));
    move(centre(place_b)); // A holds the capture, sees the pointer elsewhere and lets go
    EXPECT_EQ(a->look(), PicBtnLook::Normal);
    EXPECT_NE(b->look(), PicBtnLook::Hover);
    move(at(place_b, 25, 25));
    EXPECT_EQ(a->look(), PicBtnLook::Normal);
    EXPECT_EQ(b->look(), PicBtnLook::Hover);
}

TEST_F(PicBtnTest, RightAndMiddleButtonsWheelAndKeysDoNothing) {
    move(centre(place_a));
    for (MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
        press(centre(place_a), button);
        EXPECT_EQ(a->look(), PicBtnLook::Hover);
        release(centre(place_a), button);
        EXPECT_EQ(a->look(), PicBtnLook::Hover);
    }
    for (MessageId m : {message::mouse_wheel, message::key_down, message::char_typed}) {
        send_message(a->window(), m, key::enter, 0);
    }
    EXPECT_EQ(a->look(), PicBtnLook::Hover);
    EXPECT_EQ(clicks_a, 0);
}

TEST_F(PicBtnTest, SetLookRepaintsOnlyOnAChange) {
    const std::uint32_t paints_a = a->paint_count();
    const std::uint32_t paints_b = b->paint_count();
    a->set_look(PicBtnLook::Normal);
    EXPECT_EQ(a->paint_count(), paints_a);
    a->set_look(PicBtnLook::Hover);
    EXPECT_EQ(a->paint_count(), paints_a + 1) << "painted at once, before returning";
    EXPECT_EQ(b->paint_count(), paints_b) << "a look change repaints one control only";
    EXPECT_EQ(host::paint_count(a->window()), paints_a + 1);
    a->set_look(PicBtnLook::Hover);
    EXPECT_EQ(a->paint_count(), paints_a + 1);
    // Reading the pixels back paints the window once more, so this comes last.
    EXPECT_PRED2(near, colour_in(place_a, 24, 24), hover_colour);
}

TEST_F(PicBtnTest, TwoStateButtonTogglesOnEachClickAndIgnoresThePointer) {
    extra = make({120, 10, 168, 58}, with([](auto& s) {
                     s.two_state = 1;
                     s.toggled = 1;
                 }));
    static int clicks;
    clicks = 0;
    extra->Click = [] { ++clicks; };
    host::pump_events();
    const Rect place{120, 10, 168, 58};
    EXPECT_EQ(extra->look(), PicBtnLook::Pressed);
    EXPECT_TRUE(extra->toggled());

    move(centre(place));
    EXPECT_EQ(extra->look(), PicBtnLook::Pressed) << "the pointer does not change the look";
    EXPECT_EQ(capture_window(), nullptr);
    press(centre(place));
    EXPECT_EQ(extra->look(), PicBtnLook::Pressed);
    release(centre(place));
    EXPECT_FALSE(extra->toggled());
    EXPECT_EQ(extra->look(), PicBtnLook::Normal);
    EXPECT_EQ(clicks, 1);
    host::click_mouse(centre(place));
    host::pump_events();
    EXPECT_TRUE(extra->toggled());
    EXPECT_EQ(extra->look(), PicBtnLook::Pressed);
    EXPECT_EQ(clicks, 2);
}

TEST_F(PicBtnTest, ToggledIsIgnoredForAPushButton) {
    extra = make({120, 10, 168, 58}, with([](auto& s) { s.toggled = 1; }));
    EXPECT_EQ(extra->look(), PicBtnLook::Normal);
    EXPECT_FALSE(extra->toggled());
}

TEST_F(PicBtnTest, DisabledButtonShowsItsDisabledPictureAndIgnoresTheMouse) {
    extra = make({120, 10, 168, 58}, with([&](auto& s) {
                     s.normal_picture = pictures.normal;
                     s.disabled_picture = pictures.disabled;
                 }));
    static int clicks;
    clicks = 0;
    extra->Click = [] { ++clicks; };
    const Rect place{120, 10, 168, 58};
    enable_window(extra->window(), false);
    host::pump_events();
    EXPECT_PRED2(near, colour_in(place, 24, 24), disabled_colour);
    host::click_mouse(centre(place));
    host::pump_events();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(extra->look(), PicBtnLook::Normal);
    EXPECT_EQ(capture_window(), nullptr);

    enable_window(extra->window(), true);
    host::pump_events();
    EXPECT_PRED2(near, colour_in(place, 24, 24), normal_colour);
}

TEST_F(PicBtnTest, DisabledWithoutDisabledPictureKeepsThePictureOfItsLook) {
    a->set_look(PicBtnLook::Pressed);
    enable_window(a->window(), false);
    host::pump_events();
    EXPECT_PRED2(near, colour_in(place_a, 24, 24), pressed_colour);
}

// Which picture shows, by look and by the pictures present. "bad" is data that is not a
// picture, which counts as none.
TEST_F(PicBtnTest, ShownPictureFallsBackToTheNormalPictureThenToBlack) {
    const std::vector<std::uint8_t> bad = {0xFF, 0xD8, 0xFF, 0xE0, 0, 1, 2, 3, 4, 5, 6};
    struct Case {
        const char* name;
        bool normal, hover, pressed, corrupt_hover;
        PicBtnLook look;
        Rgb expected;
    };
    constexpr Rgb black{0, 0, 0};
    const Case cases[] = {
        {"hover shows hover", true, true, true, false, PicBtnLook::Hover, hover_colour},
        {"pressed shows pressed", true, true, true, false, PicBtnLook::Pressed, pressed_colour},
        {"no hover picture: normal", true, false, true, false, PicBtnLook::Hover, normal_colour},
        {"no pressed picture: normal", true, true, false, false, PicBtnLook::Pressed,
         normal_colour},
        {"undecodable hover: normal", true, true, true, true, PicBtnLook::Hover, normal_colour},
        {"nothing but hover, normal look: black", false, true, false, false, PicBtnLook::Normal,
         black},
        {"no picture at all: black", false, false, false, false, PicBtnLook::Hover, black},
    };
    const Rect place{120, 10, 168, 58};
    for (const Case& c : cases) {
        ui::PicBtnSettings settings;
        if (c.normal) settings.normal_picture = pictures.normal;
        if (c.hover) settings.hover_picture = c.corrupt_hover ? bad : pictures.hover;
        if (c.pressed) settings.pressed_picture = pictures.pressed;
        no_pictures = true;
        extra = make(place, settings);
        extra->set_look(c.look);
        host::pump_events();
        const Rgb shown = colour_in(place, 24, 24);
        EXPECT_TRUE(near(shown, c.expected)) << c.name << ": " << text(shown);
        extra.reset();
    }
}

TEST_F(PicBtnTest, SmallerPictureSitsTopLeftOnBlackAndALargerOneIsCut) {
    const Rect place{120, 10, 168, 58};
    const auto small = test::solid_jpeg(16, 8, normal_colour);
    extra = make(place, with([&](auto& s) { s.normal_picture = small; }));
    host::pump_events();
    EXPECT_PRED2(near, colour_in(place, 0, 0), normal_colour);
    EXPECT_PRED2(near, colour_in(place, 15, 7), normal_colour);
    EXPECT_PRED2(near, colour_in(place, 16, 7), (Rgb{0, 0, 0}));
    EXPECT_PRED2(near, colour_in(place, 15, 8), (Rgb{0, 0, 0}));
    EXPECT_PRED2(near, colour_in(place, 47, 47), (Rgb{0, 0, 0}));

    const auto large = test::solid_jpeg(96, 96, hover_colour);
    extra = make(place, with([&](auto& s) { s.normal_picture = large; }));
    host::pump_events();
    EXPECT_PRED2(near, colour_in(place, 47, 47), hover_colour);
    EXPECT_PRED2(near, colour_at({place.right + 1, 30}), parent_colour) << "nothing spills over";
}

// A grey picture with a transparent black frame one block wide: 24 x 24 pixels, the middle
// 8 x 8 block white. The shape keeps only that block.
TEST_F(PicBtnTest, TransparentColourCutsTheShape) {
    const auto framed = test::grey_jpeg(24, 24, [](int x, int y) -> std::uint8_t {
        return x >= 8 && x < 16 && y >= 8 && y < 16 ? 255 : 0;
    });
    const Rect place{120, 10, 168, 58}; // larger than the picture: the rest is outside too
    extra = make(place, with([&](auto& s) {
                     s.normal_picture = framed;
                     s.transparent_colour = Rgb{0, 0, 0};
                 }));
    host::pump_events();
    auto window_at = [&](std::int32_t dx, std::int32_t dy) {
        return window_from_point(at(place, dx, dy));
    };
    // The host keeps the union of the runs (the exact runs: the OpaqueRuns tests).
    EXPECT_EQ(host::window_shape_rects(extra->window()), (std::vector<Rect>{{8, 8, 16, 16}}));
    EXPECT_EQ(window_at(8, 8), extra->window());
    EXPECT_EQ(window_at(15, 15), extra->window());
    EXPECT_EQ(window_at(7, 12), parent) << "transparent pixel";
    EXPECT_EQ(window_at(12, 16), parent) << "transparent pixel";
    EXPECT_EQ(window_at(40, 40), parent) << "outside the picture";
    EXPECT_PRED2(near, colour_in(place, 12, 12), (Rgb{255, 255, 255}));
    EXPECT_PRED2(near, colour_in(place, 4, 4), parent_colour);
    EXPECT_PRED2(near, colour_in(place, 40, 40), parent_colour);

    // The pointer over a cut-out pixel is not over the button.
    move(at(place, 4, 4));
    EXPECT_EQ(extra->look(), PicBtnLook::Normal);
    move(at(place, 12, 12));
    EXPECT_EQ(extra->look(), PicBtnLook::Hover);
}

// Disabling switches to the disabled picture and rebuilds the shape from it; enabling again
// brings back the normal picture's shape.
TEST_F(PicBtnTest, EnableChangeRebuildsTheShape) {
    const auto left_half =
        test::grey_jpeg(16, 8, [](int x, int) -> std::uint8_t { return x < 8 ? 255 : 0; });
    const auto right_half =
        test::grey_jpeg(16, 8, [](int x, int) -> std::uint8_t { return x < 8 ? 0 : 255; });
    extra = make({120, 10, 136, 18}, with([&](auto& s) {
                     s.normal_picture = left_half;
                     s.disabled_picture = right_half;
                     s.transparent_colour = Rgb{0, 0, 0};
                 }));
    // The host keeps the union of the one-pixel runs.
    auto rows = [](std::int32_t left, std::int32_t right) {
        return std::vector<Rect>{{left, 0, right, 8}};
    };
    EXPECT_EQ(host::window_shape_rects(extra->window()), rows(0, 8));
    const std::uint32_t paints = extra->paint_count();
    enable_window(extra->window(), false);
    EXPECT_EQ(host::window_shape_rects(extra->window()), rows(8, 16));
    EXPECT_GT(extra->paint_count(), paints) << "repainted at once";
    enable_window(extra->window(), true);
    EXPECT_EQ(host::window_shape_rects(extra->window()), rows(0, 8));
}

TEST_F(PicBtnTest, PointerShowsTheButtonsCursorOrTheArrow) {
    const Rect hand_place{120, 10, 168, 58};
    extra = make(hand_place, with([](auto& s) { s.cursor = platform::CursorShape::PointingHand; }));
    host::pump_events();
    EXPECT_EQ(host::cursor_shape_at(centre(hand_place)), CursorShape::PointingHand);
    EXPECT_EQ(host::cursor_shape_at(centre(place_a)), CursorShape::Arrow)
        << "no cursor of its own: the class's arrow";
}

TEST_F(PicBtnTest, ClickingButtonsLeavesTheFocusAndCaretInTheEditControl) {
    WindowCreation creation;
    creation.class_name = edit_class_name;
    creation.style = style::child | style::visible | style::tab_stop;
    creation.place = {10, 70, 190, 95};
    creation.parent = parent;
    const WindowHandle edit = create_window(creation);
    ASSERT_NE(edit, nullptr);
    edit_set_text(edit, "123");
    set_focus(edit);
    edit_set_selection(edit, {1, 1});
    host::pump_events();
    ASSERT_EQ(focus_window(), edit);
    for (Rect place : {place_a, place_b, place_a}) {
        host::click_mouse(centre(place));
        host::pump_events();
        EXPECT_EQ(focus_window(), edit);
    }
    host::double_click_mouse(centre(place_b));
    host::pump_events();
    EXPECT_EQ(focus_window(), edit);
    EXPECT_EQ(edit_selection(edit).start, 1);
    EXPECT_EQ(edit_selection(edit).end, 1);
    EXPECT_EQ(clicks_a, 2);
    EXPECT_EQ(clicks_b, 3);
    // Tab never lands on a picture button.
    host::press_key(key::tab);
    host::pump_events();
    EXPECT_NE(focus_window(), a->window());
    EXPECT_NE(focus_window(), b->window());
    destroy_window(edit);
}

TEST_F(PicBtnTest, DestroyingTheParentFirstLeavesTheControlSafe) {
    destroy_window(parent);
    host::pump_events();
    EXPECT_EQ(a->window(), nullptr);
    a->set_look(PicBtnLook::Pressed); // nothing to paint, nothing to crash
    a.reset();
    parent = nullptr;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
