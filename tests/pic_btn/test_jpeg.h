#pragma once
// Small JPEG pictures made in the test, so each look can carry its own colour.
#include "platform/window_system.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace test {

// A baseline colour JPEG of one flat colour (quality 100, no chroma subsampling).
std::vector<std::uint8_t> solid_jpeg(std::int32_t width, std::int32_t height, platform::Rgb colour);
// A one-component grey JPEG. Blocks of 8 x 8 pixels of one grey come back exactly, which gives
// pictures with exact pixels for shape tests.
std::vector<std::uint8_t> grey_jpeg(std::int32_t width, std::int32_t height,
                                    const std::function<std::uint8_t(int x, int y)>& grey);

} // namespace test
