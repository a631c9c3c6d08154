// The encodings a payroll program's CSV or TAB-separated text comes in, and
// UTF-8, in which the import holds every sheet's text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorvik::import {

enum class TextEncoding {
    Auto,        // a byte-order mark decides, else UTF-8 when the bytes are, else Windows-1251
    Utf8,
    Utf16Le,     // Excel's "Unicode text"
    Utf16Be,
    Windows1251,
};

// The name options and settings use: "utf-8", "utf-16le", "utf-16be",
// "windows-1251" ("auto" for Auto).
std::string_view encodingName(TextEncoding encoding);
std::optional<TextEncoding> encodingFromName(std::string_view name);

struct DecodedText {
    std::string utf8;       // without the byte-order mark
    TextEncoding encoding;  // the one used (never Auto)
};

// The bytes as UTF-8. With Auto: a byte-order mark decides; without one,
// bytes that are valid UTF-8 and hold at least one multi-byte sequence are
// UTF-8, anything else Windows-1251. A sequence that is not valid in the
// encoding used becomes U+FFFD, which the code page of the report has no
// byte for.
DecodedText decodeText(std::string_view bytes, TextEncoding encoding = TextEncoding::Auto);

} // namespace dorvik::import
