// An in-memory display with a caret and a selection, standing in for the window's edit
// control in the tests and the probe.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/display.h"

namespace calc {

class MemoryDisplay final : public DisplayPort {
  public:
    std::string read_text() const override { return text_; }
    // Like the platform's edit control: the caret goes to the start, nothing is selected.
    void set_text(std::string_view text) override;
    void append_text(std::string_view text) override;

    // What a user does: select a range (clamped to the text) and type or paste over it.
    void select(std::size_t start, std::size_t end) noexcept;
    void replace_selection(std::string_view text);

    const std::string& text() const noexcept { return text_; }
    std::size_t caret() const noexcept { return caret_; }
    std::size_t selection_start() const noexcept { return selection_start_; }
    std::size_t selection_end() const noexcept { return selection_end_; }

  private:
    std::string text_;
    std::size_t selection_start_ = 0;
    std::size_t selection_end_ = 0;
    std::size_t caret_ = 0;
};

} // namespace calc
