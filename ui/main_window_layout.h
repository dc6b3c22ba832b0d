#pragma once
// The main window as one constant table: the window settings, its 23 controls in list order
// (which is also their stacking order, the first on top) and the six items of the tray menu.
// Texts meant for the screen are code page 936 bytes; control names are the program's own
// identifiers. Nothing changes the table at run time.
#include "platform/window_system.h"
#include "ui/picture_data.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace ui {

enum class ControlKind {
    图形按钮, // picture button (PicBtn)
    透明标签, // transparent label (TransLabel)
    编辑框,   // the host's one-line edit box
};

using ClickHandler = void (*)();
// Left button pressed on a label: x and y in the label's own coordinates, modifier bits.
using PressHandler = void (*)(std::int32_t x, std::int32_t y, std::int32_t modifiers);

struct WindowSettings {
    std::string_view title; // code page 936
    platform::Size size;
    platform::Point layout_place; // kept as laid out; the window is centred instead
    bool centred;
    platform::Rgb background;
    const std::span<const std::uint8_t>* icon_file; // large and small window icon
    bool visible_at_start;
    bool drag_anywhere;     // a press on the bare background moves the window
    bool escape_closes;     // Esc without Ctrl, Shift or Alt sends a close request
    bool enter_moves_focus; // off: Enter is left to the display
    ClickHandler created;   // raised once, after every control exists
    void (*tray_event)(std::int32_t type);
};

struct ControlEntry {
    std::string_view name;
    ControlKind kind;
    platform::Rect place;
    bool tab_stop;
    platform::CursorShape pointer;
    const PicBtnPictureData* pictures; // 图形按钮 only
    ClickHandler click;                // 图形按钮: Click
    PressHandler pressed;              // 透明标签: left button pressed
};

struct MenuEntry {
    std::string_view caption; // code page 936; exactly "-" makes a separator
    std::int32_t level;       // 0 top level, 1 an item of its sub-menu
    bool hidden;
    bool disabled;
    bool checked;
    ClickHandler selected; // none for the holder and the separator
};

inline constexpr std::size_t control_count = 23;
inline constexpr std::size_t menu_item_count = 6;

struct MainWindowLayout {
    WindowSettings window;
    std::array<ControlEntry, control_count> controls;
    std::array<MenuEntry, menu_item_count> menu;
};

extern const MainWindowLayout main_window_layout;

// The control of that name in the table; a name that is not there is a programming error.
const ControlEntry& layout_control(std::string_view name);
// Its place in the list (and in the stacking order), or control_count when there is none.
std::size_t layout_control_index(std::string_view name);

// The names the program addresses controls by.
inline constexpr std::string_view display_name = "编辑框_显示";
inline constexpr std::string_view title_label_name = "透明标签1";

} // namespace ui
