#pragma once
// Makes JPEG files of kinds the program's own pictures never are (grey, CMYK, progressive,
// many scans), for the decoder's tests and the fuzzer's seeds.
#include <cstdint>
#include <vector>

namespace test_jpeg {

using Bytes = std::vector<std::uint8_t>;

enum class Kind {
    Colour,      // three components, baseline
    Grey,        // one component
    Cmyk,        // four components, Adobe marker
    Progressive, // three components, the usual progressive scans
    ManyScans,   // three components, one scan per coefficient: 192 scans
};

// A picture of the given size with a smooth pattern: sample (x, y, c) is pattern(x, y, c).
Bytes encode(Kind kind, int width, int height);
std::uint8_t pattern(int x, int y, int component);

} // namespace test_jpeg
