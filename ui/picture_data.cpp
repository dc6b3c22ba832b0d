// Which picture files belong to which control: the one table between the files' ASCII names
// (ui/pictures/<stem>.<look>.jpg) and the controls' names.
#include "ui/picture_data.h"

#include "picture_bytes.h"

namespace ui {

using namespace picture_bytes;

// clang-format off
constinit const PicBtnPictureData pictures_最小化{title_minimise_normal_jpg, title_minimise_hover_jpg, title_minimise_pressed_jpg};
constinit const PicBtnPictureData pictures_关闭{title_close_normal_jpg, title_close_hover_jpg, title_close_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_0{key_0_normal_jpg, key_0_hover_jpg, key_0_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_1{key_1_normal_jpg, key_1_hover_jpg, key_1_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_2{key_2_normal_jpg, key_2_hover_jpg, key_2_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_3{key_3_normal_jpg, key_3_hover_jpg, key_3_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_4{key_4_normal_jpg, key_4_hover_jpg, key_4_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_5{key_5_normal_jpg, key_5_hover_jpg, key_5_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_6{key_6_normal_jpg, key_6_hover_jpg, key_6_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_7{key_7_normal_jpg, key_7_hover_jpg, key_7_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_8{key_8_normal_jpg, key_8_hover_jpg, key_8_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_9{key_9_normal_jpg, key_9_hover_jpg, key_9_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_小数点{key_point_normal_jpg, key_point_hover_jpg, key_point_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_加法{key_add_normal_jpg, key_add_hover_jpg, key_add_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_减法{key_subtract_normal_jpg, key_subtract_hover_jpg, key_subtract_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_乘法{key_multiply_normal_jpg, key_multiply_hover_jpg, key_multiply_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_除法{key_divide_normal_jpg, key_divide_hover_jpg, key_divide_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_等于{key_equals_normal_jpg, key_equals_hover_jpg, key_equals_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_退格{key_backspace_normal_jpg, key_backspace_hover_jpg, key_backspace_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_C{key_c_normal_jpg, key_c_hover_jpg, key_c_pressed_jpg};
constinit const PicBtnPictureData pictures_按钮_CE{key_ce_normal_jpg, key_ce_hover_jpg, key_ce_pressed_jpg};
// clang-format on

constinit const std::span<const std::uint8_t> window_icon_file{window_icon_ico};

} // namespace ui
