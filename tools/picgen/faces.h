#pragma once
// The faces of the pictures: the flat faces, the keys' soft and deep inner shadows, and the
// icon's square with its darker rim.
#include "platform/rgb_image.h"

#include <cstdint>

namespace picgen {

struct Colour {
    double red, green, blue;
};

enum class Look { Normal, Hover, Pressed };

enum class Role { Key, TitleButton };

// A picture of the control's size showing only its face in the given look.
platform::RgbImage face(Role role, Look look, int width, int height);

// The colour of the symbol in the given look.
Colour symbol_colour(Role role, Look look);

// The icon's square: scale 1 for 32 x 32 (rim 3 pixels), 2 for 64 x 64.
platform::RgbImage icon_face(int scale);

// Lays the symbol over the face: each pixel mixes the colour by its coverage.
void paint(platform::RgbImage& image, const double* coverage, Colour colour);

} // namespace picgen
