// The entry screen on the offscreen platform over an in-memory report file,
// with scripted boxes and a fixed date, typed into as a user types.
#pragma once

#include "entry/frm_vnos.h"
#include "screen_test.h"

#include <QPushButton>

namespace dorvik::testing {

struct EntryTest : ScreenTest<frmVnos> {
    EntryTest() { counterSuffix = "V"; }
    void SetUp() override
    {
        ScreenTest::SetUp();
        files.files[kReportPath] = "";
    }

    // Opens the screen as the program does after the auto-fill dialog.
    void open(bool newFile = false)
    {
        delete screen.data();
        screen = new frmVnos(AppServices{boxes, files, clock}, ReportFile{kReportPath, newFile});
        screen->setAttribute(Qt::WA_DeleteOnClose, false);
        screen->openReports();
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
        settle();
    }

    static void settle() { QApplication::processEvents(); }
    static QWidget* focused() { return QApplication::focusWidget(); }

    // Types where the focus is, as the user does, then lets queued steps run.
    static void typeHere(const QString& keys)
    {
        QTest::keyClicks(static_cast<QWidget*>(nullptr), keys);
        settle();
    }
    void typeInto(Field f, const QString& keys)
    {
        box(f)->setFocus();
        typeHere(keys);
    }
    void pressButton(const char* name)
    {
        button(name)->setFocus();
        QTest::keyClick(button(name), Qt::Key_Space);
        settle();
    }
    // Types every box of recordLine(seed) that the auto-fill left empty
    // (a name without its padding).
    void typeReport(int seed = 1)
    {
        const std::string line = recordLine(seed);
        for (int i = 0; i < kFieldCount; ++i) {
            const Field f = fieldAt(i);
            QString value = QString::fromStdString(fieldOf(line, f));
            if (f == Field::ImePrezime || f == Field::Firma)
                value = value.trimmed();
            if (text(f).isEmpty())
                typeInto(f, value);
        }
    }
};

} // namespace dorvik::testing
