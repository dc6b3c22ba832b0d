// The decoder on good pictures of every kind and on broken, truncated and hostile data: no
// input crashes it or leaks (this suite also runs in the sanitizer build), and every input
// gives either no picture or a picture whose pixels match its size.
#include "test_jpeg.h"
#include "ui/jpeg_picture.h"
#include "ui/picture_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace {

using test_jpeg::Bytes;
using test_jpeg::Kind;

Bytes bytes_of(std::span<const std::uint8_t> span) {
    return Bytes(span.begin(), span.end());
}

// A picture, if any, must be self-consistent and within the size limit.
void expect_none_or_consistent(const std::optional<platform::RgbImage>& picture,
                               const std::string& what) {
    if (!picture) return;
    EXPECT_GT(picture->width, 0) << what;
    EXPECT_GT(picture->height, 0) << what;
    EXPECT_LE(picture->width, ui::largest_picture_side) << what;
    EXPECT_LE(picture->height, ui::largest_picture_side) << what;
    EXPECT_EQ(picture->pixels.size(), static_cast<std::size_t>(picture->width) *
                                          static_cast<std::size_t>(picture->height) * 3)
        << what;
}

// Where the frame header (SOF0..SOF2) of a JPEG starts, or 0.
std::size_t frame_header_at(const Bytes& jpeg) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) return i;
    return 0;
}

// Where the entropy-coded data of the first scan begins (after the SOS segment), or 0.
std::size_t scan_data_at(const Bytes& jpeg) {
    for (std::size_t i = 2; i + 3 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA)
            return i + 2 + (static_cast<std::size_t>(jpeg[i + 2]) << 8 | jpeg[i + 3]);
    return 0;
}

Bytes with_declared_size(Bytes jpeg, int width, int height) {
    const std::size_t sof = frame_header_at(jpeg);
    jpeg[sof + 5] = static_cast<std::uint8_t>(height >> 8);
    jpeg[sof + 6] = static_cast<std::uint8_t>(height & 0xFF);
    jpeg[sof + 7] = static_cast<std::uint8_t>(width >> 8);
    jpeg[sof + 8] = static_cast<std::uint8_t>(width & 0xFF);
    return jpeg;
}

TEST(DecodePicture, EveryKindOfGoodPicture) {
    struct Case {
        const char* name;
        Kind kind;
        bool grey;
    };
    for (const Case& c : {Case{"colour", Kind::Colour, false}, Case{"grey", Kind::Grey, true},
                          Case{"progressive", Kind::Progressive, false}}) {
        const Bytes jpeg = test_jpeg::encode(c.kind, 37, 21);
        const auto picture = ui::decode_picture(jpeg);
        ASSERT_TRUE(picture) << c.name;
        EXPECT_EQ(picture->width, 37) << c.name;
        EXPECT_EQ(picture->height, 21) << c.name;
        ASSERT_EQ(picture->pixels.size(), 37u * 21u * 3u) << c.name;
        int worst = 0;
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 37; ++x) {
                const std::uint8_t* p =
                    &picture->pixels[static_cast<std::size_t>((y * 37 + x) * 3)];
                if (c.grey) {
                    EXPECT_EQ(p[0], p[1]) << c.name << " grey expands to equal channels";
                    EXPECT_EQ(p[0], p[2]) << c.name;
                }
                for (int k = 0; k < 3; ++k)
                    worst =
                        std::max(worst, std::abs(p[k] - test_jpeg::pattern(x, y, c.grey ? 0 : k)));
            }
        }
        EXPECT_LE(worst, 24) << c.name << ": decoded pixels far from what was encoded";
    }
}

TEST(DecodePicture, UnrecognisedOrTooShortGivesNoPicture) {
    const Bytes good = bytes_of(ui::pictures_按钮_5.normal);
    const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                       0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    struct Case {
        std::string name;
        Bytes bytes;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"FF D8 only", {0xFF, 0xD8}},
        {"FF D8 FF D9 padded to 6 bytes", {0xFF, 0xD8, 0xFF, 0xD9, 0, 0}},
        {"PNG", png},
        {"icon file", bytes_of(ui::window_icon_file)},
        {"JPEG without its first byte", Bytes(good.begin() + 1, good.end())},
        {"D8 FF instead of FF D8",
         [&] {
             Bytes b = good;
             std::swap(b[0], b[1]);
             return b;
         }()},
    };
    for (std::size_t n = 1; n <= 5; ++n)
        cases.push_back({"first " + std::to_string(n) + " bytes of a JPEG",
                         Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n))});
    for (const Case& c : cases)
        EXPECT_FALSE(ui::decode_picture(c.bytes)) << c.name;
}

