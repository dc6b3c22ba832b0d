#pragma once
// The picture button: a child window without text or frame that shows one of its pictures by
// its look (normal, pointer over it, held down) and enable state, follows the mouse by itself,
// never takes the keyboard focus, and raises Click when the left button is released over it.
#include "platform/window_system.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace ui {

enum class PicBtnLook { Normal = 0, Hover = 1, Pressed = 2 };

struct PicBtnSettings {
    platform::Rect place; // in the parent's client area
    std::span<const std::uint8_t> normal_picture;
    std::span<const std::uint8_t> hover_picture;
    std::span<const std::uint8_t> pressed_picture;
    std::span<const std::uint8_t> disabled_picture;
    std::int32_t two_state = 0; // 1: switches `toggled` on each click
    std::int32_t toggled = 0;   // initial state of a two-state button
    std::optional<platform::Rgb> transparent_colour;
    std::optional<platform::CursorShape> cursor; // none: the class's arrow
    bool visible = true;
    bool enabled = true;
    bool tab_stop = false;
};

class PicBtn {
  public:
    // Creates the child window, decodes the pictures and paints. Null if the window cannot be
    // created.
    static std::unique_ptr<PicBtn> create(platform::WindowHandle parent,
                                          const PicBtnSettings& settings);
    ~PicBtn();
    PicBtn(const PicBtn&) = delete;
    PicBtn& operator=(const PicBtn&) = delete;

    // The control's one event; runs inside the release handling, after the look change.
    void (*Click)() = nullptr;

    platform::WindowHandle window() const;
    PicBtnLook look() const;
    void set_look(PicBtnLook look);
    bool toggled() const;
    // How often the control has painted itself; lets tests and benchmarks see that a look
    // change repaints this control once and an unchanged look not at all.
    std::uint32_t paint_count() const;

  private:
    PicBtn() = default;
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace ui
