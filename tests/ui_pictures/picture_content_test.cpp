// What the 63 button pictures show, checked on their decoded pixels: the size of each, the
// face of each look with the keys' inner shadows, and where the symbol lies, in the same
// place in all three looks. JPEG blurs edges a little, hence the pixel or two of tolerance.
#include "ui/jpeg_picture.h"
#include "ui/picture_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct Rgb {
    int r, g, b;
};

// Inclusive pixel box.
struct Box {
    int left, top, right, bottom;
};

enum class Role { Key, TitleButton };

// Digits 1 to 9 have a range of widths rather than exact columns.
enum class Extent { Exact, DigitWidth };

struct Case {
    const char* control;
    const ui::PicBtnPictureData* pictures;
    int width, height;
    Role role;
    Box symbol; // for Extent::DigitWidth, left/right are the narrowest and widest extent
    Extent extent = Extent::Exact;
};

// Digits: 14 to 19 pixels wide, rows 10 to 35, centred on column 24.
constexpr Box digit = {14, 10, 19, 35};

// clang-format off
const Case cases[] = {
    {"最小化",      &ui::pictures_最小化,       32, 32, Role::TitleButton, {7, 13, 23, 16}},
    {"关闭",        &ui::pictures_关闭,         32, 32, Role::TitleButton, {8, 8, 23, 23}},
    {"按钮_0",      &ui::pictures_按钮_0,       96, 48, Role::Key, {41, 10, 56, 35}},
    {"按钮_1",      &ui::pictures_按钮_1,       48, 48, Role::Key, digit, Extent::DigitWidth},
    {"按钮_2",      &ui::pictures_按钮_2,       48, 48, Role::Key, digit, Extent::DigitWidth},
    {"按钮_3",      &ui::pictures_按钮_3,       48, 48, Role::Key, digit, Extent::DigitWidth},
    {"按钮_4",      &ui::pictures_按钮_4,       48, 48, Role::Key, digit, Extent::DigitWidth},
    {"按钮_5",      &ui::pictures_按钮_5,       48, 48, Role::Key, digit, Extent::DigitWidth},
    {"按钮_6",      &ui::pictures_按钮_6,       48, 48, Role::Key, digit, Extent::DigitWidth},
    {"按钮_7",      &ui::pictures_按钮_7,       48, 48, Role::Key, digit, Extent::DigitWidth},
    {"按钮_8",      &ui::pictures_按钮_8,       48, 48, Role::Key, digit, Extent::DigitWidth},
    {"按钮_9",      &ui::pictures_按钮_9,       48, 48, Role::Key, digit, Extent::DigitWidth},
    {"按钮_小数点", &ui::pictures_按钮_小数点,  48, 48, Role::Key, {22, 32, 25, 35}},
    {"按钮_加法",   &ui::pictures_按钮_加法,    48, 48, Role::Key, {16, 17, 32, 32}},
    {"按钮_减法",   &ui::pictures_按钮_减法,    48, 48, Role::Key, {20, 25, 28, 26}},
    {"按钮_乘法",   &ui::pictures_按钮_乘法,    48, 48, Role::Key, {17, 18, 31, 31}},
    {"按钮_除法",   &ui::pictures_按钮_除法,    48, 48, Role::Key, {16, 17, 32, 32}},
    {"按钮_等于",   &ui::pictures_按钮_等于,    48, 72, Role::Key, {6, 22, 43, 44}},
    {"按钮_退格",   &ui::pictures_按钮_退格,    48, 40, Role::Key, {10, 13, 40, 24}},
    {"按钮_C",      &ui::pictures_按钮_C,       48, 40, Role::Key, {15, 6, 33, 31}},
    {"按钮_CE",     &ui::pictures_按钮_CE,      48, 40, Role::Key, {6, 6, 43, 31}},
};
// clang-format on

enum class Look { Normal, Hover, Pressed };
constexpr std::array<Look, 3> looks = {Look::Normal, Look::Hover, Look::Pressed};
const char* name(Look look) {
    return look == Look::Normal ? "normal" : look == Look::Hover ? "hover" : "pressed";
}

std::span<const std::uint8_t> bytes(const Case& c, Look look) {
    switch (look) {
    case Look::Hover:
        return c.pictures->hover;
    case Look::Pressed:
        return c.pictures->pressed;
    case Look::Normal:
        break;
    }
    return c.pictures->normal;
}

