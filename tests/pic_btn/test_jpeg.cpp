#include "test_jpeg.h"

#include <cstdio>
#include <cstdlib>
// libjpeg's header needs the standard types declared first.
#include <jpeglib.h>

namespace test {
namespace {

std::vector<std::uint8_t> encode(std::int32_t width, std::int32_t height, int components,
                                 const std::vector<std::uint8_t>& pixels) {
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = static_cast<JDIMENSION>(width);
    compressor.image_height = static_cast<JDIMENSION>(height);
    compressor.input_components = components;
    compressor.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, 100, TRUE);
    for (int i = 0; i < compressor.num_components; ++i) {
        compressor.comp_info[i].h_samp_factor = 1;
        compressor.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&compressor, TRUE);
    const auto stride = static_cast<std::size_t>(width * components);
    while (compressor.next_scanline < compressor.image_height) {
        auto* row = const_cast<JSAMPLE*>(pixels.data() + compressor.next_scanline * stride);
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

} // namespace

std::vector<std::uint8_t> solid_jpeg(std::int32_t width, std::int32_t height,
                                     platform::Rgb colour) {
    std::vector<std::uint8_t> pixels;
    for (std::int32_t i = 0; i < width * height; ++i) {
        pixels.insert(pixels.end(), {colour.red, colour.green, colour.blue});
    }
    return encode(width, height, 3, pixels);
}

std::vector<std::uint8_t> grey_jpeg(std::int32_t width, std::int32_t height,
                                    const std::function<std::uint8_t(int x, int y)>& grey) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels.push_back(grey(x, y));
    }
    return encode(width, height, 1, pixels);
}

} // namespace test
