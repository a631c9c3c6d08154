#include "data/report_record.h"

#include "records.h"

#include <gtest/gtest.h>

using namespace dorvik;

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
