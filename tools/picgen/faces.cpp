#include "faces.h"

#include <algorithm>
#include <cmath>

namespace picgen {
namespace {

constexpr Colour key_face = {249, 249, 249};
constexpr Colour title_face = {227, 227, 227};
constexpr Colour amber = {252, 192, 0};

// An inner shadow: the face, the outermost pixels at the top, left and right, at the bottom,
// and in the top corners.
struct InnerShadow {
    Colour face, edge, bottom, corner;
};

constexpr InnerShadow hover_shadow = {
    {247, 246, 242}, {219, 214, 208}, {237, 234, 229}, {195, 182, 173}};
constexpr InnerShadow pressed_shadow = {
    {248, 243, 237}, {190, 180, 165}, {222, 218, 207}, {139, 117, 96}};

// The shadow fades into the face over 5 pixels: full in the outermost pixel, gone in the
// sixth, easing out so that the fade looks soft rather than stepped.
double shadow_weight(int distance) {
    constexpr double fade = 5;
    if (distance >= fade) return 0;
    return std::pow(1 - distance / fade, 1.6);
}

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::round(value), 0.0, 255.0));
}

void put(platform::RgbImage& image, int x, int y, Colour c) {
    const auto at = static_cast<std::size_t>((y * image.width + x) * 3);
    image.pixels[at] = channel(c.red);
    image.pixels[at + 1] = channel(c.green);
    image.pixels[at + 2] = channel(c.blue);
}

platform::RgbImage blank(int width, int height) {
    platform::RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width * height * 3));
    return image;
}

platform::RgbImage flat(int width, int height, Colour colour) {
    platform::RgbImage image = blank(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            put(image, x, y, colour);
    return image;
}

// Each edge darkens the face by its own amount; where two edges meet, a correction makes the
// outermost corner pixel exactly the corner colour, so the corners are the darkest part.
platform::RgbImage shadowed(int width, int height, const InnerShadow& s) {
    auto darkening = [](double face, double edge, double bottom, double corner, double top_w,
                        double left_w, double right_w, double bottom_w) {
        const double by_edge = face - edge;
        const double by_bottom = face - bottom;
        const double corner_fix = (face - corner) - 2 * by_edge;
        const double side = std::max(left_w, right_w);
        // Bottom corners take the correction in proportion to their lighter edge.
        const double bottom_fix = corner_fix * by_bottom / by_edge;
        return by_edge * (top_w + left_w + right_w) + by_bottom * bottom_w +
               corner_fix * top_w * side + bottom_fix * bottom_w * side;
    };
    platform::RgbImage image = blank(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double t = shadow_weight(y);
            const double l = shadow_weight(x);
            const double r = shadow_weight(width - 1 - x);
            const double b = shadow_weight(height - 1 - y);
            put(image, x, y,
                {s.face.red -
                     darkening(s.face.red, s.edge.red, s.bottom.red, s.corner.red, t, l, r, b),
                 s.face.green - darkening(s.face.green, s.edge.green, s.bottom.green,
                                          s.corner.green, t, l, r, b),
                 s.face.blue - darkening(s.face.blue, s.edge.blue, s.bottom.blue, s.corner.blue, t,
                                         l, r, b)});
        }
    }
    return image;
}

} // namespace

platform::RgbImage face(Role role, Look look, int width, int height) {
    if (role == Role::TitleButton) return flat(width, height, title_face);
    switch (look) {
    case Look::Hover:
        return shadowed(width, height, hover_shadow);
    case Look::Pressed:
        return shadowed(width, height, pressed_shadow);
    case Look::Normal:
        break;
    }
    return flat(width, height, key_face);
}

Colour symbol_colour(Role role, Look look) {
    if (role == Role::Key) return amber;
    switch (look) {
    case Look::Hover:
        return {128, 128, 128};
    case Look::Pressed:
        return {0, 0, 0};
    case Look::Normal:
        break;
    }
    return {255, 255, 255};
}

platform::RgbImage icon_face(int scale) {
    constexpr Colour square = {248, 247, 245};
    constexpr Colour rim = {220, 215, 209};
    const int size = 32 * scale;
    const double rim_width = 3.0 * scale;
    platform::RgbImage image = blank(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int distance = std::min({x, y, size - 1 - x, size - 1 - y});
            const double w = distance >= rim_width ? 0 : std::pow(1 - distance / rim_width, 1.5);
            put(image, x, y,
                {square.red + (rim.red - square.red) * w,
                 square.green + (rim.green - square.green) * w,
                 square.blue + (rim.blue - square.blue) * w});
        }
    }
    return image;
}

void paint(platform::RgbImage& image, const double* coverage, Colour colour) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double a = coverage[y * image.width + x];
            if (a <= 0) continue;
            const auto at = static_cast<std::size_t>((y * image.width + x) * 3);
            const double under[3] = {double(image.pixels[at]), double(image.pixels[at + 1]),
                                     double(image.pixels[at + 2])};
            put(image, x, y,
                {under[0] + (colour.red - under[0]) * a, under[1] + (colour.green - under[1]) * a,
                 under[2] + (colour.blue - under[2]) * a});
        }
    }
}

} // namespace picgen
