#include "tests/pic_btn/test_jpeg.h"

#include "tests/ui_pictures/test_jpeg.h"

namespace test {

std::vector<std::uint8_t> solid_jpeg(std::int32_t width, std::int32_t height,
                                     platform::Rgb colour) {
    const auto sample = [colour](int, int, int component) {
        return component == 0 ? colour.red : component == 1 ? colour.green : colour.blue;
    };
    return test_jpeg::encode_samples(test_jpeg::Kind::Colour, width, height, sample,
                                     {.quality = 100, .full_chroma = true});
}

std::vector<std::uint8_t> grey_jpeg(std::int32_t width, std::int32_t height,
                                    const std::function<std::uint8_t(int x, int y)>& grey) {
    const auto sample = [&grey](int x, int y, int) { return grey(x, y); };
    return test_jpeg::encode_samples(test_jpeg::Kind::Grey, width, height, sample,
                                     {.quality = 100, .full_chroma = true});
}

} // namespace test
