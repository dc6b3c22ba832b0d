#include "calc/floating_point_reset.h"

#include <cfenv>

namespace calc {

void reset_floating_point() noexcept {
#if (defined(__i386__) || defined(__x86_64__)) && (defined(__GNUC__) || defined(__clang__))
    // 0x037F: all six exceptions masked, precision control 64-bit significand, round to
    // nearest. fninit clears any pending exception first.
    const unsigned short x87_control = 0x037F;
    __asm__ __volatile__("fninit\n\tfldcw %0" : : "m"(x87_control));
#if defined(__SSE__)
    // The SSE unit computes doubles on x86-64: mask everything, round to nearest (0x1F80).
    const unsigned int sse_control = 0x1F80;
    __asm__ __volatile__("ldmxcsr %0" : : "m"(sse_control));
#endif
#else
    std::fesetround(FE_TONEAREST);
    std::fenv_t previous;
    std::feholdexcept(&previous); // clears the flags and masks (makes non-stop) all exceptions
#endif
}

} // namespace calc