TEST(DecodePicture, RefusesUnsupportedAndHostileHeaders) {
    const Bytes small = test_jpeg::encode(Kind::Colour, 8, 8);
    struct Case {
        std::string name;
        Bytes bytes;
    };
    const Case cases[] = {
        {"CMYK (no conversion to RGB)", test_jpeg::encode(Kind::Cmyk, 16, 16)},
        {"declared 65535 x 65535", with_declared_size(small, 65535, 65535)},
        {"declared 4097 wide", with_declared_size(small, 4097, 8)},
        {"declared 4097 high", with_declared_size(small, 8, 4097)},
        {"declared zero height", with_declared_size(small, 8, 0)},
        {"192 progressive scans", test_jpeg::encode(Kind::ManyScans, 16, 16)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(ui::decode_picture(c.bytes)) << c.name;
}

TEST(DecodePicture, LargestSideIsAllowed) {
    // The data holds an 8 x 8 picture; the rest is filled in after libjpeg's warning about the
    // premature end, which is not an error.
    const auto picture =
        ui::decode_picture(with_declared_size(test_jpeg::encode(Kind::Colour, 8, 8), 4096, 8));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 4096);
    EXPECT_EQ(picture->height, 8);
}

TEST(DecodePicture, TruncatedAtEveryLength) {
    struct Case {
        Bytes jpeg;
        int full_width;
    };
    for (const auto& [jpeg, full_width] :
         {Case{bytes_of(ui::pictures_按钮_0.pressed), 96},
          Case{test_jpeg::encode(Kind::Progressive, 40, 24), 40}}) {
        const std::size_t frame_end = frame_header_at(jpeg) + 10;
        ASSERT_GT(frame_end, 10u);
        for (std::size_t length = 0; length < jpeg.size(); ++length) {
            const Bytes cut(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(length));
            const auto picture = ui::decode_picture(cut);
            const std::string what = "cut at " + std::to_string(length);
            expect_none_or_consistent(picture, what);
            if (picture) {
                EXPECT_EQ(picture->width, full_width) << what;
            }
            // Cut before the picture's size is known: no picture. Cut later, libjpeg may warn
            // of the premature end and fill in the rest: a picture of the full size.
            if (length < frame_end) {
                EXPECT_FALSE(picture) << what;
            }
        }
    }
}

TEST(DecodePicture, EveryByteFlipped) {
    const Bytes jpeg = bytes_of(ui::pictures_按钮_加法.hover);
    const std::size_t scan = scan_data_at(jpeg);
    for (std::size_t at = 0; at < jpeg.size(); ++at) {
        for (int mask : {0x01, 0x80, 0xFF}) {
            Bytes broken = jpeg;
            broken[at] = static_cast<std::uint8_t>(broken[at] ^ mask);
            const auto picture = ui::decode_picture(broken);
            const std::string what = "byte " + std::to_string(at) + " ^ " + std::to_string(mask);
            expect_none_or_consistent(picture, what);
            // Damage in the coded data never changes the picture's size.
            if (picture && at >= scan + 2 && at + 2 < jpeg.size()) {
                EXPECT_EQ(picture->width, 48) << what;
                EXPECT_EQ(picture->height, 48) << what;
            }
        }
    }
}

TEST(DecodePicture, RandomBytesAfterTheMarker) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> byte(0, 255);
    const Bytes header = bytes_of(ui::pictures_按钮_等于.normal);
    const std::size_t scan = scan_data_at(header);
    for (int round = 0; round < 300; ++round) {
        // Half the rounds keep real headers so that the noise reaches the decoder's later
        // stages; the other half are noise from the third byte on.
        Bytes bytes = round % 2 == 0 ? Bytes(header.begin(),
                                             header.begin() + static_cast<std::ptrdiff_t>(scan))
                                     : Bytes{0xFF, 0xD8};
        const int length = 4 + round * 7;
        for (int i = 0; i < length; ++i)
            bytes.push_back(static_cast<std::uint8_t>(byte(random)));
        expect_none_or_consistent(ui::decode_picture(bytes), "round " + std::to_string(round));
    }
}

} // namespace
