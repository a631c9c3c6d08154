// Between the report file's bytes and what a line edit shows: the Windows-1251
// single-byte code page, every one of the 256 byte values mapped to one
// character and back, so that any file shows and saves byte for byte.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

QString bytesToText(std::string_view bytes);

// The bytes of a text, or nothing when a character is outside the code page.
std::optional<std::string> textToBytes(const QString& text);

bool isInCodePage(QChar c);

} // namespace dorvik
