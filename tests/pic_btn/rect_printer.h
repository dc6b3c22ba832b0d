#pragma once
// Rectangles in test messages as {left, top, right, bottom}.
#include "platform/window_system.h"

#include <ostream>

namespace platform {
inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << "}";
}
} // namespace platform
