// The entry screen on the offscreen platform over an in-memory report file,
// with scripted boxes and a fixed date, typed into as a user types.
#pragma once

#include "entry/frm_vnos.h"
#include "memory_file_system.h"
#include "records.h"
#include "scripted_boxes.h"
#include "shell/module1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dorvik::testing {

inline constexpr const char* kFile = "/reports/PRIJAVA.TXT";

struct EntryTest : ::testing::Test {
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    FixedClock clock{std::chrono::year{2026} / 12 / 7};
    std::unique_ptr<frmVnos> screen;

    void SetUp() override
    {
        for (std::string* value : {&Module1::AutoGodina, &Module1::AutoRegistarskiBroj, &Module1::AutoFirma,
                                   &Module1::AutoEfektStaz, &Module1::AutoStepenZgolem})
            value->clear();
        files.files[kFile] = "";
    }

    // Opens the screen as the program does after the auto-fill dialog.
    void open(bool newFile = false)
    {
        screen = std::make_unique<frmVnos>(AppServices{boxes, files, clock}, ReportFile{kFile, newFile});
        screen->setAttribute(Qt::WA_DeleteOnClose, false);
        screen->openReports();
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        settle();
    }

    static void settle() { QApplication::processEvents(); }
    QLineEdit* box(Field f) const { return screen->box(f); }
    QString text(Field f) const { return box(f)->text(); }
    QPushButton* button(const char* name) const
    {
        return screen->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    // "position/total" as the counters show them.
    QString counters() const
    {
        return screen->findChild<QLineEdit*>("txtPozicijaV")->text() + "/"
               + screen->findChild<QLineEdit*>("txtRecordsV")->text();
    }
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
    // The colour behind a box's text, from its pixels.
    QColor background(Field f) const
    {
        return box(f)->grab().toImage().pixelColor(box(f)->width() - 4, box(f)->height() / 2);
    }
    std::string file() const { return files.files.at(kFile); }
};

} // namespace dorvik::testing
