// The four operations of the calculator, evaluated as the x87 floating-point unit does with
// its precision set to a 64-bit significand: the exact result is rounded to 64 significant
// bits (to nearest, ties to even), and that is rounded again to a double when it is stored.
// The second rounding can differ from rounding the exact result once; the calculator shows
// those differences, so they are reproduced here in integer arithmetic, identically on every
// host and compiler.
#pragma once

namespace calc {

double extended_add(double a, double b) noexcept;
double extended_subtract(double a, double b) noexcept;
double extended_multiply(double a, double b) noexcept;
double extended_divide(double a, double b) noexcept;

} // namespace calc
