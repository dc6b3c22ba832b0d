// Off-screen bitmaps, copies cut at the edges, window backgrounds and painting.
#include "tests/platform_qt/host_fixture.h"

namespace host_test {
namespace {

using platform::Rgb;

Rgb pixel(const platform::RgbImage& image, int x, int y) {
    const auto at = static_cast<std::size_t>((y * image.width + x) * 3);
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]};
}

platform::RgbImage solid(int width, int height, Rgb colour) {
    platform::RgbImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        image.pixels.insert(image.pixels.end(), {colour.red, colour.green, colour.blue});
    return image;
}

class DrawingTest : public HostTest {};

TEST_F(DrawingTest, BitmapCopyIsExactAndCutAtTheEdges) {
    platform::BitmapHandle target = platform::create_bitmap({6, 4});
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(pixel(platform::bitmap_pixels(target), 5, 3), (Rgb{0, 0, 0})) << "starts black";
    platform::RgbImage picture = solid(3, 3, {252, 192, 0});
    picture.pixels[0] = 1; // one odd pixel at the top-left: 1, 192, 0
    platform::BitmapHandle source = platform::create_bitmap_from_image(picture);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(platform::bitmap_size(source), (platform::Size{3, 3}));

    platform::Canvas* canvas = platform::begin_bitmap_drawing(target);
    platform::fill_rect(canvas, {0, 0, 2, 4}, {10, 20, 30});
    platform::draw_bitmap(canvas, source, {4, 2}); // only 2 x 2 of it fits
    platform::end_bitmap_drawing(target, canvas);

    const platform::RgbImage result = platform::bitmap_pixels(target);
    EXPECT_EQ(pixel(result, 1, 3), (Rgb{10, 20, 30}));
    EXPECT_EQ(pixel(result, 2, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixel(result, 4, 2), (Rgb{1, 192, 0}));
    EXPECT_EQ(pixel(result, 5, 3), (Rgb{252, 192, 0}));
    EXPECT_EQ(pixel(result, 3, 2), (Rgb{0, 0, 0}));
    platform::destroy_bitmap(source);
    platform::destroy_bitmap(target);
    EXPECT_EQ(platform::create_bitmap({0, 5}), nullptr);
    EXPECT_EQ(platform::create_bitmap_from_image({2, 2, {1, 2, 3}}), nullptr) << "too few bytes";
}

// A child that paints a bitmap over its whole area, and a label-like one that draws only text.
platform::BitmapHandle child_picture = nullptr;
platform::LResult picture_procedure(platform::WindowHandle w, platform::MessageId m,
                                    platform::WParam wp, platform::LParam lp) {
    if (m == platform::message::paint) {
        platform::Canvas* canvas = platform::begin_paint(w);
        platform::draw_bitmap(canvas, child_picture, {0, 0});
        platform::end_paint(w, canvas);
        return 0;
    }
    return recording_procedure(w, m, wp, lp);
}

TEST_F(DrawingTest, BackgroundFillsOnlyWhatNoOpaqueChildCovers) {
    platform::register_window_class(
        {"HostTestPicture", &picture_procedure, platform::CursorShape::Arrow, false, {}, false});
    child_picture = platform::create_bitmap_from_image(solid(20, 10, {0, 0, 255}));
    platform::WindowHandle window = top_level(grey_class, {0, 0, 100, 50});
    platform::WindowHandle picture = child(window, "HostTestPicture", box(10, 10, 20, 10));
    activate(window);
    const platform::RgbImage shot = platform::testing::window_pixels(window);
    ASSERT_EQ(shot.width, 100);
    EXPECT_EQ(pixel(shot, 0, 0), (Rgb{227, 227, 227}));
    EXPECT_EQ(pixel(shot, 15, 15), (Rgb{0, 0, 255}));
    EXPECT_EQ(pixel(shot, 30, 15), (Rgb{227, 227, 227}));
    const std::uint64_t paints = platform::testing::paint_count(picture);
    platform::repaint_now(picture);
    EXPECT_EQ(platform::testing::paint_count(picture), paints + 1) << "painted before returning";
    platform::destroy_bitmap(child_picture);
}

// A label-like child: draws a black bar over its left half, or nothing.
bool label_draws = true;
platform::LResult label_procedure(platform::WindowHandle w, platform::MessageId m,
                                  platform::WParam wp, platform::LParam lp) {
    if (m == platform::message::paint) {
        platform::Canvas* canvas = platform::begin_paint(w);
        if (label_draws) platform::fill_rect(canvas, {0, 0, 10, 10}, {0, 0, 0});
        platform::end_paint(w, canvas);
        return 0;
    }
    return recording_procedure(w, m, wp, lp);
}

TEST_F(DrawingTest, TransparentChildShowsTheParentBeneathAndLeavesNoTraces) {
    platform::register_window_class(
        {"HostTestLabel", &label_procedure, platform::CursorShape::Arrow, false, {}, true});
    label_draws = true;
    platform::WindowHandle window = top_level(grey_class, {0, 0, 100, 50});
    platform::WindowHandle label = child(window, "HostTestLabel", box(10, 10, 20, 10));
    activate(window);
    platform::RgbImage shot = platform::testing::window_pixels(window);
    EXPECT_EQ(pixel(shot, 12, 12), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixel(shot, 25, 12), (Rgb{227, 227, 227})) << "the window colour beneath";
    label_draws = false;
    platform::repaint_now(label);
    shot = platform::testing::window_pixels(window);
    EXPECT_EQ(pixel(shot, 12, 12), (Rgb{227, 227, 227})) << "old drawing gone";
}

TEST_F(DrawingTest, TextMeasuresWithTheFontsLineHeight) {
    platform::FontHandle font = platform::create_font({35, 400, ""});
    ASSERT_NE(font, nullptr);
    const platform::Size w = platform::measure_text(font, "W");
    const platform::Size wu = platform::measure_text(font, "\xCE\xE2");
    EXPECT_GE(w.height, 35);
    EXPECT_EQ(w.height, wu.height);
    EXPECT_GT(platform::measure_text(font, "WW").width, w.width);
    EXPECT_GT(wu.width, 0) << "Chinese must have a glyph";
    platform::destroy_font(font);
}

} // namespace
} // namespace host_test
