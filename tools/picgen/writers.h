#pragma once
// The file formats the generator writes: baseline JPEG, the 24-bit icon file and PNG.
#include "platform/rgb_image.h"

#include <cstdint>
#include <vector>

namespace picgen {

using Bytes = std::vector<std::uint8_t>;

// Baseline JPEG, three components without subsampling (so thin amber strokes keep their
// colour), quality 100: every quantisation step 1, so the strokes stay crisp with no ringing
// around them and the faces keep their exact colours, for about 1.7 KB a picture. Optimised
// Huffman tables; the same image always gives the same bytes.
Bytes jpeg_file(const platform::RgbImage& image);

// An icon file with one square, 24-bit, fully opaque image. The window's 32 x 32 icon keeps
// the directory entry that the window layout has always carried (planes 0, bit count 8); the
// image's own header gives the real depth, and that is what readers go by.
enum class IconEntry { Layout, Exact };
Bytes icon_file(const platform::RgbImage& image, IconEntry entry);

// PNG, 8-bit RGB, with stored (uncompressed) deflate blocks: simple and dependency free.
Bytes png_file(const platform::RgbImage& image);

} // namespace picgen
