#pragma once
// The transparent label: one line of text at the left of its rectangle, centred vertically,
// drawn over whatever the parent window paints beneath it. It draws no background, border or
// focus mark, never takes the focus, and reports a left-button press.
#include "platform/window_system.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace ui {

struct TransLabelSettings {
    platform::Rect place;  // in the parent's client area
    std::string_view text; // code page 936; kept by reference, so it must outlive the label
    platform::FontSpec font;
    platform::Rgb text_colour;
    platform::CursorShape cursor = platform::CursorShape::Arrow;
};

class TransLabel {
  public:
    // Creates the label hidden. Null if the window cannot be created.
    static std::unique_ptr<TransLabel> create(platform::WindowHandle parent,
                                              const TransLabelSettings& settings);
    ~TransLabel();
    TransLabel(const TransLabel&) = delete;
    TransLabel& operator=(const TransLabel&) = delete;

    // The control's event: the left button went down over it, at x, y in its own
    // coordinates, with the modifier bits held (platform::modifier).
    void (*LeftButtonPressed)(std::int32_t x, std::int32_t y, std::int32_t modifiers) = nullptr;

    platform::WindowHandle window() const { return window_; }

  private:
    explicit TransLabel(const TransLabelSettings& settings) : settings_(settings) {}
    static platform::LResult procedure(platform::WindowHandle window, platform::MessageId message,
                                       platform::WParam wparam, platform::LParam lparam);
    void paint(platform::WindowHandle window);

    TransLabelSettings settings_;
    platform::WindowHandle window_ = nullptr;
    platform::FontHandle font_ = nullptr;
    bool own_font_ = false;
};

// The title label `透明标签1`.
// clang-format off
inline constexpr std::string_view title_label_text = "Tamsel\xBC\xC6\xCB\xE3\xC6\xF7"; // Tamsel计算器
inline constexpr platform::FontSpec title_label_font = {.character_height = 21, .weight = 400, .face = ""};
inline constexpr platform::Rgb title_label_colour = {0, 0, 0};
// clang-format on

} // namespace ui
