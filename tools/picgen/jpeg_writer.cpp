#include "writers.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace picgen {

Bytes jpeg_file(const platform::RgbImage& image) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    // The default error exit prints the message and ends the tool, which is right here.
    info.err = jpeg_std_error(&errors);
    jpeg_CreateCompress(&info, JPEG_LIB_VERSION, sizeof(info));
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    info.optimize_coding = TRUE;
    info.dct_method = JDCT_ISLOW; // exact integer transform: the same bytes on every machine
    jpeg_start_compress(&info, TRUE);
    const auto stride = static_cast<std::size_t>(image.width * 3);
    while (info.next_scanline < info.image_height) {
        // libjpeg's interface takes non-const rows but only reads them.
        auto* row = const_cast<JSAMPLE*>(image.pixels.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    Bytes bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

} // namespace picgen
