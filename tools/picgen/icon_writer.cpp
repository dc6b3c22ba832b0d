#include "writers.h"

namespace picgen {
namespace {

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

} // namespace

Bytes icon_file(const platform::RgbImage& image, IconEntry entry) {
    const auto size = static_cast<std::uint32_t>(image.width);
    const std::uint32_t row_bytes = (size * 3 + 3) / 4 * 4;
    const std::uint32_t mask_row_bytes = (size + 31) / 32 * 4;
    constexpr std::uint32_t header_bytes = 40;
    const std::uint32_t image_bytes = header_bytes + row_bytes * size + mask_row_bytes * size;
    constexpr std::uint32_t directory_bytes = 6 + 16;

    Bytes out;
    // Directory: reserved, type 1 (icon), one image.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    // Entry: width and height (one byte each, 0 meaning 256), colour count, reserved,
    // planes, bit count, image size, image offset.
    out.push_back(static_cast<std::uint8_t>(size & 0xFF));
    out.push_back(static_cast<std::uint8_t>(size & 0xFF));
    out.push_back(0);
    out.push_back(0);
    put16(out, entry == IconEntry::Layout ? 0 : 1);
    put16(out, entry == IconEntry::Layout ? 8 : 24);
    put32(out, image_bytes);
    put32(out, directory_bytes);
    // Bitmap header: its height counts the colour rows and the mask rows together.
    put32(out, header_bytes);
    put32(out, size);
    put32(out, size * 2);
    put16(out, 1);  // planes
    put16(out, 24); // bits per pixel
    put32(out, 0);  // uncompressed
    put32(out, 0);  // image size, may be 0 when uncompressed
    put32(out, 0);  // pixels per metre, x and y
    put32(out, 0);
    put32(out, 0); // colours used and important
    put32(out, 0);
    // Colour rows bottom-up, blue green red, each padded to four bytes.
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < image.width; ++x) {
            const auto at = static_cast<std::size_t>((y * image.width + x) * 3);
            out.push_back(image.pixels[at + 2]);
            out.push_back(image.pixels[at + 1]);
            out.push_back(image.pixels[at]);
        }
        out.resize(start + row_bytes, 0);
    }
    // The transparency mask: all zero, fully opaque.
    out.resize(out.size() + mask_row_bytes * size, 0);
    return out;
}

} // namespace picgen
