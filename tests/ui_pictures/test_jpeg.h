#pragma once
// Makes JPEG files for tests: kinds the program's own pictures never are (grey, CMYK,
// progressive, many scans) for the decoder's tests and the fuzzer's seeds, and pictures of
// chosen samples for the picture button's fixtures.
#include <cstdint>
#include <functional>
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

// Sample c of the pixel at (x, y).
using Sample = std::function<std::uint8_t(int x, int y, int component)>;
struct Settings {
    int quality = 95;
    bool full_chroma = false; // no chroma subsampling: flat colours come back exactly
};
// A picture of the given kind and size whose samples come from `sample`.
Bytes encode_samples(Kind kind, int width, int height, const Sample& sample, Settings settings);

// A picture of the given size with a smooth pattern: sample (x, y, c) is pattern(x, y, c).
Bytes encode(Kind kind, int width, int height);
std::uint8_t pattern(int x, int y, int component);

} // namespace test_jpeg
