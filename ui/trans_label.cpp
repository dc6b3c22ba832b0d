#include "ui/trans_label.h"

namespace ui {
namespace {

constexpr std::string_view class_name = "TransLabel";

std::int32_t modifiers_of(platform::WParam mouse_state) {
    // The mouse message carries Ctrl and Shift; Alt is asked of the keyboard.
    std::int32_t modifiers = 0;
    if ((mouse_state & platform::mouse_state::control) != 0)
        modifiers |= platform::modifier::control;
    if ((mouse_state & platform::mouse_state::shift) != 0) modifiers |= platform::modifier::shift;
    modifiers |= platform::modifier_keys() & platform::modifier::alt;
    return modifiers;
}

} // namespace

std::unique_ptr<TransLabel> TransLabel::create(platform::WindowHandle parent,
                                               const TransLabelSettings& settings) {
    // No background of its own: the parent's is painted beneath it before each paint, so
    // earlier text leaves no trace.
    if (!platform::register_window_class({.name = class_name,
                                          .procedure = procedure,
                                          .cursor = settings.cursor,
                                          .double_clicks = false,
                                          .background = std::nullopt,
                                          .transparent = true}))
        return nullptr;
    std::unique_ptr<TransLabel> label(new TransLabel(settings));
    label->font_ = platform::create_font(settings.font);
    label->own_font_ = label->font_ != nullptr;
    if (!label->own_font_) label->font_ = platform::default_ui_font();
    label->window_ = platform::create_window({.class_name = class_name,
                                              .title = settings.text,
                                              .style = platform::style::child,
                                              .place = settings.place,
                                              .parent = parent,
                                              .data = label.get()});
    if (label->window_ == nullptr) return nullptr;
    platform::set_window_cursor(label->window_, settings.cursor);
    return label;
}

TransLabel::~TransLabel() {
    if (platform::is_window(window_)) {
        platform::set_window_data(window_, nullptr);
        platform::destroy_window(window_);
    }
    if (own_font_) platform::destroy_font(font_);
}

platform::LResult TransLabel::procedure(platform::WindowHandle window, platform::MessageId message,
                                        platform::WParam wparam, platform::LParam lparam) {
    auto* label = static_cast<TransLabel*>(platform::window_data(window));
    if (label == nullptr)
        return platform::default_window_procedure(window, message, wparam, lparam);
    switch (message) {
    case platform::message::paint:
        label->paint(window);
        return 0;
    case platform::message::left_button_down:
        if (label->LeftButtonPressed != nullptr) {
            const platform::Point at = platform::unpack_point(lparam);
            label->LeftButtonPressed(at.x, at.y, modifiers_of(wparam));
        }
        return 0;
    case platform::message::nc_destroy:
        label->window_ = nullptr;
        return 0;
    default:
        return platform::default_window_procedure(window, message, wparam, lparam);
    }
}

void TransLabel::paint(platform::WindowHandle window) {
    platform::Canvas* canvas = platform::begin_paint(window);
    if (canvas == nullptr) return;
    if (!settings_.text.empty()) {
        const platform::Size size = platform::client_size(window);
        platform::draw_text(canvas, settings_.text, font_, settings_.text_colour,
                            {0, 0, size.width, size.height}, platform::TextAlign::Left);
    }
    platform::end_paint(window, canvas);
}

} // namespace ui
