// A screen on the offscreen platform over an in-memory report file, with
// scripted boxes, a fixed date, and the run's settings and the entry
// screen's auto-fill values emptied before each test.
#pragma once

#include "memory_file_system.h"
#include "platform/clock.h"
#include "records.h"
#include "scripted_boxes.h"
#include "shell/app_services.h"
#include "shell/module1.h"
#include "shell/report_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace dorvik::testing {

inline constexpr const char* kReportPath = "/a/PRIJAVA.TXT";

template <typename S>
struct ScreenTest : ::testing::Test {
    explicit ScreenTest(std::chrono::year_month_day today = std::chrono::year{2026} / 12 / 7) : clock(today) {}

    MemoryFileSystem files;
    ScriptedBoxes boxes;
    FixedClock clock;
    QPointer<S> screen;
    const char* counterSuffix = ""; // of the two counters' names

    void SetUp() override
    {
        QSettings(QStringLiteral("Dorvik"), QStringLiteral("Dorvik")).clear();
        for (std::string* value : {&Module1::AutoGodina, &Module1::AutoRegistarskiBroj, &Module1::AutoFirma,
                                   &Module1::AutoEfektStaz, &Module1::AutoStepenZgolem})
            value->clear();
    }
    void TearDown() override { delete screen.data(); }

    QLineEdit* box(Field f) const { return screen->form()->box(f); }
    QString text(Field f) const { return box(f)->text(); }
    QString name() const { return text(Field::ImePrezime).trimmed(); }
    QString counter(const char* name) const
    {
        return screen->template findChild<QLineEdit*>(QLatin1String(name) + QLatin1String(counterSuffix))->text();
    }
    // "position/total" as the two counters show them.
    QString counters() const { return counter("txtPozicija") + "/" + counter("txtRecords"); }
    QAbstractButton* button(const char* name) const
    {
        auto* b = screen->template findChild<QAbstractButton*>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char* name) { button(name)->click(); }
    QAction* action(const char* name) const { return screen->template findChild<QAction*>(QLatin1String(name)); }
    // The colour behind a box's text, from its pixels.
    QColor background(Field f) const
    {
        return box(f)->grab().toImage().pixelColor(box(f)->width() - 5, box(f)->height() / 2);
    }
    std::string file() const { return files.files.at(kReportPath); }
};

} // namespace dorvik::testing
