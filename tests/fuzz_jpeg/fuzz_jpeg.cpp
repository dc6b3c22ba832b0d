// Fuzzes the picture decoder: any bytes give no picture or a self-consistent one, without a
// crash, a leak or undefined behaviour.
#include "ui/jpeg_picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = ui::decode_picture({data, size});
    if (picture) {
        const auto width = static_cast<std::size_t>(picture->width);
        const auto height = static_cast<std::size_t>(picture->height);
        if (width == 0 || height == 0 || width > ui::largest_picture_side ||
            height > ui::largest_picture_side || picture->pixels.size() != width * height * 3)
            std::abort();
    }
    return 0;
}
