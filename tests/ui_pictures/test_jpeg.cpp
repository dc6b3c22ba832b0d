#include "test_jpeg.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace test_jpeg {
namespace {

int components_of(Kind kind) {
    switch (kind) {
    case Kind::Grey:
        return 1;
    case Kind::Cmyk:
        return 4;
    default:
        return 3;
    }
}

// One scan per DC of each component, then one per AC coefficient of each component.
std::vector<jpeg_scan_info> scan_per_coefficient() {
    std::vector<jpeg_scan_info> scans;
    for (int c = 0; c < 3; ++c)
        scans.push_back({1, {c, 0, 0, 0}, 0, 0, 0, 0});
    for (int k = 1; k < 64; ++k)
        for (int c = 0; c < 3; ++c)
            scans.push_back({1, {c, 0, 0, 0}, k, k, 0, 0});
    return scans;
}

} // namespace

std::uint8_t pattern(int x, int y, int component) {
    // Smooth and without wrap-around, so that JPEG keeps it close (pictures up to 40 x 40).
    return static_cast<std::uint8_t>(std::min(255, x * 3 + y * 2 + component * 50));
}

Bytes encode(Kind kind, int width, int height) {
    return encode_samples(kind, width, height, pattern, Settings{});
}

Bytes encode_samples(Kind kind, int width, int height, const Sample& sample, Settings settings) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_CreateCompress(&info, JPEG_LIB_VERSION, sizeof(info));
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    const int components = components_of(kind);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, settings.quality, TRUE);
    if (settings.full_chroma) {
        for (int i = 0; i < info.num_components; ++i) {
            info.comp_info[i].h_samp_factor = 1;
            info.comp_info[i].v_samp_factor = 1;
        }
    }
    const std::vector<jpeg_scan_info> many = scan_per_coefficient();
    if (kind == Kind::Progressive) jpeg_simple_progression(&info);
    if (kind == Kind::ManyScans) {
        info.scan_info = many.data();
        info.num_scans = static_cast<int>(many.size());
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width * components));
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                row[static_cast<std::size_t>(x * components + c)] = sample(x, y, c);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    Bytes bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

} // namespace test_jpeg
