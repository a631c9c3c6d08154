#include "shell/record_binding.h"

#include "data/customer_data_source.h"
#include "memory_file_system.h"
#include "records.h"
#include "scripted_boxes.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::testing;

namespace {
struct Binding : ::testing::Test {
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    std::unique_ptr<CustomerDataSource> store;
    std::array<QLineEdit, kFieldCount> edits;
    std::array<QLineEdit*, kFieldCount> raw{};

    void SetUp() override
    {
        files.files["/r.txt"] = fileOf({recordLine(1), lineWith(2, {{Field::Godina, "9A"}})});
        store = std::make_unique<CustomerDataSource>(CustomerDataSource::Options{"/r.txt", false},
                                                     files, boxes);
        for (int i = 0; i < kFieldCount; ++i)
            raw[i] = &edits[i];
    }
    QLineEdit& box(Field f) { return edits[static_cast<int>(f)]; }
    std::string stored(Field f) { return std::string(store->rsCustomers.field(f)); }
};
} // namespace

TEST_F(Binding, MovesShowTheRecordAndOnlyTheUsersTextWritesBack)
{
    RecordBinding binding(store->rsCustomers, raw);
    EXPECT_EQ(box(Field::ImePrezime).text().trimmed(), "Ime Prezime 1");
    box(Field::Godina).setText("00"); // the program's text
    EXPECT_EQ(stored(Field::Godina), "99");
    box(Field::Firma).clear();
    QTest::keyClicks(&box(Field::Firma), "Nova");
    EXPECT_EQ(stored(Field::Firma), "Nova" + std::string(31, ' '));
    // Too long for the field: the box shows the stored value again.
    box(Field::Godina).setText("99");
    box(Field::Godina).end(false);
    QTest::keyClicks(&box(Field::Godina), "7");
    EXPECT_EQ(box(Field::Godina).text(), "99");

    binding.setDeferred(true);
    store->rsCustomers.MoveNext();
    EXPECT_EQ(box(Field::ImePrezime).text().trimmed(), "Ime Prezime 1");
    binding.flush();
    EXPECT_EQ(box(Field::ImePrezime).text().trimmed(), "Ime Prezime 2");
    binding.setDeferred(false);
    store->rsCustomers.MoveNext(); // past the last record: empty boxes
    EXPECT_EQ(box(Field::Godina).text(), "");
}

TEST_F(Binding, UndoNeverReachesIntoAnotherRecord)
{
    RecordBinding binding(store->rsCustomers, raw);
    store->rsCustomers.MoveNext();
    QLineEdit& year = box(Field::Godina);
    year.selectAll();
    QTest::keyClicks(&year, "99"); // corrects "9A" on record 2
    store->rsCustomers.MoveFirst(); // record 1 holds "99" too
    QTest::keyClick(&year, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(year.text(), "99");
    EXPECT_EQ(stored(Field::Godina), "99");
}
