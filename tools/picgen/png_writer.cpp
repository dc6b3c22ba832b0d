#include "writers.h"

#include <array>
#include <string_view>

namespace picgen {
namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void put32_big(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

void put_chunk(Bytes& out, std::string_view type, const Bytes& data) {
    put32_big(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t type_at = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    put32_big(out, crc32(out.data() + type_at, out.size() - type_at, 0));
}

// A zlib stream of stored deflate blocks, with its Adler-32 check.
Bytes stored_zlib(const Bytes& raw) {
    Bytes out = {0x78, 0x01};
    constexpr std::size_t max_block = 65535;
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(max_block, raw.size() - at);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length & 0xFF));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length & 0xFF));
        out.push_back(static_cast<std::uint8_t>((~length >> 8) & 0xFF));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put32_big(out, (b << 16) | a);
    return out;
}

} // namespace

Bytes png_file(const platform::RgbImage& image) {
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    put32_big(header, static_cast<std::uint32_t>(image.width));
    put32_big(header, static_cast<std::uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, deflate, no filter, no interlace
    put_chunk(out, "IHDR", header);
    Bytes raw;
    const auto stride = static_cast<std::size_t>(image.width * 3);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0); // filter: none
        const auto row = image.pixels.begin() +
                         static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * stride);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(stride));
    }
    put_chunk(out, "IDAT", stored_zlib(raw));
    put_chunk(out, "IEND", {});
    return out;
}

} // namespace picgen
