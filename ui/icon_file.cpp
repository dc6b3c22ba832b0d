#include "ui/icon_file.h"

#include <cstddef>

namespace ui {
namespace {

// Little-endian fields at an offset already known to be inside the bytes.
std::uint32_t read_u16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | (bytes[at + 1] << 8));
}
std::uint32_t read_u32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return read_u16(bytes, at) | (read_u16(bytes, at + 2) << 16);
}
std::int32_t read_i32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::int32_t>(read_u32(bytes, at));
}

constexpr std::size_t directory_size = 6;
constexpr std::size_t entry_size = 16;
constexpr std::size_t bitmap_header_size = 40;
constexpr std::uint32_t icon_type = 1;
constexpr std::uint32_t uncompressed = 0;
// Larger images are not icons; the limit also keeps every size computation far from overflow.
constexpr std::int64_t largest_side = 1024;

} // namespace

std::optional<platform::RgbImage> read_icon_file(std::span<const std::uint8_t> file) {
    // 1. Directory: reserved 0, type 1 (icon), at least one entry, and that entry present.
    if (file.size() < directory_size + entry_size) return std::nullopt;
    if (read_u16(file, 0) != 0 || read_u16(file, 2) != icon_type || read_u16(file, 4) == 0)
        return std::nullopt;

    // 2. The first entry locates its image; only where it lies is taken from it.
    const std::uint32_t image_bytes = read_u32(file, directory_size + 8);
    const std::uint32_t image_offset = read_u32(file, directory_size + 12);
    if (image_offset > file.size() || image_bytes > file.size() - image_offset) return std::nullopt;
    const std::span<const std::uint8_t> image = file.subspan(image_offset, image_bytes);

    // 3. The image's bitmap header: its size, width, doubled height, one plane, 24 bits,
    //    no compression. A negative (top-down) height is not valid in an icon.
    if (image.size() < bitmap_header_size) return std::nullopt;
    const std::uint32_t header_size = read_u32(image, 0);
    const std::int64_t width = read_i32(image, 4);
    const std::int64_t doubled_height = read_i32(image, 8);
    if (header_size < bitmap_header_size || header_size > image.size()) return std::nullopt;
    if (width <= 0 || width > largest_side) return std::nullopt;
    if (doubled_height <= 0 || doubled_height % 2 != 0 || doubled_height > 2 * largest_side)
        return std::nullopt;
    if (read_u16(image, 12) != 1 || read_u16(image, 14) != 24 ||
        read_u32(image, 16) != uncompressed)
        return std::nullopt;
    const std::int64_t height = doubled_height / 2;

    // 4. Colour rows (bottom-up BGR, each padded to 4 bytes), then the 1-bit mask rows.
    const std::int64_t colour_stride = (width * 3 + 3) / 4 * 4;
    const std::int64_t mask_stride = (width + 31) / 32 * 4;
    const std::int64_t pixels_at = header_size;
    const std::int64_t needed = pixels_at + (colour_stride + mask_stride) * height;
    if (needed > static_cast<std::int64_t>(image.size())) return std::nullopt;

    platform::RgbImage picture;
    picture.width = static_cast<std::int32_t>(width);
    picture.height = static_cast<std::int32_t>(height);
    picture.pixels.resize(static_cast<std::size_t>(width * height * 3));
    for (std::int64_t row = 0; row < height; ++row) {
        const std::size_t source =
            static_cast<std::size_t>(pixels_at + (height - 1 - row) * colour_stride);
        std::size_t target = static_cast<std::size_t>(row * width * 3);
        for (std::int64_t column = 0; column < width; ++column) {
            const std::size_t pixel = source + static_cast<std::size_t>(column * 3);
            picture.pixels[target++] = image[pixel + 2];
            picture.pixels[target++] = image[pixel + 1];
            picture.pixels[target++] = image[pixel];
        }
    }
    return picture;
}

} // namespace ui
