// The floating-point set-up of the program's start: every exception masked, rounding to
// nearest, and on x86 the x87 precision control at a 64-bit significand.
#pragma once

namespace calc {

void reset_floating_point() noexcept;

} // namespace calc
