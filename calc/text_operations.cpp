#include <cstring>
#include <limits>

#include "calc/conversions.h"

namespace calc {
namespace {

std::size_t length_before_zero(std::string_view text) noexcept {
    if (text.empty()) return 0; // memchr must not see a null pointer, even for no bytes
    const void* zero = std::memchr(text.data(), 0, text.size());
    return zero == nullptr ? text.size()
                           : static_cast<std::size_t>(static_cast<const char*>(zero) - text.data());
}

} // namespace

std::int32_t text_byte_length(std::string_view text) noexcept {
    constexpr auto largest = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    std::size_t length = length_before_zero(text);
    return static_cast<std::int32_t>(length < largest ? length : largest);
}

std::string text_left(std::string_view text, std::int32_t count) {
    if (count <= 0) return {};
    std::size_t length = length_before_zero(text);
    auto wanted = static_cast<std::size_t>(count);
    return std::string(text.substr(0, wanted < length ? wanted : length));
}

} // namespace calc
