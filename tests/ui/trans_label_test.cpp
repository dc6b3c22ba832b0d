// The transparent label on a plain parent: its press event and how it paints.
#include "platform/testing.h"
#include "platform/window_system.h"
#include "ui/trans_label.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using platform::Point;
namespace testing_hooks = platform::testing;

constexpr platform::Rgb parent_colour = {227, 227, 227};

struct Press {
    std::int32_t x = -1, y = -1, modifiers = -1;
    int count = 0;
};
Press last_press;

void record_press(std::int32_t x, std::int32_t y, std::int32_t modifiers) {
    last_press = {x, y, modifiers, last_press.count + 1};
}

class TransLabelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        last_press = {};
        ASSERT_TRUE(
            platform::register_window_class({.name = "LabelTestParent",
                                             .procedure = platform::default_window_procedure,
                                             .background = parent_colour}));
        parent = platform::create_window(
            {.class_name = "LabelTestParent", .title = "t", .place = {100, 100, 300, 200}});
        ASSERT_NE(parent, nullptr);
        label = ui::TransLabel::create(parent, {.place = {8, 8, 120, 32},
                                                .text = ui::title_label_text,
                                                .font = ui::title_label_font,
                                                .text_colour = ui::title_label_colour});
        ASSERT_TRUE(label);
        label->LeftButtonPressed = record_press;
        platform::show_window(label->window(), platform::ShowCommand::ShowNoActivate);
        platform::show_window(parent, platform::ShowCommand::Show);
        testing_hooks::pump_events();
    }
    void TearDown() override {
        label.reset();
        platform::destroy_window(parent);
        testing_hooks::pump_events();
    }
    platform::WindowHandle parent = nullptr;
    std::unique_ptr<ui::TransLabel> label;
};

struct PressCase {
    const char* name;
    int modifiers;
};
class TransLabelPress : public TransLabelTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(TransLabelPress, ReportsItsOwnCoordinatesAndTheModifiers) {
    testing_hooks::press_mouse(platform::client_to_screen(label->window(), {5, 7}),
                               testing_hooks::MouseButton::Left, GetParam().modifiers);
    testing_hooks::release_mouse(platform::client_to_screen(label->window(), {5, 7}),
                                 testing_hooks::MouseButton::Left, GetParam().modifiers);
    testing_hooks::pump_events();
    EXPECT_EQ(last_press.count, 1);
    EXPECT_EQ(last_press.x, 5);
    EXPECT_EQ(last_press.y, 7);
    EXPECT_EQ(last_press.modifiers, GetParam().modifiers);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, TransLabelPress,
                         ::testing::Values(PressCase{"none", 0},
                                           PressCase{"ctrl", platform::modifier::control},
                                           PressCase{"shift", platform::modifier::shift},
                                           PressCase{"alt", platform::modifier::alt},
                                           PressCase{"all", platform::modifier::control |
                                                                platform::modifier::shift |
                                                                platform::modifier::alt}),
                         [](const auto& test_case) { return std::string(test_case.param.name); });

TEST_F(TransLabelTest, RightButtonIsNoPress) {
    testing_hooks::click_mouse(platform::client_to_screen(label->window(), {5, 7}),
                               testing_hooks::MouseButton::Right);
    testing_hooks::pump_events();
    EXPECT_EQ(last_press.count, 0);
}

TEST_F(TransLabelTest, RepaintsOnTheParentsColourWithoutTraces) {
    // Paint the label many times over: a label that drew without the parent's background
    // beneath would thicken its anti-aliased text each time.
    const platform::RgbImage first = testing_hooks::window_pixels(parent);
    for (int i = 0; i < 5; ++i) {
        platform::invalidate_window(label->window());
        platform::repaint_now(label->window());
    }
    testing_hooks::pump_events();
    const platform::RgbImage again = testing_hooks::window_pixels(parent);
    EXPECT_EQ(first.pixels, again.pixels);
    // Outside the text the parent's colour shows, inside the label's rectangle too.
    const auto at = static_cast<std::size_t>((30 * first.width + 118) * 3);
    EXPECT_EQ((platform::Rgb{first.pixels[at], first.pixels[at + 1], first.pixels[at + 2]}),
              parent_colour);
}

} // namespace
