// The shape of a picture with a transparent colour: runs of other pixels, row by row.
#include "ui/pic_btn_shape.h"

#include "rect_printer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::Rect;
using platform::Rgb;

// A picture drawn as text: '#' is opaque (red), '.' is the transparent colour (white).
platform::RgbImage picture(const std::vector<std::string>& rows) {
    platform::RgbImage image;
    image.height = static_cast<std::int32_t>(rows.size());
    image.width = rows.empty() ? 0 : static_cast<std::int32_t>(rows[0].size());
    for (const std::string& row : rows) {
        for (char c : row) {
            if (c == '#')
                image.pixels.insert(image.pixels.end(), {255, 0, 0});
            else
                image.pixels.insert(image.pixels.end(), {255, 255, 255});
        }
    }
    return image;
}

constexpr Rgb white{255, 255, 255};

struct ShapeCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<Rect> runs;
};

TEST(OpaqueRuns, AreOnePixelHighRunsFromTheTopRowDown) {
    const ShapeCase cases[] = {
        {"all opaque, one run per row", {"###", "###"}, {{0, 0, 3, 1}, {0, 1, 3, 2}}},
        {"all transparent, no shape", {"...", "..."}, {}},
        {"two runs in a row, edges included", {"#.##"}, {{0, 0, 1, 1}, {2, 0, 4, 1}}},
        {"ring", {"###", "#.#", "###"}, {{0, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {0, 2, 3, 3}}},
        {"single pixels", {".#.", "...", "#.."}, {{1, 0, 2, 1}, {0, 2, 1, 3}}},
    };
    for (const ShapeCase& c : cases) {
        EXPECT_EQ(ui::opaque_runs(picture(c.rows), white), c.runs) << c.name;
    }
}

TEST(OpaqueRuns, ComparesAllThreeChannelsExactly) {
    platform::RgbImage image{3, 1, {255, 255, 255, 255, 255, 254, 254, 255, 255}};
    EXPECT_EQ(ui::opaque_runs(image, white), (std::vector<Rect>{{1, 0, 3, 1}}));
}

TEST(OpaqueRuns, EmptyOrShortPictureGivesOnlyWhatIsThere) {
    EXPECT_TRUE(ui::opaque_runs({}, white).empty());
    // Two rows claimed, one held: the missing row is not read.
    platform::RgbImage short_image{2, 2, {1, 2, 3, 4, 5, 6}};
    EXPECT_EQ(ui::opaque_runs(short_image, white), (std::vector<Rect>{{0, 0, 2, 1}}));
}

} // namespace
