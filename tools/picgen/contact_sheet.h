#pragma once
// A sheet to look at: the keypad and title buttons laid out as in the window, enlarged 2x,
// once per look, and the two icons below them.
#include "platform/rgb_image.h"

namespace picgen {

platform::RgbImage contact_sheet();

} // namespace picgen
