// A review screen over an in-memory report file, driven through its real
// buttons and menu, with scripted boxes and a fixed date.
#pragma once

#include "data/customer_data_source.h"
#include "data/report_record.h"
#include "memory_file_system.h"
#include "platform/clock.h"
#include "review/frm_kontrola.h"
#include "scripted_boxes.h"
#include "shell/module1.h"
#include "shell/report_form.h"
#include "temp_dir.h"

#include <QAction>
#include <QTest>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace dorvik::testing {

inline constexpr const char* kReportPath = "/a/PRIJAVA.TXT";
inline constexpr const char* kListPath = "/a/PRIJAVA.err";

// recordLine(seed) with some fields replaced.
inline std::string lineWith(int seed, const std::map<Field, std::string>& fields)
{
    ReportRecord record = ReportRecord::fromLine(recordLine(seed));
    for (const auto& [field, value] : fields)
        EXPECT_TRUE(record.setValue(field, value));
    return record.line();
}

inline std::string fileOf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

inline std::vector<std::string> cleanLines(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(recordLine(i));
    return lines;
}

struct ReviewTest : ::testing::Test {
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    FixedClock clock{std::chrono::year{2003} / 6 / 15};
    std::unique_ptr<frmKontrola> screen;

    void open(const std::vector<std::string>& lines) { openBytes(fileOf(lines)); }
    void openBytes(const std::string& bytes)
    {
        files.files[kReportPath] = bytes;
        Module1::ReportFileName = kReportPath;
        Module1::NewReportFile = 0;
        screen = std::make_unique<frmKontrola>(AppServices{boxes, files, clock},
                                               ReportFile{kReportPath, false});
        screen->setAttribute(Qt::WA_DeleteOnClose, false);
        screen->show();
    }

    QLineEdit* box(Field f) const { return screen->form()->box(f); }
    QString text(Field f) const { return box(f)->text(); }
    QString name() const { return text(Field::ImePrezime).trimmed(); }
    QLineEdit* edit(const char* objectName) const
    {
        return screen->findChild<QLineEdit*>(QLatin1String(objectName));
    }
    QString position() const { return edit("txtPozicija")->text(); }
    QString total() const { return edit("txtRecords")->text(); }
    QToolButton* button(const char* objectName) const
    {
        auto* b = screen->findChild<QToolButton*>(QLatin1String(objectName));
        EXPECT_NE(b, nullptr) << objectName;
        return b;
    }
    void click(const char* objectName) { button(objectName)->click(); }
    QAction* action(const char* objectName) const
    {
        return screen->findChild<QAction*>(QLatin1String(objectName));
    }
    QProgressBar* progress() const { return screen->findChild<QProgressBar*>("prgView"); }
    std::string file() { return files.files[kReportPath]; }
    std::string lastMessage() const
    {
        const auto texts = boxes.messageTexts();
        return texts.empty() ? std::string() : texts.back();
    }
};

// The colour behind a box's text, read from its pixels.
inline QColor background(QLineEdit* box)
{
    return box->grab().toImage().pixelColor(box->width() - 5, box->height() / 2);
}

} // namespace dorvik::testing
