#include "calc/memory_display.h"

#include <algorithm>

namespace calc {

void MemoryDisplay::set_text(std::string_view text) {
    text_.assign(text);
    selection_start_ = selection_end_ = caret_ = 0;
}

void MemoryDisplay::append_text(std::string_view text) {
    select(text_.size(), text_.size());
    replace_selection(text);
}

void MemoryDisplay::select(std::size_t start, std::size_t end) noexcept {
    selection_start_ = std::min(std::min(start, end), text_.size());
    selection_end_ = std::min(std::max(start, end), text_.size());
    caret_ = selection_end_;
}

void MemoryDisplay::replace_selection(std::string_view text) {
    text_.replace(selection_start_, selection_end_ - selection_start_, text);
    selection_start_ += text.size();
    selection_end_ = caret_ = selection_start_;
}

} // namespace calc
