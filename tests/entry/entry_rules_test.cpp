#include "check/entry_rules.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace dorvik;

TEST(YearRule, AnythingButTwoDigitsFails)
{
    EXPECT_FALSE(yearPasses("a1", "26"));
    EXPECT_FALSE(yearPasses("7a", "26")); // would sort after "70" as text
    EXPECT_FALSE(yearPasses(" 1", "26"));
    EXPECT_FALSE(yearPasses("9", "26"));
    EXPECT_FALSE(yearPasses("", "26"));
}

TEST(PeriodRule, DayAndMonthWithinTheirRangesAsText)
{
    EXPECT_TRUE(periodPasses("3102")); // no days-per-month test
    EXPECT_TRUE(periodPasses("0101"));
    EXPECT_TRUE(periodPasses("3112"));
    EXPECT_FALSE(periodPasses("0013"));
    EXPECT_FALSE(periodPasses("0000"));
    EXPECT_FALSE(periodPasses("3201"));
    EXPECT_FALSE(periodPasses("0100"));
    EXPECT_FALSE(periodPasses("0113"));
    // Pasted letters are compared as text all the same.
    EXPECT_FALSE(periodPasses("3a01"));
    EXPECT_TRUE(periodPasses("1a01"));
    EXPECT_FALSE(periodPasses("010"));
}

namespace {
ReportTexts completeReport()
{
    const std::string line = dorvik::testing::recordLine(3);
    ReportTexts texts;
    for (int i = 0; i < kFieldCount; ++i)
        texts[i] = line.substr(fieldOffset(fieldAt(i)), fieldWidth(fieldAt(i)));
    return texts;
}
void set(ReportTexts& texts, Field f, std::optional<std::string> text)
{
    texts[static_cast<int>(f)] = std::move(text);
}
} // namespace

TEST(SaveTest, NamesTheFirstFieldInTypingOrderThatKeepsTheReportBack)
{
    ReportTexts texts = completeReport();
    set(texts, Field::ImePrezime, "");
    set(texts, Field::StepenZgolem, "AB-12"); // any character there
    EXPECT_EQ(firstIncompleteField(texts), std::nullopt);
    set(texts, Field::Denari, "15000000"); // 8 digits
    EXPECT_EQ(firstIncompleteField(texts), Field::Denari);
    set(texts, Field::Mesec, "12a0");
    EXPECT_EQ(firstIncompleteField(texts), Field::Mesec);
    set(texts, Field::Firma, std::string(36, 'F'));
    EXPECT_EQ(firstIncompleteField(texts), Field::Firma);
    set(texts, Field::ImePrezime, std::nullopt); // outside the code page
    EXPECT_EQ(firstIncompleteField(texts), Field::ImePrezime);
    set(texts, Field::LicenBroj, "111111118");
    EXPECT_EQ(firstIncompleteField(texts), Field::LicenBroj);
}
