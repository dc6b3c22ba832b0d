#pragma once
// Code page 936 (GBK) <-> UTF-16 at the host's edge. Invalid bytes become U+FFFD; characters
// code page 936 cannot hold become '?'. Nothing here fails.
#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace platform::qt {

QString from_cp936(std::string_view text);
std::string to_cp936(const QString& text);
// Byte offset in the code page 936 form of `text` of the UTF-16 position `position`.
std::size_t cp936_offset(const QString& text, qsizetype position);
// UTF-16 position of the character at (or containing) byte offset `offset`; the end when the
// offset lies beyond it.
qsizetype utf16_position(const QString& text, std::size_t offset);

} // namespace platform::qt
