#include "ui/jpeg_picture.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <jpeglib.h>

namespace ui {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. Ours jumps back
// to the setjmp in run_decoder, which then destroys the decompressor.
struct ErrorManager {
    jpeg_error_mgr standard; // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf return_point;
};

[[noreturn]] void return_to_caller(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->return_point, 1);
}

// Warnings ("premature end of data", "corrupt data: bad Huffman code" and the like) are not
// errors: libjpeg recovers from them and finishes the picture, filling what is missing.
// They are not printed (the program writes no log) and they do not fail the decoding: only a
// fatal error does, which is what makes a picture undecodable.
void ignore_message(j_common_ptr, int) {}
void ignore_output(j_common_ptr) {}

// A progressive picture may hold any number of scans, and each costs a pass over the whole
// picture; a hostile file can hold thousands. None of ours has more than a handful.
constexpr int most_scans = 64;

void limit_scans(j_common_ptr info) {
    if (!info->is_decompressor) return;
    const auto* decompressor = reinterpret_cast<j_decompress_ptr>(info);
    if (decompressor->input_scan_number > most_scans) return_to_caller(info);
}

// Expands a row of grey samples, held at the start of the row, to RGB in place, from the
// end backwards so that no sample is overwritten before it is read.
void expand_grey_row(std::uint8_t* row, std::size_t width) {
    for (std::size_t x = width; x-- > 0;) {
        const std::uint8_t grey = row[x];
        row[3 * x] = grey;
        row[3 * x + 1] = grey;
        row[3 * x + 2] = grey;
    }
}

// Every libjpeg call happens in this frame, below its setjmp. No object with a destructor
// lives in this frame (the picture is the caller's), so the jump skips nothing that needed
// cleaning up, and after it the decompressor (the caller's too) is destroyed, which frees
// everything libjpeg allocated.
bool run_decoder(jpeg_decompress_struct& info, ErrorManager& errors,
                 std::span<const std::uint8_t> bytes, platform::RgbImage& picture) {
    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = return_to_caller;
    errors.standard.emit_message = ignore_message;
    errors.standard.output_message = ignore_output;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = limit_scans;
    if (setjmp(errors.return_point) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_CreateDecompress(&info, JPEG_LIB_VERSION, sizeof(info));
    info.progress = &progress;
    // A second bound besides the picture size, for libjpeg's working memory: the largest
    // allowed progressive picture needs about 100 MB of coefficients.
    info.mem->max_memory_to_use = 256L * 1024 * 1024;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width == 0 ||
        info.image_height == 0 || info.image_width > largest_picture_side ||
        info.image_height > largest_picture_side) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    // Grey is decoded as grey and expanded here: not every libjpeg converts grey to RGB.
    const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != (grey ? 1 : 3)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const std::size_t width = info.output_width;
    const std::size_t stride = width * 3;
    picture.width = static_cast<std::int32_t>(info.output_width);
    picture.height = static_cast<std::int32_t>(info.output_height);
    picture.pixels.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        std::uint8_t* row = picture.pixels.data() + info.output_scanline * stride;
        JSAMPROW rows[1] = {row};
        if (jpeg_read_scanlines(&info, rows, 1) != 1) break; // cannot happen with a memory source
        if (grey) expand_grey_row(row, width);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return picture.height > 0 && picture.width > 0;
}

} // namespace

std::optional<platform::RgbImage> decode_picture(std::span<const std::uint8_t> bytes) {
    if (bytes.size() <= 5 || bytes[0] != 0xFF || bytes[1] != 0xD8) return std::nullopt;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    platform::RgbImage picture;
    if (!run_decoder(info, errors, bytes, picture)) return std::nullopt;
    return picture;
}

} // namespace ui
