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

// A move shows the next record in every box: the box's undo history ends there.
TEST(Binding, UndoNeverReachesIntoAnotherRecord)
{
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    files.files["/r.txt"] = fileOf({recordLine(1), lineWith(2, {{Field::Godina, "9A"}})});
    CustomerDataSource store({"/r.txt", false}, files, boxes);
    std::array<QLineEdit, kFieldCount> edits;
    std::array<QLineEdit*, kFieldCount> raw{};
    for (int i = 0; i < kFieldCount; ++i)
        raw[i] = &edits[i];
    RecordBinding binding(store.rsCustomers, raw);
    store.rsCustomers.MoveNext();
    QLineEdit& year = edits[static_cast<int>(Field::Godina)];
    year.selectAll();
    QTest::keyClicks(&year, "99"); // corrects "9A" on record 2
    store.rsCustomers.MoveFirst(); // record 1 holds "99" too
    QTest::keyClick(&year, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(year.text(), "99");
    EXPECT_EQ(store.rsCustomers.field(Field::Godina), "99");
}
