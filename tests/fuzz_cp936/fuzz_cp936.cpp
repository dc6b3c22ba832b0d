// Any bytes in, no crash out; and what the edit control relies on: a text that has been through
// the conversion once converts the same way again, and byte offsets map back to the positions
// they came from.
#include "platform/qt/text_conversion.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString text = platform::qt::from_cp936(bytes);
    const std::string once = platform::qt::to_cp936(text);
    const QString again = platform::qt::from_cp936(once);
    if (platform::qt::to_cp936(again) != once) std::abort();

    for (qsizetype position = 0; position <= again.size(); ++position) {
        if (position > 0 && position < again.size() && again.at(position).isLowSurrogate())
            continue; // inside a surrogate pair: not a character boundary
        const std::size_t offset = platform::qt::cp936_offset(again, position);
        if (platform::qt::utf16_position(again, offset) != position) std::abort();
    }
    return 0;
}
