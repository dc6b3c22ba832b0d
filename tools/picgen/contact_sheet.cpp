#include "contact_sheet.h"

#include "pictures.h"

namespace picgen {
namespace {

constexpr int window_width = 260;
constexpr int window_height = 276;
constexpr int margin = 16;
constexpr std::uint8_t background[3] = {227, 227, 227}; // the window's own colour
constexpr std::uint8_t sheet_colour[3] = {96, 96, 96};

void fill(platform::RgbImage& sheet, int left, int top, int width, int height,
          const std::uint8_t (&colour)[3]) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            for (int c = 0; c < 3; ++c)
                sheet.pixels[static_cast<std::size_t>((y * sheet.width + x) * 3 + c)] = colour[c];
}

void blit(platform::RgbImage& sheet, const platform::RgbImage& picture, int left, int top,
          int zoom) {
    for (int y = 0; y < picture.height * zoom; ++y) {
        for (int x = 0; x < picture.width * zoom; ++x) {
            for (int c = 0; c < 3; ++c) {
                const auto from =
                    static_cast<std::size_t>(((y / zoom) * picture.width + x / zoom) * 3 + c);
                const auto to =
                    static_cast<std::size_t>(((top + y) * sheet.width + left + x) * 3 + c);
                sheet.pixels[to] = picture.pixels[from];
            }
        }
    }
}

} // namespace

platform::RgbImage contact_sheet() {
    constexpr int zoom = 2;
    constexpr int panel_width = window_width * zoom;
    constexpr int panel_height = window_height * zoom;
    platform::RgbImage sheet;
    sheet.width = margin + 3 * (panel_width + margin);
    sheet.height = margin + panel_height + margin + 32 * 4 + margin;
    sheet.pixels.resize(static_cast<std::size_t>(sheet.width * sheet.height * 3));
    fill(sheet, 0, 0, sheet.width, sheet.height, sheet_colour);
    for (std::size_t i = 0; i < looks.size(); ++i) {
        const int left = margin + static_cast<int>(i) * (panel_width + margin);
        fill(sheet, left, margin, panel_width, panel_height, background);
        for (const ButtonPictures& button : buttons)
            blit(sheet, button_picture(button, looks[i]), left + button.left * zoom,
                 margin + button.top * zoom, zoom);
    }
    const int icons_top = margin + panel_height + margin;
    blit(sheet, icon_picture(1), margin, icons_top, 4);
    blit(sheet, icon_picture(2), margin + 128 + margin, icons_top, 2);
    blit(sheet, icon_picture(1), margin + 2 * (128 + margin), icons_top, 1);
    blit(sheet, icon_picture(2), margin + 2 * (128 + margin) + 32 + margin, icons_top, 1);
    return sheet;
}

} // namespace picgen
