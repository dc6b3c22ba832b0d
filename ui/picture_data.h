#pragma once
// The pictures of the window's 21 picture buttons and the window's icon, built into the
// program as constant data (drawn by tools/picgen, kept in ui/pictures/). Each picture is a
// baseline colour JPEG of exactly its control's size; decode_picture (ui/jpeg_picture.h)
// turns one into pixels.
#include <cstdint>
#include <span>

namespace ui {

struct PicBtnPictureData {
    std::span<const std::uint8_t> normal, hover, pressed;
};

// One object per picture button, named after the control.
extern const PicBtnPictureData pictures_最小化;
extern const PicBtnPictureData pictures_关闭;
extern const PicBtnPictureData pictures_按钮_0;
extern const PicBtnPictureData pictures_按钮_1;
extern const PicBtnPictureData pictures_按钮_2;
extern const PicBtnPictureData pictures_按钮_3;
extern const PicBtnPictureData pictures_按钮_4;
extern const PicBtnPictureData pictures_按钮_5;
extern const PicBtnPictureData pictures_按钮_6;
extern const PicBtnPictureData pictures_按钮_7;
extern const PicBtnPictureData pictures_按钮_8;
extern const PicBtnPictureData pictures_按钮_9;
extern const PicBtnPictureData pictures_按钮_小数点;
extern const PicBtnPictureData pictures_按钮_加法;
extern const PicBtnPictureData pictures_按钮_减法;
extern const PicBtnPictureData pictures_按钮_乘法;
extern const PicBtnPictureData pictures_按钮_除法;
extern const PicBtnPictureData pictures_按钮_等于;
extern const PicBtnPictureData pictures_按钮_退格;
extern const PicBtnPictureData pictures_按钮_C;
extern const PicBtnPictureData pictures_按钮_CE;

// The window's icon, also the tray icon: an icon file of 3,262 bytes holding one 32 x 32,
// 24-bit image (its directory entry says 8 bits; the image header governs).
extern const std::span<const std::uint8_t> window_icon_file;

} // namespace ui
