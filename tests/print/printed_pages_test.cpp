// The three printed documents drawn into PDF and read back with pdfinfo and
// pdftotext: page counts and every value as real text (the page sizes the
// review screen chooses: tests/review/review_print_test.cpp).
#include "check/error_list.h"
#include "pdf_pages.h"
#include "platform/code_page.h"
#include "print/error_list_pages.h"
#include "print/pdf_document.h"
#include "print/recapitulation_page.h"
#include "print/record_form_page.h"

#include <QPdfWriter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

// "Градежно претпријатие БЕТОН ДООЕЛ" in Windows-1251, padded to 35.
const std::string kFirmBytes =
    std::string("\xC3\xF0\xE0\xE4\xE5\xE6\xED\xEE \xEF\xF0\xE5\xF2\xEF\xF0\xE8\xBC\xE0\xF2\xE8\xE5 "
                "\xC1\xC5\xD2\xCE\xCD \xC4\xCE\xCE\xC5\xCB")
    + "  ";
const std::string kFirm = "Градежно претпријатие БЕТОН ДООЕЛ";

std::string pdfOf(const QPageLayout& layout, const DrawDocument& draw)
{
    const std::optional<QByteArray> bytes = drawPdf(QStringLiteral("test"), layout, draw);
    EXPECT_TRUE(bytes.has_value());
    return bytes ? bytes->toStdString() : std::string();
}

// A sheet drawn on one page, which holds every expected text, blanks folded.
template <typename Sheet>
void expectOnePageHolding(QPageLayout::Orientation orientation, void (*draw)(QPagedPaintDevice&, const Sheet&),
                          const Sheet& sheet, const std::vector<std::string>& expected)
{
    const std::string pdf = pdfOf(a4Page(orientation), [&](QPagedPaintDevice& device) {
        draw(device, sheet);
        return true;
    });
    EXPECT_EQ(pdfPageCountOf(pdf), 1);
    const std::string page = foldBlanks(pdfTextOf(pdf));
    for (const std::string& text : expected)
        EXPECT_TRUE(holds(page, text)) << text << "\nin:\n" << page;
}

// The lines of a list as the check run writes them: the header, record
// lines, the footer.
std::string listOf(const std::vector<std::string>& recordLines,
                   std::string_view stem = "/a/PRIJAVA")
{
    std::string bytes = errorListHeader(stem);
    for (const std::string& line : recordLines)
        bytes += line + "\r\n";
    return bytes + std::string(kErrorListFooter);
}

std::string recordLine(int record, const std::string& text)
{
    std::string line;
    appendRecordPrefix(line, record);
    return line + text;
}

// The list's pages as PDF, and the steps its drawing reported.
std::string listPdf(const std::string& list, std::vector<int>* steps = nullptr)
{
    return pdfOf(a4Page(QPageLayout::Portrait), [&](QPagedPaintDevice& device) {
        const ListPages pages = layOutListFor(device, list);
        return drawErrorList(device, pages, QStringLiteral("PRIJAVA"), [&](int done) {
            if (steps)
                steps->push_back(done);
            return true;
        });
    });
}

// The folded lines of the PDF's text without the page headings and empty lines.
std::vector<std::string> bodyLines(const std::string& pdfText)
{
    std::vector<std::string> body;
    for (const std::string& line : foldedLines(pdfText))
        if (!line.empty() && !holds(line, " - Lista na greski - strana "))
            body.push_back(line);
    return body;
}

// The list of the fullest file: a finding in each of its 32,767 records.
std::string longestList()
{
    std::vector<std::string> longest;
    for (int record = 1; record <= 32767; ++record)
        longest.push_back(recordLine(record, "1111111191 Gr. mod 10 ,10       Gr. godina ,"));
    return listOf(longest);
}

} // namespace

TEST(PrintedPages, RecapitulationOnOnePageWithEveryValue)
{
    RecapitulationSheet sheet;
    sheet.registrationNumber = QStringLiteral("1234567897");
    sheet.employer = bytesToText(kFirmBytes);
    sheet.records = QStringLiteral("32767");
    sheet.total = QStringLiteral("327,669,967,233.00");
    sheet.reportPath = QStringLiteral("/home/clerk/PRIJAVA.TXT");
    sheet.printedOn = QStringLiteral("15.06.2003");
    sheet.notice = QStringLiteral("Iznosot na slogot 3 ne e broj i ne e vklucen vo zbirnata masa.");
    expectOnePageHolding(QPageLayout::Portrait, drawRecapitulation, sheet,
                         {"Elmarin", "REKAPITULACIJA:", std::string(kRecapRegistration) + " 1234567897",
                          std::string(kRecapEmployer) + " " + kFirm, std::string(kRecapRecords) + " 32767",
                          std::string(kRecapTotal) + " 327,669,967,233.00 Denari", "/home/clerk/PRIJAVA.TXT",
                          "15.06.2003", sheet.notice.toStdString(), "Mesto i datum",
                          "Potpis i pecat na obvrznikot"});
}

