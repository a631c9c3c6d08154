#include "data/report_record.h"

#include "records.h"

#include <gtest/gtest.h>

using namespace dorvik;

TEST(ReportRecord, EveryByteValueSurvivesCutAndCompose)
{
    for (int first = 0; first < 256; first += kRecordLength) {
        std::string line(kRecordLength, ' ');
        for (int i = 0; i < kRecordLength; ++i)
            line[i] = static_cast<char>((first + i) % 256);
        const ReportRecord record = ReportRecord::fromLine(line);
        EXPECT_EQ(record.line(), line);
        EXPECT_EQ(record.fullLine(), line);
        EXPECT_EQ(record.value(Field::Denari), line.substr(121, 9));
    }
}

TEST(ReportRecord, ValuesArePaddedAndFieldsWithoutValueComposeToNothing)
{
    ReportRecord record;
    EXPECT_TRUE(record.setValue(Field::Godina, "3"));
    EXPECT_TRUE(record.setValue(Field::SifraStaz, "12"));
    EXPECT_FALSE(record.setValue(Field::Godina, "033"));
    EXPECT_EQ(record.line(), "3 12  ");
    EXPECT_EQ(record.fullLine(), "");
    EXPECT_EQ(record.value(Field::Firma), "");
    EXPECT_EQ(record.value(Field::Godina), "3 ");
}
