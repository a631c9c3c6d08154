#include "data/report_record.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace dorvik;

TEST(ReportRecord, CutThenComposeKeepsEveryByteValue)
{
    // 147 bytes covering all 256 values over two lines, NUL and CR/LF included.
    for (int start : {0, 147}) {
        std::string line;
        for (int i = 0; i < kRecordLength; ++i)
            line.push_back(static_cast<char>((start + i) % 256));
        EXPECT_EQ(ReportRecord::fromLine(line).line(), line);
    }
}

TEST(ReportRecord, FieldsAreCutAtTheirPositions)
{
    const std::string line = dorvik::testing::recordLine(7);
    const ReportRecord record = ReportRecord::fromLine(line);
    EXPECT_EQ(record.value(Field::Godina), "99");
    EXPECT_EQ(record.value(Field::MaticenBroj), "1111111111111");
    EXPECT_EQ(record.value(Field::ImePrezime), "Ime Prezime 7                      ");
    EXPECT_EQ(record.value(Field::PeriodDo), "3112");
    EXPECT_EQ(record.value(Field::Denari), "000150000");
    EXPECT_EQ(record.value(Field::StepenZgolem), "     ");
    EXPECT_EQ(record.value(Field::SifraStaz), "0000");
}

TEST(ReportRecord, ShortValuesArePaddedAndLongOnesRefused)
{
    ReportRecord record;
    EXPECT_FALSE(record.hasValue(Field::ImePrezime));
    EXPECT_EQ(record.value(Field::ImePrezime), "");
    ASSERT_TRUE(record.setValue(Field::ImePrezime, "Petar Petrovski Markovski Ilievski"));
    EXPECT_EQ(record.value(Field::ImePrezime), "Petar Petrovski Markovski Ilievski ");
    ASSERT_TRUE(record.setValue(Field::Firma, ""));
    EXPECT_EQ(record.value(Field::Firma), std::string(35, ' '));

    EXPECT_FALSE(record.setValue(Field::Godina, "123"));
    EXPECT_FALSE(record.hasValue(Field::Godina));
    ASSERT_TRUE(record.setValue(Field::Godina, "03"));
    EXPECT_FALSE(record.setValue(Field::Godina, "030"));
    EXPECT_EQ(record.value(Field::Godina), "03");
}

TEST(ReportRecord, FieldsWithoutValueComposeToNothing)
{
    ReportRecord record;
    record.setValue(Field::Godina, "03");
    record.setValue(Field::SifraStaz, "12");
    EXPECT_EQ(record.line(), "0312  ");
}

TEST(ReportRecord, OffsetsFollowTheLayout)
{
    EXPECT_EQ(fieldOffset(Field::Denari), 121);
}
