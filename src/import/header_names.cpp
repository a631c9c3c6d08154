#include "import/header_names.h"

#include "platform/utf8.h"

#include <array>

namespace dorvik::import {

namespace {

struct Alias {
    std::string_view key; // as headerKey gives it
    Field field;
};

// Beside each field's own name.
constexpr std::array<Alias, 9> kAliases = {{
    {"embg", Field::MaticenBroj},
    {"imeiprezime", Field::ImePrezime},
    {"prezimeiime", Field::ImePrezime},
    {"casovi", Field::VkRabCasovi},
    {"iznos", Field::Denari},
    {"efektivenstaz", Field::EfektStaz},
    {"stepennazgolemuvanje", Field::StepenZgolem},
    {"sifranastaz", Field::SifraStaz},
    {"licnibroj", Field::LicenBroj},
}};

// Lower-case Cyrillic letters U+0430 to U+045F in plain Latin, as the
// program's texts write Macedonian ("c" for ч, "s" for ш, "z" for ж).
constexpr std::array<std::string_view, 48> kCyrillic = {
    "a", "b", "v", "g", "d", "e", "z", "z", "i", "j", "k", "l", "m", "n", "o", "p",
    "r", "s", "t", "u", "f", "h", "c", "c", "s", "s", "",  "y", "",  "e", "ju", "ja",
    "e", "e", "dj", "g", "e", "dz", "i", "i", "j", "lj", "nj", "c", "k", "i", "u", "dz"};

// Latin letters with marks, as the same plain letters.
std::string_view plainLatin(char32_t c)
{
    switch (c) {
    case U'č': case U'Č': case U'ć': case U'Ć': return "c";
    case U'š': case U'Š': return "s";
    case U'ž': case U'Ž': return "z";
    case U'đ': case U'Đ': return "dj";
    default: return {};
    }
}

bool ignored(char32_t c)
{
    return c == ' ' || c == '\t' || c == 0xA0 || c == '.' || c == '_' || c == '\r' || c == '\n';
}

} // namespace

std::string headerKey(std::string_view header)
{
    std::string key;
    std::size_t at = 0;
    while (at < header.size()) {
        char32_t c = nextCodePoint(header, at);
        if (ignored(c))
            continue;
        if (c >= 'A' && c <= 'Z')
            c += 'a' - 'A';
        if (c >= 0x0410 && c <= 0x042F) // capital А to Я
            c += 0x20;
        else if (c >= 0x0400 && c <= 0x040F) // capital Ѐ to Џ
            c += 0x50;
        if (c >= 0x0430 && c <= 0x045F) {
            key += kCyrillic[c - 0x0430];
        } else if (const std::string_view latin = plainLatin(c); !latin.empty()) {
            key += latin;
        } else {
            appendUtf8(key, c);
        }
    }
    return key;
}

std::optional<Field> fieldOfHeader(std::string_view header)
{
    const std::string key = headerKey(header);
    for (int i = 0; i < kFieldCount; ++i)
        if (headerKey(FieldNames[i]) == key)
            return fieldAt(i);
    for (const Alias& alias : kAliases)
        if (alias.key == key)
            return alias.field;
    return std::nullopt;
}

bool isSurnameHeader(std::string_view header) { return headerKey(header) == "prezime"; }
bool isGivenNameHeader(std::string_view header) { return headerKey(header) == "ime"; }

} // namespace dorvik::import
