#include "calc/big_unsigned.h"

#include <bit>
#include <cassert>

namespace calc {
namespace {

constexpr std::uint64_t limb_base = std::uint64_t{1} << 32;

std::uint32_t low_half(std::uint64_t value) noexcept {
    return static_cast<std::uint32_t>(value & 0xFFFFFFFFu);
}

} // namespace

BigUnsigned::BigUnsigned(std::uint64_t value) noexcept {
    limbs_[0] = low_half(value);
    limbs_[1] = low_half(value >> 32);
    size_ = 2;
    trim();
}

BigUnsigned::BigUnsigned(UInt128 value) noexcept {
    limbs_[0] = low_half(value.low);
    limbs_[1] = low_half(value.low >> 32);
    limbs_[2] = low_half(value.high);
    limbs_[3] = low_half(value.high >> 32);
    size_ = 4;
    trim();
}

void BigUnsigned::trim() noexcept {
    while (size_ > 0 && limbs_[static_cast<std::size_t>(size_ - 1)] == 0)
        --size_;
}

int BigUnsigned::bit_length() const noexcept {
    if (size_ == 0) return 0;
    std::uint32_t top = limbs_[static_cast<std::size_t>(size_ - 1)];
    return 32 * size_ - std::countl_zero(top);
}

int BigUnsigned::trailing_zero_bits() const noexcept {
    for (int index = 0; index < size_; ++index) {
        std::uint32_t limb = limbs_[static_cast<std::size_t>(index)];
        if (limb != 0) return 32 * index + std::countr_zero(limb);
    }
    return 0;
}

std::uint64_t BigUnsigned::low_64() const noexcept {
    return limbs_[0] | (std::uint64_t{limbs_[1]} << 32);
}

UInt128 BigUnsigned::low_128() const noexcept {
    return {limbs_[2] | (std::uint64_t{limbs_[3]} << 32), low_64()};
}

void BigUnsigned::multiply_small(std::uint32_t factor) noexcept {
    std::uint64_t carry = 0;
    for (int index = 0; index < size_; ++index) {
        auto& limb = limbs_[static_cast<std::size_t>(index)];
        std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = low_half(product);
        carry = product >> 32;
    }
    if (carry != 0) {
        assert(size_ < capacity);
        limbs_[static_cast<std::size_t>(size_++)] = low_half(carry);
    }
    trim();
}

void BigUnsigned::multiply_power_of_five(int exponent) noexcept {
    constexpr std::uint32_t five_to_13 = 1220703125; // the largest power of five below 2^32
    for (; exponent >= 13; exponent -= 13)
        multiply_small(five_to_13);
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent)
        rest *= 5;
    multiply_small(rest);
}

void BigUnsigned::multiply_power_of_ten(int exponent) noexcept {
    multiply_power_of_five(exponent);
    shift_left(exponent);
}

void BigUnsigned::shift_left(int bits) noexcept {
    if (size_ == 0 || bits <= 0) return;
    int limb_shift = bits / 32;
    int bit_shift = bits % 32;
    int new_size = size_ + limb_shift + 1;
    assert(new_size <= capacity);
    for (int index = new_size - 1; index >= limb_shift; --index) {
        int source = index - limb_shift;
        std::uint64_t high = source < size_ ? limbs_[static_cast<std::size_t>(source)] : 0u;
        std::uint64_t low =
            source >= 1 && source - 1 < size_ ? limbs_[static_cast<std::size_t>(source - 1)] : 0u;
        std::uint64_t joined = (high << 32) | low;
        limbs_[static_cast<std::size_t>(index)] = low_half(joined >> (32 - bit_shift));
    }
    for (int index = 0; index < limb_shift; ++index)
        limbs_[static_cast<std::size_t>(index)] = 0;
    size_ = new_size;
    trim();
}

std::uint32_t BigUnsigned::divide_small(std::uint32_t divisor) noexcept {
    std::uint64_t remainder = 0;
    for (int index = size_ - 1; index >= 0; --index) {
        auto& limb = limbs_[static_cast<std::size_t>(index)];
        std::uint64_t current = (remainder << 32) | limb;
        limb = low_half(current / divisor);
        remainder = current % divisor;
    }
    trim();
    return low_half(remainder);
}

