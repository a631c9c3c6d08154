// UTF-8, the text of the user's boxes and of every sheet the import reads,
// a character at a time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dorvik {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// How many bytes from at on are ASCII (below 0x80), eight at a time.
std::size_t asciiRun(std::string_view text, std::size_t at);

// Appends the character as UTF-8.
void appendUtf8(std::string& out, char32_t c);

// The character that starts at at, which is moved past it; U+FFFD for a
// byte that does not start a valid sequence (at then moves one byte).
char32_t nextCodePoint(std::string_view text, std::size_t& at);

} // namespace dorvik
