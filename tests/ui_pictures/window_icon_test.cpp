// The window and tray icon: the icon file's exact layout, and what its pixels show.
#include "ui/picture_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

std::uint32_t field(std::size_t at, std::size_t bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = bytes; i-- > 0;)
        value = value << 8 | ui::window_icon_file[at + i];
    return value;
}

TEST(WindowIcon, FileLayout) {
    ASSERT_EQ(ui::window_icon_file.size(), 3262u);
    struct Field {
        const char* name;
        std::size_t at, bytes;
        std::uint32_t value;
    };
    // clang-format off
    const Field fields[] = {
        {"reserved", 0, 2, 0}, {"type icon", 2, 2, 1}, {"count", 4, 2, 1},
        {"entry width", 6, 1, 32}, {"entry height", 7, 1, 32}, {"colour count", 8, 1, 0},
        {"entry reserved", 9, 1, 0}, {"entry planes", 10, 2, 0}, {"entry bit count", 12, 2, 8},
        {"image size", 14, 4, 3240}, {"image offset", 18, 4, 22},
        {"header size", 22, 4, 40}, {"width", 26, 4, 32}, {"height with mask", 30, 4, 64},
        {"planes", 34, 2, 1}, {"bits per pixel", 36, 2, 24}, {"uncompressed", 38, 4, 0},
    };
    // clang-format on
    for (const Field& f : fields)
        EXPECT_EQ(field(f.at, f.bytes), f.value) << f.name;
    const auto mask = ui::window_icon_file.subspan(62 + 3072);
    ASSERT_EQ(mask.size(), 128u);
    EXPECT_TRUE(std::all_of(mask.begin(), mask.end(), [](std::uint8_t b) { return b == 0; }))
        << "the mask is all zero: fully opaque";
}

struct Rgb {
    int r, g, b;
};

// Pixel (x, y) counted from the top; the file holds rows bottom-up as blue, green, red.
Rgb pixel(int x, int y) {
    const auto at = static_cast<std::size_t>(62 + ((31 - y) * 32 + x) * 3);
    return {ui::window_icon_file[at + 2], ui::window_icon_file[at + 1], ui::window_icon_file[at]};
}

int distance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

TEST(WindowIcon, NearWhiteSquareWithDarkerRim) {
    constexpr Rgb square = {248, 247, 245};
    constexpr Rgb rim = {220, 215, 209};
    // Away from the strokes of 计, inside the rim.
    for (auto [x, y] : {std::pair{26, 24}, std::pair{15, 25}, std::pair{26, 8}})
        EXPECT_LE(distance(pixel(x, y), square), 2) << x << ", " << y;
    for (auto [x, y] : {std::pair{16, 0}, std::pair{0, 16}, std::pair{31, 20}, std::pair{10, 31}})
        EXPECT_LE(distance(pixel(x, y), rim), 3) << x << ", " << y;
    // The rim darkens towards the edge.
    EXPECT_LT(pixel(16, 0).r, pixel(16, 1).r);
    EXPECT_LT(pixel(16, 1).r, pixel(16, 2).r);
}

TEST(WindowIcon, AmberCharacterSpansTheSquare) {
    int left = 32, top = 32, right = -1, bottom = -1;
    bool core = false;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Rgb p = pixel(x, y);
            if (p.r - p.b < 100) continue; // not amber
            core = core || distance(p, {252, 192, 0}) == 0;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_TRUE(core) << "fully covered stroke pixels are exactly amber";
    EXPECT_NEAR(left, 3, 1);
    EXPECT_NEAR(top, 4, 1);
    EXPECT_NEAR(right, 29, 1);
    EXPECT_NEAR(bottom, 29, 1);
}

} // namespace