// Each page holds its 61 lines of the list, blanks folded, under its
// heading. Reading all 538 pages of the longest list back takes longer than
// the rest: its second page and the last stand for them.
TEST(PrintedPages, ErrorListLineForLineUnderItsHeadings)
{
    struct Case {
        const char* what;
        std::string list;
        std::size_t lines;
        int pages;
        std::vector<int> readBack;
    };
    const Case cases[] = {
        {"a clean file's list", listOf({}), 14, 1, {1}},
        {"a few findings", listOf({recordLine(7, "1234567890 Gr. mod.10 ,10       Gr. godina ,"),
                                   recordLine(25, "0913 Gr. period ,")}),
         16, 1, {1}},
        // The path as the file system spells it; the list's fixed font lacks
        // the last folder's sign, which another font draws.
        {"a report in a folder of any name", listOf({}, "/home/клиент/⌘/PRIJAVA"), 14, 1, {1}},
        {"the longest list", longestList(), 32781, 538, {2, 538}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string_view> lines = errorListLines(c.list);
        ASSERT_EQ(lines.size(), c.lines) << c.what;
        const std::string pdf = listPdf(c.list);
        EXPECT_EQ(pdfPageCountOf(pdf), c.pages) << c.what;
        for (const int page : c.readBack) {
            const std::string text = pdfTextOf(pdf, page, page);
            std::vector<std::string> expected;
            for (std::size_t i = (page - 1) * 61u; i < std::min<std::size_t>(page * 61u, lines.size()); ++i)
                if (!lines[i].empty())
                    expected.push_back(foldBlanks(lines[i]));
            EXPECT_EQ(bodyLines(text), expected) << c.what << ", page " << page;
            EXPECT_TRUE(holds(text, "PRIJAVA - Lista na greski - strana " + std::to_string(page) + " od "
                                        + std::to_string(c.pages)))
                << c.what;
        }
    }
}

TEST(PrintedPages, ErrorListLongLineWholeAndItsSteps)
{
    // A line of many findings goes on in the next row; nothing is lost.
    std::string findings;
    for (int i = 0; i < 6; ++i)
        findings += "1111111191 Gr. mod 10 ,";
    const std::string pdf = listPdf(listOf({recordLine(3, findings)}));
    const std::string page = foldBlanks(pdfTextOf(pdf));
    std::string rows = recordLine(3, findings.substr(0, 23 * 3)) + "\n" + findings.substr(23 * 3);
    EXPECT_TRUE(holds(page, foldBlanks(rows))) << page;

    // The steps follow the pages (a cancel: tests/review/review_print_test.cpp).
    std::vector<int> steps;
    EXPECT_EQ(pdfPageCountOf(listPdf(listOf(std::vector<std::string>(200, recordLine(1, "x"))), &steps)), 4);
    EXPECT_EQ(steps, (std::vector<int>{61, 122, 183, 214}));
}

TEST(PrintedPages, RecordOnItsFormInLandscape)
{
    RecordSheet sheet;
    const char* const values[kFieldCount] = {
        "03", "1111111191", "0101990450012", "1234567897", "", "", "0101", "3112",
        "1200", "2088", "000150000", "0016", "0000", "ZG123", "0065"};
    for (int i = 0; i < kFieldCount; ++i)
        sheet.values[static_cast<std::size_t>(i)] = QString::fromLatin1(values[i]);
    sheet.values[static_cast<std::size_t>(Field::ImePrezime)] = QStringLiteral("Марко Марковски");
    sheet.values[static_cast<std::size_t>(Field::Firma)] = bytesToText(kFirmBytes);
    sheet.caption = QStringLiteral("PRIJAVA.TXT - prijava 5 od 120");
    sheet.printedOn = QStringLiteral("15.06.2003");
    std::vector<std::string> expected(values, values + kFieldCount);
    expected[static_cast<std::size_t>(Field::ImePrezime)] = "Марко Марковски";
    expected[static_cast<std::size_t>(Field::Firma)] = kFirm;
    for (const char* label : {"05 P R I J A V A", "06 Prezime i ime", "04 Za mati`na evidencija",
                              "PRIJAVA.TXT - prijava 5 od 120", "15.06.2003"})
        expected.emplace_back(label);
    expectOnePageHolding(QPageLayout::Landscape, drawRecordForm, sheet, expected);
}
