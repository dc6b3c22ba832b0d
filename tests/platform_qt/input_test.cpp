// Keys seen by the top-level window first, mouse capture, the window under a point, double
// clicks per class, and moving a window with the pointer.
#include "tests/platform_qt/host_fixture.h"

namespace host_test {
namespace {

using platform::Point;
namespace message = platform::message;

class InputTest : public HostTest {
  protected:
    void SetUp() override {
        HostTest::SetUp();
        window_ = top_level();
        edit_ = child(window_, platform::edit_class_name.data(), box(10, 10, 200, 40),
                      platform::style::tab_stop);
        activate(window_);
        platform::set_focus(edit_);
        platform::testing::pump_events();
        log().clear();
    }
    platform::WindowHandle window_ = nullptr;
    platform::WindowHandle edit_ = nullptr;
};

TEST_F(InputTest, EveryKeyIsPreviewedByTheTopLevelWindowWithItsModifiers) {
    struct Case {
        platform::WParam key;
        int modifiers;
    };
    const Case cases[] = {{platform::key::escape, 0},
                          {platform::key::escape, platform::modifier::shift},
                          {platform::key::escape, platform::modifier::control},
                          {platform::key::tab, 0},
                          {platform::key::enter, 0},
                          {'7', 0}};
    for (const Case& c : cases) {
        log().clear();
        platform::testing::press_key(c.key, c.modifiers);
        std::vector<Logged> previews;
        for (const Logged& entry : log())
            if (entry.message == message::key_preview) previews.push_back(entry);
        ASSERT_EQ(previews.size(), 1U) << "key " << c.key;
        EXPECT_EQ(previews[0].window, window_);
        EXPECT_EQ(previews[0].wparam, c.key);
        EXPECT_EQ(previews[0].lparam, c.modifiers);
    }
    EXPECT_EQ(platform::focus_window(), edit_) << "Tab kept the focus: one focusable control";
}

TEST_F(InputTest, ConsumedKeyNeverReachesTheFocusedControl) {
    hook() = [](platform::WindowHandle, platform::MessageId m, platform::WParam key,
                platform::LParam modifiers) -> std::optional<platform::LResult> {
        if (m == message::key_preview && modifiers == 0 &&
            (key == platform::key::escape || key == '5'))
            return 1;
        return std::nullopt;
    };
    platform::testing::press_key('5');
    platform::testing::press_key('6');
    EXPECT_EQ(platform::edit_text(edit_), "6");
    platform::testing::press_key(platform::key::escape);
    EXPECT_TRUE(platform::is_window(window_)) << "consumed Esc closes nothing";
}

TEST_F(InputTest, ShowingAHiddenWindowActivatesItAndGivesTheFocusBack) {
    platform::show_window(window_, platform::ShowCommand::Hide);
    platform::testing::pump_events();
    EXPECT_EQ(platform::active_window(), nullptr);
    platform::show_window(window_, platform::ShowCommand::Show);
    platform::testing::pump_events();
    EXPECT_EQ(platform::active_window(), window_);
    EXPECT_EQ(platform::focus_window(), edit_);
    platform::testing::press_key('4');
    EXPECT_EQ(platform::edit_text(edit_), "4");
}

TEST_F(InputTest, AltF4ClosesTheWindowWhenNobodyConsumesIt) {
    platform::testing::press_key(platform::key::f4, platform::modifier::alt);
    EXPECT_FALSE(platform::is_window(window_));
    EXPECT_EQ(messages_of(window_, {message::close}).size(), 1U);
}

TEST_F(InputTest, CaptureBringsMovesAndTheReleaseFromOutsideTheControl) {
    platform::WindowHandle a = child(window_, plain_class, box(10, 100, 48, 48));
    platform::WindowHandle b = child(window_, plain_class, box(60, 100, 48, 48));
    hook() = [&](platform::WindowHandle w, platform::MessageId m, platform::WParam,
                 platform::LParam) -> std::optional<platform::LResult> {
        if (w == a && m == message::left_button_down) platform::set_capture(a);
        if (w == a && m == message::left_button_up) platform::release_capture();
        return std::nullopt;
    };
    const Point on_a = platform::client_to_screen(a, {5, 5});
    const Point on_b = platform::client_to_screen(b, {5, 5});
    EXPECT_EQ(platform::window_from_point(on_a), a);
    EXPECT_EQ(platform::window_from_point(on_b), b);
    EXPECT_EQ(platform::window_from_point(platform::client_to_screen(window_, {250, 5})), window_);
    EXPECT_EQ(platform::window_from_point({5000, 5000}), nullptr);

    platform::testing::move_mouse(on_a);
    log().clear();
    platform::testing::press_mouse(on_a);
    EXPECT_EQ(platform::capture_window(), a);
    platform::testing::move_mouse(on_b);
    platform::testing::release_mouse(on_b);
    EXPECT_EQ(platform::capture_window(), nullptr);
    EXPECT_EQ(
        messages_of(a, {message::left_button_down, message::mouse_move, message::left_button_up,
                        message::capture_changed}),
        (std::vector<platform::MessageId>{message::left_button_down, message::mouse_move,
                                          message::left_button_up, message::capture_changed}));
    EXPECT_TRUE(messages_of(b, {message::mouse_move, message::left_button_up}).empty());
    // The release came in a's own coordinates, beyond its right edge.
    for (const Logged& entry : log()) {
        if (entry.window == a && entry.message == message::left_button_up) {
            EXPECT_EQ(platform::unpack_point(entry.lparam), (Point{55, 5}));
        }
    }
}

TEST_F(InputTest, TakingTheCaptureTellsTheWindowThatLosesIt) {
    platform::WindowHandle a = child(window_, plain_class, box(10, 100, 48, 48));
    platform::WindowHandle b = child(window_, plain_class, box(60, 100, 48, 48));
    platform::set_capture(a);
    EXPECT_EQ(platform::set_capture(b), a);
    ASSERT_EQ(messages_of(a, {message::capture_changed}).size(), 1U);
    EXPECT_EQ(log().back().lparam, reinterpret_cast<platform::LParam>(b));
    platform::destroy_window(b);
    EXPECT_EQ(platform::capture_window(), nullptr) << "destroying the holder frees the capture";
}

TEST_F(InputTest, SecondPressOfADoubleClickFollowsTheClassFlag) {
    platform::WindowHandle plain = child(window_, plain_class, box(10, 100, 48, 48));
    platform::WindowHandle doubles = child(window_, double_click_class, box(60, 100, 48, 48));
    platform::testing::double_click_mouse(platform::client_to_screen(plain, {5, 5}));
    platform::testing::double_click_mouse(platform::client_to_screen(doubles, {5, 5}));
    const std::vector<platform::MessageId> buttons{
        message::left_button_down, message::left_button_up, message::left_button_double_click};
    EXPECT_EQ(
        messages_of(plain, buttons),
        (std::vector<platform::MessageId>{message::left_button_down, message::left_button_up,
                                          message::left_button_down, message::left_button_up}));
    EXPECT_EQ(messages_of(doubles, buttons),
              (std::vector<platform::MessageId>{message::left_button_down, message::left_button_up,
                                                message::left_button_double_click,
                                                message::left_button_up}));
}

TEST_F(InputTest, ClickOnAControlLeavesTheFocusWhereItWas) {
    platform::WindowHandle key = child(window_, plain_class, box(10, 100, 48, 48));
    platform::testing::click_mouse(platform::client_to_screen(key, {5, 5}));
    EXPECT_EQ(platform::focus_window(), edit_);
}

TEST_F(InputTest, WindowMoveFollowsThePointerUntilTheButtonIsReleased) {
    // No window manager here: the host moves the window itself.
    hook() = [&](platform::WindowHandle w, platform::MessageId m, platform::WParam,
                 platform::LParam) -> std::optional<platform::LResult> {
        if (w == window_ && m == message::left_button_down) platform::begin_window_move(w);
        return std::nullopt;
    };
    const platform::Rect before = platform::window_rect(window_);
    const Point start = platform::client_to_screen(window_, {240, 5});
    platform::testing::press_mouse(start);
    platform::testing::move_mouse({start.x + 30, start.y + 20});
    platform::testing::release_mouse({start.x + 30, start.y + 20});
    platform::testing::move_mouse({start.x + 60, start.y + 60});
    const platform::Rect after = platform::window_rect(window_);
    EXPECT_EQ(after.left, before.left + 30);
    EXPECT_EQ(after.top, before.top + 20);
    EXPECT_EQ(after.width(), before.width());
}

} // namespace
} // namespace host_test
