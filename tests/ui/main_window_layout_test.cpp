// What the layout table holds beyond what the compiler already checks.
#include "ui/jpeg_picture.h"
#include "ui/main_window_layout.h"
#include "ui/trans_label.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace {

// Code page 936 bytes as UTF-8, through the C library's converter (independent of the host).
std::string utf8_of(std::string_view gbk) {
    iconv_t converter = iconv_open("UTF-8", "GBK");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::string in(gbk);
    std::string out(in.size() * 4, '\0');
    char* in_at = in.data();
    char* out_at = out.data();
    std::size_t in_left = in.size();
    std::size_t out_left = out.size();
    const std::size_t result = iconv(converter, &in_at, &in_left, &out_at, &out_left);
    iconv_close(converter);
    EXPECT_NE(result, static_cast<std::size_t>(-1)) << gbk;
    out.resize(out.size() - out_left);
    return out;
}

TEST(MainWindowLayoutTexts, AreTheChineseTextsInCodePage936) {
    EXPECT_EQ(utf8_of(ui::main_window_layout.window.title), "计算器");
    EXPECT_EQ(utf8_of(ui::title_label_text), "Tamsel计算器");
    const char* captions[] = {"托盘菜单", "Tamsel网", "-", "显示", "隐藏", "退出"};
    for (std::size_t i = 0; i < ui::menu_item_count; ++i)
        EXPECT_EQ(utf8_of(ui::main_window_layout.menu[i].caption), captions[i]) << i;
}

TEST(MainWindowLayoutMenu, ItemsBindTheirActions) {
    const auto& menu = ui::main_window_layout.menu;
    EXPECT_EQ(menu[0].selected, nullptr);
    EXPECT_EQ(menu[2].selected, nullptr);
    for (std::size_t i : {1u, 3u, 4u, 5u})
        EXPECT_NE(menu[i].selected, nullptr) << i;
}

TEST(MainWindowLayoutControls, OnlyTheDisplayOverlapsAnotherControl) {
    const auto& controls = ui::main_window_layout.controls;
    auto overlap = [](const platform::Rect& a, const platform::Rect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(overlap(controls[i].place, controls[j].place))
                << controls[i].name << " " << controls[j].name;
}

TEST(MainWindowLayoutControls, EveryPictureHasItsButtonsSize) {
    for (const ui::ControlEntry& entry : ui::main_window_layout.controls) {
        if (entry.kind != ui::ControlKind::图形按钮) continue;
        for (const auto& bytes :
             {entry.pictures->normal, entry.pictures->hover, entry.pictures->pressed}) {
            const auto picture = ui::decode_picture(bytes);
            ASSERT_TRUE(picture) << entry.name;
            EXPECT_EQ(picture->width, entry.place.width()) << entry.name;
            EXPECT_EQ(picture->height, entry.place.height()) << entry.name;
        }
    }
}

TEST(MainWindowLayoutControls, EachKindBindsItsOwnEvent) {
    for (const ui::ControlEntry& entry : ui::main_window_layout.controls) {
        const bool button = entry.kind == ui::ControlKind::图形按钮;
        const bool label = entry.kind == ui::ControlKind::透明标签;
        EXPECT_EQ(entry.pictures != nullptr, button) << entry.name;
        EXPECT_EQ(entry.click != nullptr, button) << entry.name;
        EXPECT_EQ(entry.pressed != nullptr, label) << entry.name;
    }
}

TEST(MainWindowLayoutControls, NamesFindTheirEntries) {
    EXPECT_EQ(ui::layout_control_index("最小化"), 0u);
    EXPECT_EQ(ui::layout_control_index(ui::display_name), 22u);
    EXPECT_EQ(ui::layout_control_index("按钮_11"), ui::control_count);
    EXPECT_EQ(ui::layout_control("按钮_等于").place, (platform::Rect{206, 198, 254, 270}));
}

} // namespace
