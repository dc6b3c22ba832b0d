#include "ui/display.h"

namespace ui {

bool display_accepts_character(std::uint32_t code_point) {
    if (code_point < 32) return true;
    return (code_point >= '0' && code_point <= '9') || code_point == '-' || code_point == '.';
}

platform::Rect display_box(platform::Rect laid_out, std::int32_t line_height,
                           std::int32_t edge_height) {
    const std::int32_t needed = line_height + 2 * edge_height;
    if (laid_out.height() < needed) laid_out.bottom = laid_out.top + needed;
    return laid_out;
}

platform::Rect display_line(platform::Size box, std::int32_t line_height) {
    const std::int32_t top = (box.height - line_height) / 2;
    return {0, top, box.width, top + line_height};
}

std::unique_ptr<Display> Display::create(platform::WindowHandle parent, platform::Rect place) {
    std::uint32_t style = platform::style::child | platform::style::tab_stop |
                          platform::style::edit_auto_horizontal_scroll;
    if (display_settings.right_aligned) style |= platform::style::edit_right;
    const platform::WindowHandle window = platform::create_window({
        .class_name = platform::edit_class_name,
        .title = display_settings.initial_text,
        .style = style,
        .place = place,
        .parent = parent,
    });
    if (window == nullptr) return nullptr;

    // A font that cannot be made falls back to the system's, without a word.
    platform::FontHandle font = platform::create_font(display_settings.font);
    const bool own_font = font != nullptr;
    if (!own_font) font = platform::default_ui_font();
    platform::edit_set_font(window, font);
    platform::edit_set_colours(window, display_settings.text_colour, display_settings.background);
    platform::edit_set_character_filter(window, display_accepts_character);

    const platform::Rect box = display_box(
        place, platform::measure_text(font, display_height_sample).height, platform::edge_height());
    if (box != place) platform::move_window(window, box);
    platform::edit_set_line_rect(
        window, display_line({box.width(), box.height()},
                             platform::measure_text(font, display_line_sample).height));
    return std::unique_ptr<Display>(new Display(window, font, own_font));
}

Display::~Display() {
    // The window goes with its parent; the font is ours.
    if (own_font_) platform::destroy_font(font_);
}

std::string Display::read_text() const {
    return platform::edit_text(window_);
}

void Display::set_text(std::string_view text) {
    platform::edit_set_text(window_, text);
}

void Display::append_text(std::string_view text) {
    move_caret_to_end();
    platform::edit_replace_selection(window_, text, /*undoable=*/false);
}

void Display::move_caret_to_end() {
    const auto end = static_cast<std::int32_t>(platform::edit_text(window_).size());
    platform::edit_set_selection(window_, {end, end});
    platform::edit_scroll_caret(window_);
}

} // namespace ui
