// The entry screen on the offscreen platform over an in-memory report file,
// with scripted boxes and a fixed date.
#pragma once

#include "entry/frm_vnos.h"
#include "memory_file_system.h"
#include "scripted_boxes.h"
#include "shell/module1.h"
#include "temp_dir.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

namespace dorvik::testing {

inline constexpr const char* kFile = "/reports/PRIJAVA.TXT";

struct EntryTest : ::testing::Test {
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    FixedClock clock{std::chrono::year{2026} / 12 / 7};
    std::unique_ptr<frmVnos> screen;

    void SetUp() override
    {
        Module1::ReportFileName = kFile;
        Module1::NewReportFile = 0;
        Module1::AutoGodina.clear();
        Module1::AutoRegistarskiBroj.clear();
        Module1::AutoFirma.clear();
        Module1::AutoEfektStaz.clear();
        Module1::AutoStepenZgolem.clear();
        files.files[kFile] = "";
    }

    void TearDown() override { screen.reset(); }

    void withRecords(int count)
    {
        std::string bytes;
        for (int i = 1; i <= count; ++i)
            bytes += recordLine(i) + "\r\n";
        files.files[kFile] = bytes;
    }

    // Opens the screen as the program does after the auto-fill dialog, and
    // lets the queued focus steps of the opening happen.
    void open()
    {
        screen = std::make_unique<frmVnos>(AppServices{boxes, files, clock},
                                           ReportFile{Module1::ReportFileName, Module1::NewReportFile == 1});
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
    QLineEdit* counter(const char* name) const
    {
        return screen->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QString records() const { return counter("txtRecordsV")->text(); }
    QString position() const { return counter("txtPozicijaV")->text(); }
    static QWidget* focused() { return QApplication::focusWidget(); }

    // Types into the box that has the focus, as the user does, and lets the
    // focus step that the text queued happen.
    static void typeHere(const char* keys)
    {
        QTest::keyClicks(static_cast<QWidget*>(nullptr), QString::fromLatin1(keys));
        settle();
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
        settle();
    }
    // Puts the focus into a box and types there.
    void typeInto(Field f, const char* keys)
    {
        box(f)->setFocus();
        typeHere(keys);
    }
    // Presses a button with the keyboard, focus first, as a user tabbing to it.
    void pressButton(const char* name)
    {
        QPushButton* b = button(name);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Space);
        settle();
    }

    // Types every box of a complete report that the auto-fill left empty.
    void typeCompleteReport(const char* denari = "000150000", const char* name = "Ana Petrovska")
    {
        typeInto(Field::LicenBroj, "1111111181");
        typeInto(Field::MaticenBroj, "1111111111111");
        if (text(Field::RegistarskiBroj).isEmpty())
            typeInto(Field::RegistarskiBroj, "1234567897");
        if (text(Field::Godina).isEmpty())
            typeInto(Field::Godina, "99");
        typeInto(Field::ImePrezime, name);
        if (text(Field::Firma).isEmpty())
            typeInto(Field::Firma, "Tekstil DOO Stip");
        typeInto(Field::PeriodOd, "0101");
        typeInto(Field::PeriodDo, "3112");
        typeInto(Field::Mesec, "1200");
        typeInto(Field::VkRabCasovi, "2088");
        typeInto(Field::Denari, denari);
        typeInto(Field::Boleduvanje, "0000");
        if (text(Field::EfektStaz).isEmpty()) {
            typeInto(Field::EfektStaz, "0012");
            typeInto(Field::StepenZgolem, "AB 12");
            typeInto(Field::SifraStaz, "0345");
        }
    }

    // The colour behind a box's text, read from what is painted.
    static QColor background(QLineEdit* b)
    {
        return b->grab().toImage().pixelColor(4, b->height() / 2);
    }

    std::string file() const { return files.files.at(kFile); }
};

inline std::string padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

} // namespace dorvik::testing
