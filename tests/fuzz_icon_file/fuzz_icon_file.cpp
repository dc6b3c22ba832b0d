// Any bytes given to the icon-file reader: it must never read outside them, and a picture it
// returns must have exactly the pixels its size says.
#include "ui/icon_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = ui::read_icon_file({data, size});
    if (picture && picture->pixels.size() != static_cast<std::size_t>(picture->width) *
                                                 static_cast<std::size_t>(picture->height) * 3)
        std::abort();
    return 0;
}
