#include "platform/code_page.h"

#include "platform/windows_1251.h"

namespace dorvik {

QString bytesToText(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(windows1251ToUnicode(u));
    }
    return text;
}

std::optional<std::string> textToBytes(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const auto b = unicodeToWindows1251(c.unicode());
        if (!b)
            return std::nullopt;
        bytes.push_back(*b);
    }
    return bytes;
}

bool isInCodePage(QChar c) { return unicodeToWindows1251(c.unicode()).has_value(); }

} // namespace dorvik
