#pragma once
// The window shape of a picture button with a transparent colour: every pixel of the picture
// whose colour differs from the transparent one, as one-pixel-high rectangles.
#include "platform/rgb_image.h"
#include "platform/window_system.h"

#include <vector>

namespace ui {

// Scans the picture row by row from the top; each horizontal run of pixels whose colour is not
// `transparent` (compared exactly on red, green and blue) becomes one rectangle one pixel high,
// in the picture's own coordinates. A fully transparent picture gives no rectangle.
std::vector<platform::Rect> opaque_runs(const platform::RgbImage& picture,
                                        platform::Rgb transparent);

} // namespace ui
