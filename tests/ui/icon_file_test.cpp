// The icon-file reader on the program's own icon and on malformed files.
#include "platform/window_system.h"
#include "ui/icon_file.h"
#include "ui/picture_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

platform::Rgb pixel(const platform::RgbImage& image, int x, int y) {
    const auto at = static_cast<std::size_t>((y * image.width + x) * 3);
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]};
}

TEST(IconFileRealIcon, IsThe32By32CalculatorIconFromTheImageHeader) {
    ASSERT_EQ(ui::window_icon_file.size(), 3262u);
    // The directory entry says 8 bits per pixel; the reader must follow the image header.
    ASSERT_EQ(ui::window_icon_file[6 + 6], 8);
    const auto image = ui::read_icon_file(ui::window_icon_file);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->height, 32);
    ASSERT_EQ(image->pixels.size(), 32u * 32u * 3u);
    // A darker greyish-beige rim, a near-white middle, and amber strokes of the character.
    const platform::Rgb corner = pixel(*image, 0, 0);
    EXPECT_NEAR(corner.red, 220, 12);
    EXPECT_NEAR(corner.green, 215, 12);
    EXPECT_NEAR(corner.blue, 209, 12);
    int amber = 0;
    int near_white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const platform::Rgb p = pixel(*image, x, y);
            if (p.red > 230 && p.green > 160 && p.green < 215 && p.blue < 90) ++amber;
            if (p.red > 240 && p.green > 240 && p.blue > 235) ++near_white;
        }
    }
    EXPECT_GT(amber, 20);
    EXPECT_GT(near_white, 300);
}

// A valid 24-bit icon of the given size with pixel (x, y) = (x, y, 7) and an empty mask.
Bytes make_icon(std::int32_t width, std::int32_t height) {
    const std::size_t colour_stride = static_cast<std::size_t>((width * 3 + 3) / 4 * 4);
    const std::size_t mask_stride = static_cast<std::size_t>((width + 31) / 32 * 4);
    const std::size_t image_size =
        40 + (colour_stride + mask_stride) * static_cast<std::size_t>(height);
    Bytes file(22 + image_size, 0);
    auto put16 = [&](std::size_t at, std::uint32_t v) {
        file[at] = static_cast<std::uint8_t>(v);
        file[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    put16(2, 1); // type: icon
    put16(4, 1); // one entry
    file[6] = static_cast<std::uint8_t>(width);
    file[7] = static_cast<std::uint8_t>(height);
    put16(6 + 6, 8); // the quirky bit count
    put32(6 + 8, static_cast<std::uint32_t>(image_size));
    put32(6 + 12, 22);
    put32(22, 40);
    put32(22 + 4, static_cast<std::uint32_t>(width));
    put32(22 + 8, static_cast<std::uint32_t>(height * 2));
    put16(22 + 12, 1);
    put16(22 + 14, 24);
    for (std::int32_t y = 0; y < height; ++y) {
        const std::size_t row = 22 + 40 + static_cast<std::size_t>(height - 1 - y) * colour_stride;
        for (std::int32_t x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            file[at] = 7;                                // blue
            file[at + 1] = static_cast<std::uint8_t>(y); // green
            file[at + 2] = static_cast<std::uint8_t>(x); // red
        }
    }
    return file;
}

TEST(IconFileLayout, RowsAreBottomUpBgrWithPaddedRows) {
    // Width 3: 9 bytes of colour padded to 12 per row.
    const auto image = ui::read_icon_file(make_icon(3, 5));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(pixel(*image, x, y), (platform::Rgb{static_cast<std::uint8_t>(x),
                                                          static_cast<std::uint8_t>(y), 7}))
                << x << "," << y;
}

struct Malformed {
    std::string what;
    std::function<void(Bytes&)> spoil;
};

class IconFileMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(IconFileMalformed, GivesNoPicture) {
    Bytes file = make_icon(4, 4);
    ASSERT_TRUE(ui::read_icon_file(file));
    GetParam().spoil(file);
    EXPECT_FALSE(ui::read_icon_file(file));
}

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IconFileMalformed,
    ::testing::Values(Malformed{"empty", [](Bytes& b) { b.clear(); }},
                      Malformed{"directory_only", [](Bytes& b) { b.resize(6); }},
                      Malformed{"entry_cut", [](Bytes& b) { b.resize(21); }},
                      Malformed{"reserved_not_zero", [](Bytes& b) { b[0] = 1; }},
                      Malformed{"cursor_type", [](Bytes& b) { b[2] = 2; }},
                      Malformed{"no_entries", [](Bytes& b) { b[4] = 0; }},
                      Malformed{"offset_past_end", [](Bytes& b) { put32(b, 6 + 12, 0xFFFFFFF0u); }},
                      Malformed{"size_past_end", [](Bytes& b) { put32(b, 6 + 8, 0xFFFFFFF0u); }},
                      Malformed{"image_runs_past_end", [](Bytes& b) { put32(b, 6 + 12, 23); }},
                      Malformed{"file_cut_in_mask", [](Bytes& b) { b.pop_back(); }},
                      Malformed{"image_smaller_than_header", [](Bytes& b) { put32(b, 6 + 8, 39); }},
                      Malformed{"header_size_too_small", [](Bytes& b) { put32(b, 22, 12); }},
                      Malformed{"header_size_past_image",
                                [](Bytes& b) { put32(b, 22, 0x7FFFFFFF); }},
                      Malformed{"zero_width", [](Bytes& b) { put32(b, 22 + 4, 0); }},
                      Malformed{"negative_width", [](Bytes& b) { put32(b, 22 + 4, 0xFFFFFFFCu); }},
                      Malformed{"huge_width", [](Bytes& b) { put32(b, 22 + 4, 0x40000000u); }},
                      Malformed{"top_down_height", [](Bytes& b) { put32(b, 22 + 8, 0xFFFFFFF8u); }},
                      Malformed{"odd_height", [](Bytes& b) { put32(b, 22 + 8, 7); }},
                      Malformed{"taller_than_data", [](Bytes& b) { put32(b, 22 + 8, 10); }},
                      Malformed{"two_planes", [](Bytes& b) { b[22 + 12] = 2; }},
                      Malformed{"eight_bits", [](Bytes& b) { b[22 + 14] = 8; }},
                      Malformed{"thirty_two_bits", [](Bytes& b) { b[22 + 14] = 32; }},
                      Malformed{"compressed", [](Bytes& b) { b[22 + 16] = 1; }}),
    [](const auto& test_case) { return test_case.param.what; });

} // namespace
