#pragma once
// Decoding the picture buttons' pictures: JPEG bytes to 8-bit RGB pixels, through libjpeg.
#include "platform/rgb_image.h"

#include <cstdint>
#include <optional>
#include <span>

namespace ui {

// Pictures larger than this on either side are refused before anything is allocated for
// them, so hostile data cannot make the program allocate gigabytes.
inline constexpr std::int32_t largest_picture_side = 4096;

// The picture's pixels, or none. A picture is recognised by its first bytes, FF D8 (JPEG);
// 5 bytes or fewer, data not recognised, any decoding error and a picture larger than
// largest_picture_side give none. Colour pictures come out as RGB; a one-component grey
// picture comes out as grey RGB. Nothing is printed and nothing is leaked on any input.
std::optional<platform::RgbImage> decode_picture(std::span<const std::uint8_t> bytes);

} // namespace ui