// The keys' faces and inner shadows: face, outermost pixel at top/left/right, at the
// bottom, and the top corners.
struct Face {
    Rgb face, edge, bottom, corner;
};
constexpr Face key_face[] = {
    {{249, 249, 249}, {249, 249, 249}, {249, 249, 249}, {249, 249, 249}},
    {{247, 246, 242}, {219, 214, 208}, {237, 234, 229}, {195, 182, 173}},
    {{248, 243, 237}, {190, 180, 165}, {222, 218, 207}, {139, 117, 96}},
};
constexpr Rgb title_face = {227, 227, 227};
constexpr Rgb title_symbol[] = {{255, 255, 255}, {128, 128, 128}, {0, 0, 0}};

struct Picture {
    platform::RgbImage image;
    Rgb at(int x, int y) const {
        const std::uint8_t* p = &image.pixels[static_cast<std::size_t>((y * image.width + x) * 3)];
        return {p[0], p[1], p[2]};
    }
};

int distance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

std::string text(Rgb c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

// Whether a pixel shows the symbol (at least about half covered by it) rather than the face.
bool symbol_pixel(const Case& c, Look look, Rgb p) {
    if (c.role == Role::Key) return p.r > 200 && p.r - p.b > 100; // amber: red high, blue low
    const Rgb ink = title_symbol[static_cast<int>(look)];
    const int luma = (p.r + p.g + p.b) / 3;
    return std::abs(luma - title_face.r) * 2 > std::abs(ink.r - title_face.r);
}

std::optional<Box> symbol_box(const Case& c, Look look, const Picture& picture) {
    std::optional<Box> box;
    for (int y = 0; y < picture.image.height; ++y) {
        for (int x = 0; x < picture.image.width; ++x) {
            if (!symbol_pixel(c, look, picture.at(x, y))) continue;
            if (!box) box = Box{x, y, x, y};
            box->left = std::min(box->left, x);
            box->top = std::min(box->top, y);
            box->right = std::max(box->right, x);
            box->bottom = std::max(box->bottom, y);
        }
    }
    return box;
}

Picture decoded(const Case& c, Look look) {
    auto image = ui::decode_picture(bytes(c, look));
    return {image ? std::move(*image) : platform::RgbImage{}};
}

TEST(ButtonPictures, SizeIsTheControlsSize) {
    for (const Case& c : cases) {
        for (Look look : looks) {
            const Picture p = decoded(c, look);
            EXPECT_EQ(p.image.width, c.width) << c.control << " " << name(look);
            EXPECT_EQ(p.image.height, c.height) << c.control << " " << name(look);
        }
    }
}

TEST(ButtonPictures, FaceAwayFromTheSymbol) {
    constexpr int shadow = 5; // the inner shadow fades out within this many pixels
    constexpr int clearance = 3;
    for (const Case& c : cases) {
        for (Look look : looks) {
            const Picture p = decoded(c, look);
            ASSERT_EQ(p.image.width, c.width);
            const Rgb face =
                c.role == Role::Key ? key_face[static_cast<int>(look)].face : title_face;
            const Box s = c.extent == Extent::Exact ? c.symbol : Box{14, 10, 34, 35};
            int worst = 0;
            for (int y = shadow; y < c.height - shadow; ++y) {
                for (int x = shadow; x < c.width - shadow; ++x) {
                    if (x >= s.left - clearance && x <= s.right + clearance &&
                        y >= s.top - clearance && y <= s.bottom + clearance)
                        continue;
                    worst = std::max(worst, distance(p.at(x, y), face));
                }
            }
            EXPECT_LE(worst, 3) << c.control << " " << name(look) << ": face should be "
                                << text(face);
        }
    }
}

TEST(ButtonPictures, KeysInnerShadowsAndFlatFaces) {
    for (const Case& c : cases) {
        for (Look look : looks) {
            const Picture p = decoded(c, look);
            ASSERT_EQ(p.image.width, c.width);
            const std::string what = std::string(c.control) + " " + name(look);
            const int w = c.width;
            const int h = c.height;
            if (c.role == Role::TitleButton || look == Look::Normal) {
                // Flat: not even the outermost pixels differ from the face.
                const Rgb face = c.role == Role::Key ? key_face[0].face : title_face;
                for (Rgb edge : {p.at(0, 0), p.at(w - 1, 0), p.at(w / 2, h - 1), p.at(0, h / 2)})
                    EXPECT_LE(distance(edge, face), 3) << what;
                continue;
            }
            const Face& f = key_face[static_cast<int>(look)];
            EXPECT_LE(distance(p.at(w / 2, 0), f.edge), 6)
                << what << " top " << text(p.at(w / 2, 0));
            EXPECT_LE(distance(p.at(0, h / 2), f.edge), 6)
                << what << " left " << text(p.at(0, h / 2));
            EXPECT_LE(distance(p.at(w - 1, h / 2), f.edge), 6) << what << " right";
            EXPECT_LE(distance(p.at(w / 2, h - 1), f.bottom), 6) << what << " bottom";
            EXPECT_LE(distance(p.at(0, 0), f.corner), 10) << what << " corner " << text(p.at(0, 0));
            EXPECT_LE(distance(p.at(w - 1, 0), f.corner), 10) << what << " corner";
            // Darkest in the corners, lighter at the bottom, fading into the face.
            auto sum = [](Rgb x) { return x.r + x.g + x.b; };
            EXPECT_LT(sum(p.at(0, 0)), sum(p.at(w / 2, 0))) << what;
            EXPECT_LT(sum(p.at(w / 2, 0)), sum(p.at(w / 2, h - 1))) << what;
            EXPECT_LT(sum(p.at(w / 2, 0)), sum(p.at(w / 2, 2))) << what;
            EXPECT_LT(sum(p.at(w / 2, 2)), sum(p.at(w / 2, 4))) << what;
            EXPECT_LE(distance(p.at(w / 2, 5), f.face), 3) << what;
        }
    }
}

TEST(ButtonPictures, SymbolWhereTheLayoutPutsIt) {
    constexpr int tolerance = 1;
    for (const Case& c : cases) {
        for (Look look : looks) {
            const std::string what = std::string(c.control) + " " + name(look);
            const auto box = symbol_box(c, look, decoded(c, look));
            ASSERT_TRUE(box) << what << ": no symbol";
            EXPECT_NEAR(box->top, c.symbol.top, tolerance) << what;
            EXPECT_NEAR(box->bottom, c.symbol.bottom, tolerance) << what;
            if (c.extent == Extent::Exact) {
                EXPECT_NEAR(box->left, c.symbol.left, tolerance) << what;
                EXPECT_NEAR(box->right, c.symbol.right, tolerance) << what;
            } else {
                const int width = box->right - box->left + 1;
                EXPECT_GE(width, c.symbol.left - tolerance) << what;
                EXPECT_LE(width, c.symbol.right + tolerance) << what;
                // Centred on column 24 of the 48: the middle of the key.
                EXPECT_NEAR(box->left + box->right + 1, 48, 2 * tolerance) << what;
            }
        }
    }
}

TEST(ButtonPictures, SymbolInTheSamePlaceInEveryLook) {
    for (const Case& c : cases) {
        const auto normal = symbol_box(c, Look::Normal, decoded(c, Look::Normal));
        ASSERT_TRUE(normal) << c.control;
        for (Look look : {Look::Hover, Look::Pressed}) {
            const auto other = symbol_box(c, look, decoded(c, look));
            ASSERT_TRUE(other) << c.control;
            const std::string what = std::string(c.control) + " " + name(look);
            EXPECT_NEAR(other->left, normal->left, 1) << what;
            EXPECT_NEAR(other->top, normal->top, 1) << what;
            EXPECT_NEAR(other->right, normal->right, 1) << what;
            EXPECT_NEAR(other->bottom, normal->bottom, 1) << what;
        }
    }
}

TEST(ButtonPictures, KeySymbolsAreAmber) {
    // The fully covered pixels of every key's symbol show the amber core colour.
    constexpr Rgb amber = {252, 192, 0};
    for (const Case& c : cases) {
        if (c.role != Role::Key) continue;
        for (Look look : looks) {
            const Picture p = decoded(c, look);
            int best = 255;
            for (int y = 0; y < c.height; ++y)
                for (int x = 0; x < c.width; ++x)
                    best = std::min(best, distance(p.at(x, y), amber));
            EXPECT_LE(best, 8) << c.control << " " << name(look);
        }
    }
}

TEST(ButtonPictures, TitleSymbolColourFollowsTheLook) {
    for (const Case& c : cases) {
        if (c.role != Role::TitleButton) continue;
        for (Look look : looks) {
            const Picture p = decoded(c, look);
            const Rgb ink = title_symbol[static_cast<int>(look)];
            // The middle of the bar, and the crossing point of the cross.
            const Rgb middle = p.at(15, c.symbol.top == 13 ? 14 : 15);
            EXPECT_LE(distance(middle, ink), 8)
                << c.control << " " << name(look) << " " << text(middle);
        }
    }
}

} // namespace
