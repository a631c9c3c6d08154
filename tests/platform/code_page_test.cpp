#include "platform/code_page.h"

#include <gtest/gtest.h>

using namespace dorvik;

// Which characters a box takes is held at the box (tests/shell).
TEST(CodePage, EveryByteRoundTripsAndCharactersOutsideAreRefused)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = bytesToText(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0xC0), QChar(0x0410)); // Cyrillic capital A
    EXPECT_EQ(text.at(0x98), QChar(0x0098)); // unassigned, kept as itself
    EXPECT_EQ(textToBytes(text), all);
    EXPECT_FALSE(textToBytes(QStringLiteral("abc\u00E9")).has_value()); // e acute: not in 1251
    EXPECT_EQ(textToBytes(QString::fromUtf8("Ж~{")), std::string("\xC6~{"));
}
