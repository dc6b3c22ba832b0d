#include "calc/powers_of_five.h"

namespace calc {
namespace {

struct Entry {
    std::uint64_t high;
    std::uint64_t low;
    int binary_exponent;
};

constexpr Entry table[] = {
#include "calc/powers_of_five_table.inc"
};

static_assert(sizeof table / sizeof table[0] == largest_power_of_five - smallest_power_of_five + 1);

} // namespace

PowerOfFive power_of_five(int exponent) noexcept {
    const Entry& entry = table[exponent - smallest_power_of_five];
    return {{entry.high, entry.low}, entry.binary_exponent};
}

} // namespace calc
