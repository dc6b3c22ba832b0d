#include "ui/main_window.h"

#include "tray/tray.h"
#include "ui/display.h"
#include "ui/icon_file.h"
#include "ui/main_window_events.h"
#include "ui/main_window_layout.h"
#include "ui/pic_btn.h"
#include "ui/trans_label.h"

#include <array>
#include <memory>

namespace {

using namespace platform;
using ui::main_window_layout;

constexpr std::string_view main_window_class_name = "MainWindow";
constexpr int any_of_ctrl_shift_alt = modifier::control | modifier::shift | modifier::alt;

// The main window and what lives exactly as long as it does.
struct MainWindowRecord {
    WindowHandle window = nullptr;
    bool destroy_pending = false;
    IconHandle icon = nullptr;
    std::array<std::unique_ptr<ui::PicBtn>, ui::control_count> buttons;
    std::unique_ptr<ui::TransLabel> title_label;
    std::unique_ptr<ui::Display> display;
    std::array<WindowHandle, ui::control_count> control_windows{}; // in list order
};

MainWindowRecord main_window_record;

// Everything but the window itself, which destroy_window takes with its children.
void release_main_window_parts() {
    calc::use_display(nullptr);
    MainWindowRecord& record = main_window_record;
    for (auto& button : record.buttons)
        button.reset();
    record.title_label.reset();
    record.display.reset();
    if (record.icon != nullptr) destroy_icon(record.icon);
    record = {};
}

void paint_background(WindowHandle window) {
    Canvas* canvas = begin_paint(window);
    if (canvas == nullptr) return;
    const Size size = client_size(window);
    fill_rect(canvas, {0, 0, size.width, size.height}, main_window_layout.window.background);
    end_paint(window, canvas);
}

// Keys the window looks at before the focused control: true when it took the key.
bool window_level_key(WindowHandle window, WParam key, int modifiers) {
    if (key == key::escape && main_window_layout.window.escape_closes &&
        (modifiers & any_of_ctrl_shift_alt) == 0) {
        send_message(window, message::close, 0, 0);
        return true;
    }
    if (key == key::tab && (modifiers & (modifier::control | modifier::alt)) == 0) {
        // The display is the only tab stop, so navigation always lands on it.
        focus_display();
        return true;
    }
    return false; // Enter and everything else go on to the display
}

LResult main_window_procedure(WindowHandle window, MessageId message, WParam wparam,
                              LParam lparam) {
    if (main_window_tray_message(message, wparam, lparam)) return 0;
    switch (message) {
    case message::paint:
        paint_background(window);
        return 0;
    case message::left_button_down:
        // Only presses on the bare background arrive here; a control takes its own.
        if (main_window_layout.window.drag_anywhere) begin_window_move(window);
        return 0;
    case message::key_preview:
        return window_level_key(window, wparam, static_cast<int>(lparam)) ? 1 : 0;
    case destroy_request_message:
        if (main_window_record.destroy_pending) {
            main_window_record.destroy_pending = false;
            destroy_window(window);
        }
        return 0;
    case message::close:
        destroy_window(window);
        return 0;
    case message::query_end_session:
        return 1; // nothing to save
    case message::destroy:
        remove_tray_icon();
        return 0;
    case message::nc_destroy:
        if (window == main_window_record.window) {
            release_main_window_parts();
            main_window_gone();
        }
        return 0;
    default:
        return default_window_procedure(window, message, wparam, lparam);
    }
}

ui::PicBtnSettings pic_btn_settings(const ui::ControlEntry& entry) {
    return {.place = entry.place,
            .normal_picture = entry.pictures->normal,
            .hover_picture = entry.pictures->hover,
            .pressed_picture = entry.pictures->pressed,
            .disabled_picture = {},
            .two_state = 0,
            .toggled = 0,
            .transparent_colour = std::nullopt,
            .cursor =
                entry.pointer == CursorShape::Arrow ? std::nullopt : std::optional(entry.pointer),
            .visible = false,
            .enabled = true,
            .tab_stop = entry.tab_stop};
}

// Creates one control of the list, hidden; null when it cannot be made.
WindowHandle create_control(std::size_t index, WindowHandle parent) {
    const ui::ControlEntry& entry = main_window_layout.controls[index];
    MainWindowRecord& record = main_window_record;
    switch (entry.kind) {
    case ui::ControlKind::图形按钮: {
        auto button = ui::PicBtn::create(parent, pic_btn_settings(entry));
        if (!button) return nullptr;
        button->Click = entry.click;
        record.buttons[index] = std::move(button);
        return record.buttons[index]->window();
    }
    case ui::ControlKind::透明标签: {
        auto label = ui::TransLabel::create(parent, {.place = entry.place,
                                                     .text = ui::title_label_text,
                                                     .font = ui::title_label_font,
                                                     .text_colour = ui::title_label_colour,
                                                     .cursor = entry.pointer});
        if (!label) return nullptr;
        label->LeftButtonPressed = entry.pressed;
        record.title_label = std::move(label);
        return record.title_label->window();
    }
    case ui::ControlKind::编辑框: {
        auto display = ui::Display::create(parent, entry.place);
        if (!display) return nullptr;
        set_window_cursor(display->window(), entry.pointer);
        record.display = std::move(display);
        return record.display->window();
    }
    }
    return nullptr;
}

} // namespace

