#include "ui/main_window_layout.h"

#include "calc/calculator.h"
#include "ui/main_window_events.h"

#include <cstdlib>

namespace ui {
namespace {

using platform::CursorShape;
constexpr CursorShape arrow = CursorShape::Arrow;
constexpr CursorShape hand = CursorShape::PointingHand;
constexpr CursorShape ibeam = CursorShape::IBeam;
constexpr ControlKind button = ControlKind::图形按钮;
constexpr ControlKind label = ControlKind::透明标签;
constexpr ControlKind edit = ControlKind::编辑框;

// The keys bind key actions that take an argument; these give each key its own.
template <char digit>
void press_digit_key() {
    static constexpr char text[] = {digit, '\0'};
    calc::press_digit(text);
}
void press_add() {
    calc::press_operator(calc::symbol_add);
}
void press_subtract() {
    calc::press_operator(calc::symbol_subtract);
}
void press_multiply() {
    calc::press_operator(calc::symbol_multiply);
}
void press_divide() {
    calc::press_operator(calc::symbol_divide);
}

constexpr platform::Rect at(std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height) {
    return {left, top, left + width, top + height};
}

constexpr WindowSettings window_settings = {
    .title = "\xBC\xC6\xCB\xE3\xC6\xF7", // 计算器
    .size = {260, 276},
    .layout_place = {50, 50},
    .centred = true,
    .background = {227, 227, 227},
    .icon_file = &window_icon_file,
    .visible_at_start = true,
    .drag_anywhere = true,
    .escape_closes = true,
    .enter_moves_focus = false,
    .created = main_window_created,
    .tray_event = main_window_tray_event,
};

// clang-format off
constexpr std::array<ControlEntry, control_count> controls = {{
    /* name            kind    place (x, y, w, h)      tab    pointer pictures              click / pressed */
    {"最小化",         button, at(190,   1, 32, 32),  false, arrow, &pictures_最小化,      hide_main_window, nullptr},
    {"透明标签1",      label,  at(  8,   8, 112, 24), false, arrow, nullptr,               nullptr, title_label_pressed},
    {"关闭",           button, at(224,   1, 32, 32),  false, arrow, &pictures_关闭,        request_main_window_destroy, nullptr},
    {"按钮_0",         button, at( 57, 222, 96, 48),  false, hand,  &pictures_按钮_0,      press_digit_key<'0'>, nullptr},
    {"按钮_除法",      button, at(  6, 222, 48, 48),  false, hand,  &pictures_按钮_除法,   press_divide, nullptr},
    {"按钮_乘法",      button, at(  6, 172, 48, 48),  false, hand,  &pictures_按钮_乘法,   press_multiply, nullptr},
    {"按钮_减法",      button, at(  6, 122, 48, 48),  false, hand,  &pictures_按钮_减法,   press_subtract, nullptr},
    {"按钮_加法",      button, at(  6,  72, 48, 48),  false, hand,  &pictures_按钮_加法,   press_add, nullptr},
    {"按钮_小数点",    button, at(156, 222, 48, 48),  false, hand,  &pictures_按钮_小数点, calc::press_point, nullptr},
    {"按钮_9",         button, at(156, 172, 48, 48),  false, hand,  &pictures_按钮_9,      press_digit_key<'9'>, nullptr},
    {"按钮_8",         button, at(106, 172, 48, 48),  false, hand,  &pictures_按钮_8,      press_digit_key<'8'>, nullptr},
    {"按钮_7",         button, at( 56, 172, 48, 48),  false, hand,  &pictures_按钮_7,      press_digit_key<'7'>, nullptr},
    {"按钮_6",         button, at(156, 122, 48, 48),  false, hand,  &pictures_按钮_6,      press_digit_key<'6'>, nullptr},
    {"按钮_5",         button, at(106, 122, 48, 48),  false, hand,  &pictures_按钮_5,      press_digit_key<'5'>, nullptr},
    {"按钮_4",         button, at( 56, 122, 48, 48),  false, hand,  &pictures_按钮_4,      press_digit_key<'4'>, nullptr},
    {"按钮_1",         button, at( 56,  72, 48, 48),  false, hand,  &pictures_按钮_1,      press_digit_key<'1'>, nullptr},
    {"按钮_2",         button, at(106,  72, 48, 48),  false, hand,  &pictures_按钮_2,      press_digit_key<'2'>, nullptr},
    {"按钮_3",         button, at(156,  72, 48, 48),  false, hand,  &pictures_按钮_3,      press_digit_key<'3'>, nullptr},
    {"按钮_退格",      button, at(206,  72, 48, 40),  false, hand,  &pictures_按钮_退格,   calc::press_backspace, nullptr},
    {"按钮_C",         button, at(206, 114, 48, 40),  false, hand,  &pictures_按钮_C,      calc::press_clear_all, nullptr},
    {"按钮_CE",        button, at(206, 156, 48, 40),  false, hand,  &pictures_按钮_CE,     calc::press_clear_entry, nullptr},
    {"按钮_等于",      button, at(206, 198, 48, 72),  false, hand,  &pictures_按钮_等于,   calc::press_equals, nullptr},
    {"编辑框_显示",    edit,   at(  6,  35, 248, 35), true,  ibeam, nullptr,               nullptr, nullptr},
}};

constexpr std::array<MenuEntry, menu_item_count> menu = {{
    /* caption                              level  hidden disabled checked selected */
    {"\xCD\xD0\xC5\xCC\xB2\xCB\xB5\xA5", /* 托盘菜单 */ 0, true,  false, false, nullptr},
    {"Tamsel\xCD\xF8",                   /* Tamsel网 */ 1, false, false, false, open_website},
    {"-",                                               1, false, false, false, nullptr},
    {"\xCF\xD4\xCA\xBE",                 /* 显示 */     1, false, false, false, show_main_window_centred},
    {"\xD2\xFE\xB2\xD8",                 /* 隐藏 */     1, false, false, false, hide_main_window},
    {"\xCD\xCB\xB3\xF6",                 /* 退出 */     1, false, false, false, request_main_window_destroy},
}};
// clang-format on

// What the table promises.
constexpr bool inside_window(const platform::Rect& place) {
    return place.left >= 0 && place.top >= 0 && place.right <= window_settings.size.width &&
           place.bottom <= window_settings.size.height && place.left < place.right &&
           place.top < place.bottom;
}
constexpr std::size_t count_kind(ControlKind kind) {
    std::size_t count = 0;
    for (const ControlEntry& control : controls)
        count += control.kind == kind ? 1 : 0;
    return count;
}
constexpr bool every_control(bool (*holds)(const ControlEntry&)) {
    for (const ControlEntry& control : controls)
        if (!holds(control)) return false;
    return true;
}
constexpr bool names_unique() {
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            if (controls[i].name == controls[j].name) return false;
    return true;
}
static_assert(controls.size() == 23);
static_assert(count_kind(button) == 21 && count_kind(label) == 1 && count_kind(edit) == 1);
static_assert(every_control([](const ControlEntry& c) { return inside_window(c.place); }));
static_assert(names_unique());
// The display is the only tab stop. (Which handler and pictures each control binds is checked
// by the tests: addresses are not constants in every build.)
static_assert(every_control([](const ControlEntry& c) { return c.tab_stop == (c.kind == edit); }));
// The display comes last, so every key row that its grown height reaches is stacked above it.
static_assert(controls.back().name == display_name);
static_assert(controls[1].name == title_label_name);
// One hidden top-level holder, then its five items: nothing is left for a menu bar.
static_assert(menu[0].level == 0 && menu[0].hidden);
static_assert([] {
    for (std::size_t i = 1; i < menu.size(); ++i)
        if (menu[i].level != 1 || menu[i].hidden || menu[i].disabled || menu[i].checked)
            return false;
    return true;
}());

} // namespace

constexpr MainWindowLayout main_window_layout = {window_settings, controls, menu};

std::size_t layout_control_index(std::string_view name) {
    for (std::size_t i = 0; i < main_window_layout.controls.size(); ++i)
        if (main_window_layout.controls[i].name == name) return i;
    return control_count;
}

const ControlEntry& layout_control(std::string_view name) {
    const std::size_t index = layout_control_index(name);
    if (index == control_count) std::abort();
    return main_window_layout.controls[index];
}

} // namespace ui
