#pragma once
// Drawing the pictures: a button in one look, and the icons.
#include "catalogue.h"
#include "platform/rgb_image.h"

namespace picgen {

platform::RgbImage button_picture(const ButtonPictures& button, Look look);

// The icon with the character 计: scale 1 gives 32 x 32, scale 2 gives 64 x 64.
platform::RgbImage icon_picture(int scale);

} // namespace picgen
