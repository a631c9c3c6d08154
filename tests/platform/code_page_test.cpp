#include "platform/code_page.h"

#include <gtest/gtest.h>

using namespace dorvik;

TEST(CodePage, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = bytesToText(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0xC0), QChar(0x0410)); // Cyrillic capital A
    EXPECT_EQ(text.at(0x98), QChar(0x0098)); // unassigned, kept as itself
    EXPECT_EQ(textToBytes(text), all);
}

TEST(CodePage, CharactersOutsideAreRefused)
{
    EXPECT_FALSE(textToBytes(QStringLiteral("abc\u00E9")).has_value()); // e acute: not in 1251
    EXPECT_FALSE(isInCodePage(QChar(0x4E2D)));
    EXPECT_TRUE(isInCodePage(QChar(0x0416)));
    EXPECT_EQ(textToBytes(QString::fromUtf8("Ж~{")), std::string("\xC6~{"));
}
