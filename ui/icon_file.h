#pragma once
// Reads an icon file (the classic .ico container) into a picture the window system can show.
#include "platform/rgb_image.h"

#include <cstdint>
#include <optional>
#include <span>

namespace ui {

// The first image of the icon file as an RGB picture, or none when the bytes are not an icon
// this reader understands (a 24-bit uncompressed image) or are malformed in any way.
//
// The image's own bitmap header governs its size and depth: the directory entry's width,
// height and bit count are not used, since files in the wild (ours included) give a bit count
// of 8 there for a 24-bit image. The bitmap header's height counts the colour rows and the
// transparency mask together, so the picture is half as tall. The picture has no alpha, so
// the mask is checked for presence only; a masked pixel keeps its colour.
std::optional<platform::RgbImage> read_icon_file(std::span<const std::uint8_t> file);

} // namespace ui
