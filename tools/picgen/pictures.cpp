#include "pictures.h"

namespace picgen {

platform::RgbImage button_picture(const ButtonPictures& button, Look look) {
    platform::RgbImage image = face(button.role, look, button.width, button.height);
    const std::vector<double> ink =
        coverage(symbol_shape(button.symbol, button.width), button.width, button.height);
    paint(image, ink.data(), symbol_colour(button.role, look));
    return image;
}

platform::RgbImage icon_picture(int scale) {
    platform::RgbImage image = icon_face(scale);
    const std::vector<double> ink =
        coverage(icon_character_shape(scale), image.width, image.height);
    paint(image, ink.data(), symbol_colour(Role::Key, Look::Normal));
    return image;
}

} // namespace picgen
