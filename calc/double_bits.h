// The fields of a 64-bit IEEE-754 double, for the code that takes doubles apart and builds them.
#pragma once

#include <cstdint>

namespace calc::double_bits {

inline constexpr std::uint64_t sign_bit = 0x8000000000000000u;
inline constexpr std::uint64_t exponent_mask = 0x7FF0000000000000u;
inline constexpr std::uint64_t fraction_mask = 0x000FFFFFFFFFFFFFu;

} // namespace calc::double_bits
