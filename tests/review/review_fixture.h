// A review screen over an in-memory report file, driven through its real
// buttons and menu, with scripted boxes and a fixed date.
#pragma once

#include "review/frm_kontrola.h"
#include "scripted_print_boxes.h"
#include "screen_test.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QToolButton>

namespace dorvik::testing {

inline constexpr const char* kListPath = "/a/PRIJAVA.err";

struct ReviewTest : ScreenTest<frmKontrola> {
    ReviewTest() : ScreenTest(std::chrono::year{2003} / 6 / 15) {}
    ScriptedPrintBoxes printing;

    frmKontrola* open(const std::string& bytes)
    {
        files.files[kReportPath] = bytes;
        delete screen.data();
        screen = new frmKontrola(AppServices{boxes, files, clock, &printing}, ReportFile{kReportPath, false});
        screen->show();
        boxes.clear(); // what the load told is the store's (tests/data)
        return screen;
    }

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
};

// Numbers in the locale's separators while it lives.
struct LocaleGuard {
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(QLocale::system()); }
};

inline const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

} // namespace dorvik::testing
