// A review screen over an in-memory report file, driven through its real
// buttons and menu, with scripted boxes and a fixed date.
#pragma once

#include "memory_file_system.h"
#include "platform/clock.h"
#include "records.h"
#include "review/frm_kontrola.h"
#include "scripted_boxes.h"
#include "scripted_print_boxes.h"
#include "shell/report_form.h"
#include "temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace dorvik::testing {

inline constexpr const char* kReportPath = "/a/PRIJAVA.TXT";
inline constexpr const char* kListPath = "/a/PRIJAVA.err";

struct ReviewTest : ::testing::Test {
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    TempDir previews;
    ScriptedPrintBoxes printing{previews.path().string()};
    FixedClock clock{std::chrono::year{2003} / 6 / 15};
    QPointer<frmKontrola> screen;

    void TearDown() override { delete screen.data(); }

    frmKontrola* open(const std::string& bytes)
    {
        files.files[kReportPath] = bytes;
        delete screen.data();
        screen = new frmKontrola(AppServices{boxes, files, clock, &printing},
                                 ReportFile{kReportPath, false});
        screen->show();
        return screen;
    }

    QLineEdit* box(Field f) const { return screen->form()->box(f); }
    QString text(Field f) const { return box(f)->text(); }
    QString name() const { return text(Field::ImePrezime).trimmed(); }
    QString counter(const char* name) const
    {
        return screen->findChild<QLineEdit*>(QLatin1String(name))->text();
    }
    // "position/total" as the two counters show them.
    QString counters() const { return counter("txtPozicija") + "/" + counter("txtRecords"); }
    QToolButton* button(const char* name) const
    {
        auto* b = screen->findChild<QToolButton*>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char* name) { button(name)->click(); }
    QAction* action(const char* name) const { return screen->findChild<QAction*>(QLatin1String(name)); }
    // Types into a box as the user does (after selecting what it holds).
    void type(Field f, const QString& keys)
    {
        box(f)->selectAll();
        QTest::keyClicks(box(f), keys);
    }
    // Types every field of recordLine(seed).
    void typeRecord(int seed)
    {
        for (int i = 0; i < kFieldCount; ++i)
            type(fieldAt(i), QString::fromStdString(fieldOf(recordLine(seed), fieldAt(i))));
    }
    std::string file() const { return files.files.at(kReportPath); }
};

// Numbers in the locale's separators while it lives.
struct LocaleGuard {
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(QLocale::system()); }
};

inline const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// The colour behind a box's text, from its pixels.
inline QColor background(QLineEdit* box)
{
    return box->grab().toImage().pixelColor(box->width() - 5, box->height() / 2);
}

} // namespace dorvik::testing
