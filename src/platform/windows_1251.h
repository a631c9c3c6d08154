// The report file's code page, Windows-1251: one byte per character. The one
// table of the program; the screens' conversion to and from QString and the
// import's conversion from the sheets' Unicode both go through it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

// The character of a byte. Every one of the 256 bytes has one (0x98, which
// the code page leaves unassigned, stands for U+0098), so that any file
// shows and saves byte for byte.
char16_t windows1251ToUnicode(unsigned char byte);

// The byte of a character, or nothing when the code page has none.
std::optional<char> unicodeToWindows1251(char32_t c);

// The bytes as UTF-8 text.
std::string windows1251ToUtf8(std::string_view bytes);

} // namespace dorvik