int compare(const BigUnsigned& a, const BigUnsigned& b) noexcept {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int index = a.size_ - 1; index >= 0; --index) {
        auto position = static_cast<std::size_t>(index);
        if (a.limbs_[position] != b.limbs_[position]) {
            return a.limbs_[position] < b.limbs_[position] ? -1 : 1;
        }
    }
    return 0;
}

// Schoolbook long division in base 2^32 (Knuth's algorithm D): the divisor is normalised so
// that its top limb has its high bit set, which makes every estimated quotient limb at most
// two too large.
std::uint64_t divide_to_64_bits(const BigUnsigned& dividend, const BigUnsigned& divisor,
                                bool& has_remainder) noexcept {
    assert(!divisor.is_zero());
    if (compare(dividend, divisor) < 0) {
        has_remainder = !dividend.is_zero();
        return 0;
    }
    if (divisor.size_ == 1) {
        BigUnsigned quotient = dividend;
        has_remainder = quotient.divide_small(divisor.limbs_[0]) != 0;
        return quotient.low_64();
    }
    int shift = std::countl_zero(divisor.limbs_[static_cast<std::size_t>(divisor.size_ - 1)]);
    BigUnsigned u = dividend;
    BigUnsigned v = divisor;
    u.shift_left(shift);
    v.shift_left(shift);
    int n = v.size_;
    int m = u.size_ - n; // quotient limbs: m + 1, of which at most two are non-zero
    assert(u.size_ < BigUnsigned::capacity);
    u.limbs_[static_cast<std::size_t>(u.size_)] = 0; // room for the extra top limb
    auto limb = [](const BigUnsigned& number, int index) -> std::uint64_t {
        return number.limbs_[static_cast<std::size_t>(index)];
    };
    std::uint64_t v_top = limb(v, n - 1);
    std::uint64_t v_next = limb(v, n - 2);
    std::uint64_t quotient = 0;
    for (int j = m; j >= 0; --j) {
        std::uint64_t numerator = (limb(u, j + n) << 32) | limb(u, j + n - 1);
        std::uint64_t estimate = numerator / v_top;
        std::uint64_t rest = numerator % v_top;
        while (estimate >= limb_base || estimate * v_next > ((rest << 32) | limb(u, j + n - 2))) {
            --estimate;
            rest += v_top;
            if (rest >= limb_base) break;
        }
        // u[j .. j+n] -= estimate * v
        std::int64_t borrow = 0;
        std::uint64_t carry = 0;
        for (int i = 0; i < n; ++i) {
            std::uint64_t product = estimate * limb(v, i) + carry;
            carry = product >> 32;
            std::int64_t difference = static_cast<std::int64_t>(limb(u, i + j)) - borrow -
                                      static_cast<std::int64_t>(product & 0xFFFFFFFFu);
            u.limbs_[static_cast<std::size_t>(i + j)] =
                static_cast<std::uint32_t>(static_cast<std::uint64_t>(difference) & 0xFFFFFFFFu);
            borrow = difference < 0 ? 1 : 0;
        }
        std::int64_t top =
            static_cast<std::int64_t>(limb(u, j + n)) - borrow - static_cast<std::int64_t>(carry);
        u.limbs_[static_cast<std::size_t>(j + n)] =
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(top) & 0xFFFFFFFFu);
        if (top < 0) { // the estimate was one too large: add the divisor back
            --estimate;
            std::uint64_t sum_carry = 0;
            for (int i = 0; i < n; ++i) {
                std::uint64_t sum = limb(u, i + j) + limb(v, i) + sum_carry;
                u.limbs_[static_cast<std::size_t>(i + j)] = low_half(sum);
                sum_carry = sum >> 32;
            }
            u.limbs_[static_cast<std::size_t>(j + n)] = low_half(limb(u, j + n) + sum_carry);
        }
        if (j <= 1) quotient |= estimate << (32 * j);
    }
    // What is left in u's low n limbs is the remainder (shifted); anything non-zero counts.
    has_remainder = false;
    for (int i = 0; i < n; ++i)
        has_remainder = has_remainder || limb(u, i) != 0;
    return quotient;
}

} // namespace calc
