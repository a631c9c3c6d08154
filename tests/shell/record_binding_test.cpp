#include "shell/record_binding.h"

#include "data/customer_data_source.h"
#include "memory_file_system.h"
#include "scripted_boxes.h"
#include "temp_dir.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::testing;

namespace {
struct BindingTest : ::testing::Test {
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    std::unique_ptr<CustomerDataSource> store;
    std::array<std::unique_ptr<QLineEdit>, kFieldCount> edits;
    std::array<QLineEdit*, kFieldCount> raw{};

    void SetUp() override
    {
        files.files["/r.txt"] = recordLine(1) + "\r\n" + recordLine(2) + "\r\n";
        store = std::make_unique<CustomerDataSource>(CustomerDataSource::Options{"/r.txt", false},
                                                     files, boxes);
        for (int i = 0; i < kFieldCount; ++i) {
            edits[i] = std::make_unique<QLineEdit>();
            raw[i] = edits[i].get();
        }
    }
    QLineEdit& box(Field f) { return *edits[static_cast<int>(f)]; }
};
} // namespace

TEST_F(BindingTest, MovesRefreshAndProgramTextNeverWritesBack)
{
    RecordBinding binding(store->rsCustomers, raw);
    EXPECT_EQ(box(Field::ImePrezime).text().trimmed(), "Ime Prezime 1");
    store->rsCustomers.MoveNext();
    EXPECT_EQ(box(Field::ImePrezime).text().trimmed(), "Ime Prezime 2");

    box(Field::ImePrezime).clear();
    box(Field::Godina).setText("00");
    EXPECT_EQ(store->rsCustomers.field(Field::ImePrezime).substr(0, 13), "Ime Prezime 2");
    EXPECT_EQ(store->rsCustomers.field(Field::Godina), "99");

    store->rsCustomers.MoveNext(); // EOF: no record, empty boxes
    EXPECT_TRUE(box(Field::Godina).text().isEmpty());
}

TEST_F(BindingTest, TypingEditsTheCurrentRecord)
{
    RecordBinding binding(store->rsCustomers, raw);
    QLineEdit& firm = box(Field::Firma);
    firm.clear();
    QTest::keyClicks(&firm, "Nova");
    EXPECT_EQ(store->rsCustomers.field(Field::Firma), "Nova" + std::string(31, ' '));
    // Cyrillic typed through the code page is stored as its byte.
    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x0416)));
    QApplication::sendEvent(&firm, &zhe);
    EXPECT_EQ(store->rsCustomers.field(Field::Firma).substr(0, 5), "Nova\xC6");

    // Too long for the field: the box shows the stored value again.
    QLineEdit& year = box(Field::Godina);
    year.setCursorPosition(2);
    QTest::keyClicks(&year, "7");
    EXPECT_EQ(year.text(), "99");
    EXPECT_EQ(store->rsCustomers.field(Field::Godina), "99");
}

TEST_F(BindingTest, DeferredRefreshFollowsOnFlush)
{
    RecordBinding binding(store->rsCustomers, raw);
    binding.setDeferred(true);
    store->rsCustomers.MoveNext();
    EXPECT_EQ(box(Field::ImePrezime).text().trimmed(), "Ime Prezime 1");
    binding.flush();
    EXPECT_EQ(box(Field::ImePrezime).text().trimmed(), "Ime Prezime 2");
}
