#pragma once
// The display `编辑框_显示`: the host's one-line edit control, right aligned, borderless, black
// on white in a 35-pixel font, accepting only digits, "-" and "." from the keyboard (pasted
// text is not checked). It is also the display the key actions write to.
#include "calc/display.h"
#include "platform/window_system.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ui {

struct DisplaySettings {
    std::string_view initial_text;
    bool right_aligned;
    platform::Rgb text_colour;
    platform::Rgb background;
    platform::FontSpec font;
};

// clang-format off
inline constexpr DisplaySettings display_settings = {
    .initial_text = "",
    .right_aligned = true,
    .text_colour = {0, 0, 0},
    .background = {255, 255, 255},
    .font = {.character_height = 35, .weight = 400, .face = ""}, // empty face: the default
};
// clang-format on

// The text whose height sets the display's height, and the one whose height sets its line.
inline constexpr std::string_view display_height_sample = "\xCE\xE2"; // 吴
inline constexpr std::string_view display_line_sample = "W";

// The input filter: characters of code 32 and above other than the digits, "-" and "." are
// dropped; control characters (Backspace, the clipboard keys) pass.
bool display_accepts_character(std::uint32_t code_point);

// The box grows to one line of "吴" plus twice the edge height when the laid-out height is
// less, keeping its top-left corner and width.
platform::Rect display_box(platform::Rect laid_out, std::int32_t line_height,
                           std::int32_t edge_height);
// The editable line: as tall as "W", centred vertically in the box (rounded toward zero).
platform::Rect display_line(platform::Size box, std::int32_t line_height);

class Display final : public calc::DisplayPort {
  public:
    // Creates the control, hidden, as a child of `parent`, with the settings above and the
    // height rule applied to `place`. Null when the control cannot be created.
    static std::unique_ptr<Display> create(platform::WindowHandle parent, platform::Rect place);
    ~Display() override;
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    platform::WindowHandle window() const { return window_; }

    // The key actions' display operations, on the control.
    std::string read_text() const override;
    void set_text(std::string_view text) override;
    void append_text(std::string_view text) override;

    // An empty selection at the end of the content, scrolled into view.
    void move_caret_to_end();

  private:
    Display(platform::WindowHandle window, platform::FontHandle font, bool own_font)
        : window_(window), font_(font), own_font_(own_font) {}
    platform::WindowHandle window_;
    platform::FontHandle font_;
    bool own_font_;
};

} // namespace ui
