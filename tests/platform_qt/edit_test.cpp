// The edit control: the character filter versus paste, byte offsets in code page 936, and
// replacing the selection with or without undo.
#include "tests/platform_qt/host_fixture.h"

namespace host_test {
namespace {

bool decimal_only(std::uint32_t c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

class EditTest : public HostTest {
  protected:
    void SetUp() override {
        HostTest::SetUp();
        window_ = top_level();
        edit_ = child(window_, platform::edit_class_name.data(), box(10, 10, 200, 40),
                      platform::style::tab_stop | platform::style::edit_right);
        activate(window_);
        platform::set_focus(edit_);
        platform::testing::pump_events();
    }
    platform::WindowHandle window_ = nullptr;
    platform::WindowHandle edit_ = nullptr;
};

// 吴 and 计 in code page 936.
constexpr const char* wu = "\xCE\xE2";
constexpr const char* ji = "\xBC\xC6";

TEST_F(EditTest, FilterSeesTypedCharactersButNotPastedText) {
    platform::edit_set_character_filter(edit_, &decimal_only);
    platform::testing::type_text("12a.3-x");
    EXPECT_EQ(platform::edit_text(edit_), "12.3-");
    platform::testing::press_key(platform::key::backspace); // a control character passes
    EXPECT_EQ(platform::edit_text(edit_), "12.3");
    platform::testing::paste_text("abc");
    EXPECT_EQ(platform::edit_text(edit_), "12.3abc");
}

TEST_F(EditTest, SelectionIsCountedInCodePage936Bytes) {
    platform::edit_set_text(edit_, std::string(wu) + "12" + ji);
    EXPECT_EQ(platform::edit_text(edit_), std::string(wu) + "12" + ji);
    platform::edit_set_selection(edit_, {2, 3}); // the "1" after the two-byte 吴
    EXPECT_EQ(platform::edit_selection(edit_).start, 2);
    EXPECT_EQ(platform::edit_selection(edit_).end, 3);
    platform::edit_replace_selection(edit_, ji, false);
    EXPECT_EQ(platform::edit_text(edit_), std::string(wu) + ji + "2" + ji);
    const platform::Selection caret = platform::edit_selection(edit_);
    EXPECT_EQ(caret.start, 4);
    EXPECT_EQ(caret.end, 4);
    platform::edit_set_selection(edit_, {7, 7}); // the end: 2 + 2 + 1 + 2 bytes
    EXPECT_EQ(platform::edit_selection(edit_).start, 7);
}

TEST_F(EditTest, ReplacementWithoutUndoCannotBeTakenBack) {
    struct Case {
        bool undoable;
        const char* after_undo;
    };
    for (const Case c : {Case{true, "12"}, Case{false, "123"}}) {
        platform::edit_set_text(edit_, "12");
        platform::edit_set_selection(edit_, {2, 2});
        platform::edit_replace_selection(edit_, "3", c.undoable);
        EXPECT_EQ(platform::edit_text(edit_), "123");
        platform::testing::press_key('Z', platform::modifier::control);
        EXPECT_EQ(platform::edit_text(edit_), c.after_undo) << "undoable " << c.undoable;
    }
}

TEST_F(EditTest, PressInTheStripBelowTheLineDoesNotPlaceTheCaret) {
    platform::edit_set_text(edit_, "123456");
    platform::edit_set_line_rect(edit_, {0, 10, 200, 30});
    EXPECT_EQ(platform::edit_line_rect(edit_), (platform::Rect{0, 10, 200, 30}));
    platform::edit_set_selection(edit_, {6, 6});
    platform::testing::click_mouse(platform::client_to_screen(edit_, {195, 35}));
    EXPECT_EQ(platform::edit_selection(edit_).start, 6);
    platform::testing::click_mouse(platform::client_to_screen(edit_, {2, 20}));
    EXPECT_LT(platform::edit_selection(edit_).start, 6) << "a press on the line does";
}

} // namespace
} // namespace host_test
