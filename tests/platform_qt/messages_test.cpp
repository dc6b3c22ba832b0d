// Posted messages, sending, destruction and the loop's quit code.
#include "tests/platform_qt/host_fixture.h"

namespace host_test {
namespace {

using platform::message::app;

class MessagesTest : public HostTest {};

TEST_F(MessagesTest, PostedMessagesArriveInPostingOrderAcrossWindows) {
    platform::WindowHandle first = top_level();
    platform::WindowHandle second = top_level();
    platform::testing::pump_events();
    log().clear();
    for (platform::WParam i = 0; i < 6; ++i)
        ASSERT_TRUE(platform::post_message(i % 2 == 0 ? first : second, app + 1, i, 0));
    EXPECT_TRUE(log().empty()) << "posting must not deliver at once";
    platform::testing::pump_events();
    std::vector<std::pair<platform::WindowHandle, platform::WParam>> got;
    for (const Logged& entry : log())
        if (entry.message == app + 1) got.emplace_back(entry.window, entry.wparam);
    const std::vector<std::pair<platform::WindowHandle, platform::WParam>> expected{
        {first, 0}, {second, 1}, {first, 2}, {second, 3}, {first, 4}, {second, 5}};
    EXPECT_EQ(got, expected);
}

TEST_F(MessagesTest, MessagePostedFromAHandlerWaitsUntilTheHandlerHasReturned) {
    platform::WindowHandle window = top_level();
    std::vector<std::string> order;
    hook() = [&](platform::WindowHandle w, platform::MessageId m, platform::WParam,
                 platform::LParam) -> std::optional<platform::LResult> {
        if (m == app + 1) {
            platform::post_message(w, app + 2, 0, 0);
            order.push_back("handler end");
        }
        if (m == app + 2) order.push_back("posted");
        return std::nullopt;
    };
    platform::post_message(window, app + 1, 0, 0);
    platform::testing::pump_events();
    EXPECT_EQ(order, (std::vector<std::string>{"handler end", "posted"}));
}

TEST_F(MessagesTest, MessagesForADestroyedWindowAreDroppedAndCallsOnItAreHarmless) {
    platform::WindowHandle window = top_level();
    platform::post_message(window, app + 1, 1, 0);
    platform::post_message(window, app + 1, 2, 0);
    // The first posted message destroys the window: the second must not reach anything.
    hook() = [](platform::WindowHandle w, platform::MessageId m, platform::WParam,
                platform::LParam) -> std::optional<platform::LResult> {
        if (m == app + 1) platform::destroy_window(w);
        return std::nullopt;
    };
    platform::testing::pump_events();
    EXPECT_EQ(messages_of(window, {app + 1}).size(), 1U);
    EXPECT_FALSE(platform::is_window(window));
    EXPECT_FALSE(platform::post_message(window, app + 1, 3, 0));
    EXPECT_EQ(platform::send_message(window, app + 1, 4, 0), 0);
    platform::show_window(window, platform::ShowCommand::Show);
    platform::move_window(window, {0, 0, 10, 10});
    EXPECT_FALSE(platform::destroy_window(window));
    EXPECT_EQ(platform::window_rect(window), platform::Rect{});
    platform::testing::pump_events();
    EXPECT_EQ(messages_of(window, {app + 1}).size(), 1U);
}

TEST_F(MessagesTest, DestroyFromInsideTheWindowsOwnHandlerIsSafe) {
    platform::WindowHandle window = top_level();
    platform::WindowHandle control = child(window, plain_class, {10, 10, 50, 40});
    bool valid_after = true;
    hook() = [&](platform::WindowHandle w, platform::MessageId m, platform::WParam,
                 platform::LParam) -> std::optional<platform::LResult> {
        if (w == control && m == platform::message::left_button_down) {
            platform::destroy_window(window);
            valid_after = platform::is_window(control) || platform::is_window(window);
        }
        return std::nullopt;
    };
    activate(window);
    log().clear();
    platform::testing::click_mouse(platform::client_to_screen(window, {20, 20}));
    platform::testing::pump_events();
    EXPECT_FALSE(valid_after) << "handles are invalid at once";
    // destroy to the window, then its child; nc_destroy to the child, the window last.
    std::vector<std::pair<platform::WindowHandle, platform::MessageId>> ends;
    for (const Logged& entry : log())
        if (entry.message == platform::message::destroy ||
            entry.message == platform::message::nc_destroy)
            ends.emplace_back(entry.window, entry.message);
    const std::vector<std::pair<platform::WindowHandle, platform::MessageId>> expected{
        {window, platform::message::destroy},
        {control, platform::message::destroy},
        {control, platform::message::nc_destroy},
        {window, platform::message::nc_destroy}};
    EXPECT_EQ(ends, expected);
    EXPECT_TRUE(messages_of(control, {platform::message::left_button_up}).empty());
}

TEST_F(MessagesTest, CloseRequestReachesTheProcedureAndTheDefaultDestroys) {
    platform::WindowHandle kept = top_level();
    hook() = [&](platform::WindowHandle w, platform::MessageId m, platform::WParam,
                 platform::LParam) -> std::optional<platform::LResult> {
        if (w == kept && m == platform::message::close) return 0; // refuses
        return std::nullopt;
    };
    platform::WindowHandle closed = top_level();
    platform::send_message(kept, platform::message::close, 0, 0);
    platform::send_message(closed, platform::message::close, 0, 0);
    EXPECT_TRUE(platform::is_window(kept));
    EXPECT_FALSE(platform::is_window(closed));
}

TEST_F(MessagesTest, RunLoopReturnsTheQuitCode) {
    platform::WindowHandle window = top_level();
    hook() = [](platform::WindowHandle w, platform::MessageId m, platform::WParam,
                platform::LParam) -> std::optional<platform::LResult> {
        if (m == app + 1) {
            platform::destroy_window(w);
            platform::post_quit_message(7);
        }
        return std::nullopt;
    };
    platform::post_message(window, app + 1, 0, 0);
    EXPECT_EQ(platform::run_message_loop(), 7);
}

TEST_F(MessagesTest, CreateIsSentBeforeCreateWindowReturnsWithTheWindowData) {
    int data = 0;
    void* seen = nullptr;
    hook() = [&](platform::WindowHandle w, platform::MessageId m, platform::WParam,
                 platform::LParam) -> std::optional<platform::LResult> {
        if (m == platform::message::create) seen = platform::window_data(w);
        return std::nullopt;
    };
    platform::WindowHandle window =
        platform::create_window({grey_class, "", 0, {0, 0, 20, 20}, nullptr, &data});
    windows_.push_back(window);
    EXPECT_EQ(seen, &data);
    EXPECT_FALSE(platform::is_window_visible(window)) << "hidden without style::visible";
    EXPECT_EQ(platform::create_window({"NoSuchClass", "", 0, {0, 0, 1, 1}, nullptr, nullptr}),
              nullptr);
}

} // namespace
} // namespace host_test