Point centred_place(Size screen, Size window) {
    return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

WindowHandle create_main_window() {
    const ui::WindowSettings& settings = main_window_layout.window;
    if (!register_window_class({.name = main_window_class_name,
                                .procedure = main_window_procedure,
                                .cursor = CursorShape::Arrow,
                                .double_clicks = false,
                                .background = settings.background}))
        return nullptr;

    // 1. Place: the centre of the primary screen; the layout's own place is not used.
    const Point place = centred_place(primary_screen_size(), settings.size);
    const Rect outer = {place.x, place.y, place.x + settings.size.width,
                        place.y + settings.size.height};

    // 2. The window: top level, hidden, frameless, clipping its children.
    const WindowHandle window = create_window({.class_name = main_window_class_name,
                                               .title = settings.title,
                                               .style = style::clip_children,
                                               .place = outer,
                                               .parent = nullptr});
    if (window == nullptr) return nullptr;
    main_window_record.window = window;
    if (window_rect(window) != outer) move_window(window, outer);

    // 3. Icon, large and small. Without one the window still works.
    if (const auto image = ui::read_icon_file(*settings.icon_file)) {
        main_window_record.icon = create_icon(*image);
        if (main_window_record.icon != nullptr) set_window_icon(window, main_window_record.icon);
    }

    // 4. Menu bar: every menu item lies under the hidden top-level item, so there is none.

    // 5. Controls, hidden; stacked in list order, the first on top; then shown.
    auto& controls = main_window_record.control_windows;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        controls[i] = create_control(i, window);
        if (controls[i] == nullptr) {
            destroy_window(window); // takes the children made so far and the parts
            return nullptr;
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        place_below(controls[i], i == 0 ? nullptr : controls[i - 1]);
    for (const WindowHandle control : controls)
        show_window(control, ShowCommand::ShowNoActivate);
    calc::use_display(main_window_record.display.get());

    // 6. The created event.
    if (settings.created != nullptr) settings.created();
    return window;
}

WindowHandle main_window_handle() {
    return main_window_record.window;
}

void set_main_window_destroy_pending() {
    main_window_record.destroy_pending = true;
}

void focus_display() {
    if (main_window_record.display) set_focus(main_window_record.display->window());
}

void move_caret_to_end() {
    if (main_window_record.display) main_window_record.display->move_caret_to_end();
}

void centre_main_window() {
    const WindowHandle window = main_window_record.window;
    if (window == nullptr || !is_window_visible(window)) return;
    if (is_window_minimised(window) || is_window_maximised(window))
        show_window(window, ShowCommand::Restore);
    const Rect now = window_rect(window);
    const Point place = centred_place(primary_screen_size(), {now.width(), now.height()});
    if (place.x != now.left || place.y != now.top)
        move_window(window, {place.x, place.y, place.x + now.width(), place.y + now.height()});
}
