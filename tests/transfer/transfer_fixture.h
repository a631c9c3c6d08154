// The import window on the offscreen platform over in-memory files, with
// scripted boxes, a fixed date and the settings of the test run.
#pragma once

#include "memory_file_system.h"
#include "platform/settings_store.h"
#include "records.h"
#include "scripted_boxes.h"
#include "shell/module1.h"
#include "transfer/frm_prenos.h"

#include <QApplication>
#include <QSettings>

#include <gtest/gtest.h>

namespace dorvik::testing {

inline constexpr const char* kReportPath = "/a/PRIJAVA.TXT";
inline constexpr const char* kSheetPath = "/a/plata.csv";

struct TransferTest : ::testing::Test {
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    FixedClock clock{std::chrono::year{2026} / 12 / 7};
    QtSettingsStore settings;
    std::unique_ptr<frmPrenos> screen;

    void SetUp() override
    {
        QSettings(QStringLiteral("Dorvik"), QStringLiteral("Dorvik")).clear();
        for (std::string* value : {&Module1::AutoGodina, &Module1::AutoRegistarskiBroj, &Module1::AutoFirma,
                                   &Module1::AutoEfektStaz, &Module1::AutoStepenZgolem})
            value->clear();
    }

    // Opens the window as the main window does; false when it refused.
    bool open(const std::string& sheet)
    {
        files.files[kSheetPath] = sheet;
        screen = std::make_unique<frmPrenos>(AppServices{boxes, files, clock}, settings,
                                             ReportFile{kReportPath, false}, kSheetPath);
        screen->setAttribute(Qt::WA_DeleteOnClose, false);
        if (!screen->open())
            return false;
        screen->show();
        QApplication::processEvents();
        return true;
    }
    std::string report() const { return files.files.at(kReportPath); }
};

} // namespace dorvik::testing
