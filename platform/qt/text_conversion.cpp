#include "platform/qt/text_conversion.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace platform::qt {
namespace {

// glibc names the Windows code page 936 "CP936"; "GBK" is the same table without the euro.
iconv_t open_converter(const char* to, const char* from_cp936_side) {
    iconv_t converter = iconv_open(to, from_cp936_side);
    return converter;
}

bool is_ascii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

} // namespace

QString from_cp936(std::string_view text) {
    if (is_ascii(text))
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    iconv_t converter = open_converter("UTF-16LE", "CP936");
    if (converter == reinterpret_cast<iconv_t>(-1)) converter = open_converter("UTF-16LE", "GBK");
    QString result;
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        for (char c : text)
            result += static_cast<unsigned char>(c) < 0x80 ? QChar(c) : QChar(0xFFFD);
        return result;
    }
    std::vector<char> out(text.size() * 2 + 4);
    char* in_ptr = const_cast<char*>(text.data());
    std::size_t in_left = text.size();
    while (in_left > 0) {
        char* out_ptr = out.data();
        std::size_t out_left = out.size();
        const std::size_t rc = iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left);
        const auto produced = static_cast<qsizetype>(out.size() - out_left) / 2;
        result.append(reinterpret_cast<const QChar*>(out.data()), produced);
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            // An invalid or cut-off sequence: one replacement character per bad byte.
            result.append(QChar(0xFFFD));
            ++in_ptr;
            --in_left;
        }
    }
    iconv_close(converter);
    return result;
}

std::string to_cp936(const QString& text) {
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) ascii = false;
    if (ascii) return text.toStdString();
    iconv_t converter = open_converter("CP936", "UTF-16LE");
    if (converter == reinterpret_cast<iconv_t>(-1)) converter = open_converter("GBK", "UTF-16LE");
    std::string result;
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        for (QChar c : text)
            result += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
        return result;
    }
    std::vector<char> out(static_cast<std::size_t>(text.size()) * 4 + 4);
    char* in_ptr = const_cast<char*>(reinterpret_cast<const char*>(text.utf16()));
    std::size_t in_left = static_cast<std::size_t>(text.size()) * 2;
    while (in_left > 0) {
        char* out_ptr = out.data();
        std::size_t out_left = out.size();
        const std::size_t rc = iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left);
        result.append(out.data(), out.size() - out_left);
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            // A character the code page lacks (or a lone surrogate half): '?' for it.
            std::size_t skip = 2;
            if (in_left >= 4) {
                const auto unit =
                    static_cast<unsigned char>(in_ptr[0]) |
                    (static_cast<unsigned>(static_cast<unsigned char>(in_ptr[1])) << 8);
                const auto next =
                    static_cast<unsigned char>(in_ptr[2]) |
                    (static_cast<unsigned>(static_cast<unsigned char>(in_ptr[3])) << 8);
                if (unit >= 0xD800 && unit < 0xDC00 && next >= 0xDC00 && next < 0xE000) skip = 4;
            }
            if (skip > in_left) skip = in_left;
            result += '?';
            in_ptr += skip;
            in_left -= skip;
        }
    }
    iconv_close(converter);
    return result;
}

std::size_t cp936_offset(const QString& text, qsizetype position) {
    if (position <= 0) return 0;
    if (position > text.size()) position = text.size();
    return to_cp936(text.left(position)).size();
}

qsizetype utf16_position(const QString& text, std::size_t offset) {
    std::size_t bytes = 0;
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype length =
            text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
        const std::size_t character_bytes =
            text.at(position).unicode() < 0x80 ? 1 : to_cp936(text.mid(position, length)).size();
        if (bytes + character_bytes > offset) break;
        bytes += character_bytes;
        position += length;
    }
    return position;
}

} // namespace platform::qt
