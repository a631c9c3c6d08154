// Workbooks: the shapes of their XML that writers differ in; what is refused,
// and why. The files saved by two real writers are read in the import plan's
// test, down to their records.
#include "import/sheet_file.h"
#include "import/zip_archive.h"
#include "import/ods_sheet.h"
#include "sheet_rows.h"
#include "zip_maker.h"

#include <gtest/gtest.h>

using namespace dorvik::import;
using dorvik::testing::zipOf;

namespace {

std::string xlsx(const std::string& sheetData, const std::string& shared = {})
{
    std::vector<std::pair<std::string, std::string>> entries = {
        {"xl/workbook.xml",
         "<workbook xmlns='http://schemas.openxmlformats.org/spreadsheetml/2006/main' "
         "xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships'><sheets>"
         "<sheet name='Prv' sheetId='2' r:id='rId7'/><sheet name='Vtor' sheetId='1' r:id='rId1'/>"
         "</sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns='http://schemas.openxmlformats.org/package/2006/relationships'>"
         "<Relationship Id='rId1' Type='http://x/worksheet' Target='worksheets/sheet1.xml'/>"
         "<Relationship Id='rId7' Type='http://x/worksheet' Target='/xl/worksheets/prv.xml'/>"
         "<Relationship Id='rId9' Type='http://x/sharedStrings' Target='strings.xml'/>"
         "</Relationships>"},
        {"xl/worksheets/sheet1.xml", "<worksheet><sheetData><row r='1'><c><v>9</v></c></row></sheetData></worksheet>"},
        {"xl/worksheets/prv.xml",
         "<x:worksheet xmlns:x='http://schemas.openxmlformats.org/spreadsheetml/2006/main'><x:sheetData>"
             + sheetData + "</x:sheetData></x:worksheet>"},
    };
    if (!shared.empty())
        entries.push_back({"xl/strings.xml", "<sst xmlns='http://schemas.openxmlformats.org/spreadsheetml/2006/main'>"
                                                 + shared + "</sst>"});
    return zipOf(entries);
}

std::string ods(const std::string& table)
{
    return zipOf({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                  {"content.xml",
                   "<office:document-content xmlns:office='urn:oasis:names:tc:opendocument:xmlns:office:1.0' "
                   "xmlns:table='urn:oasis:names:tc:opendocument:xmlns:table:1.0' "
                   "xmlns:text='urn:oasis:names:tc:opendocument:xmlns:text:1.0'><office:body><office:spreadsheet>"
                       + table
                       + "<table:table><table:table-row><table:table-cell><text:p>drug list</text:p>"
                         "</table:table-cell></table:table-row></table:table>"
                         "</office:spreadsheet></office:body></office:document-content>"}});
}

} // namespace

TEST(Workbook, XlsxShapes)
{
    struct Case {
        std::string sheetData;
        std::string shared;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        // The first sheet in the workbook's order, wherever its part is; shared
        // strings (rich runs joined, phonetic runs left out, _xHHHH_ escapes).
        {"<x:row r='2'><x:c r='B2' t='s'><x:v>1</x:v></x:c><x:c r='D2' t='s'><x:v>0</x:v></x:c></x:row>",
         "<si><t>a_x000D_b</t></si><si><r><t>Pe</t></r><r><t>tar</t></r><rPh><t>x</t></rPh></si>",
         {"2:|Petar||a\rb"}},
        // Cells and rows without references follow the one before; formula
        // texts, booleans and errors as they stand; a number in its plain form.
        {"<x:row><x:c t='inlineStr'><x:is><x:t>a</x:t></x:is></x:c><x:c t='str'><x:f>A1</x:f><x:v>a</x:v></x:c>"
         "<x:c t='b'><x:v>1</x:v></x:c><x:c t='e'><x:v>#N/A</x:v></x:c><x:c><x:v>12345.670000000001</x:v></x:c>"
         "</x:row><x:row><x:c r='C2'><x:v>1E3</x:v></x:c></x:row>",
         "",
         {"1:a|a|1|#N/A|12345.67#", "2:||1000#"}},
        // A string index past the table (here it has none) is an empty cell.
        {"<x:row r='1'><x:c t='s'><x:v>0</x:v></x:c><x:c><x:v>1</x:v></x:c></x:row>", "", {"1:|1#"}},
        // Columns Z and AB, with AA between them empty.
        {"<x:row r='3'><x:c r='Z3'><x:v>1</x:v></x:c><x:c r='AB3'><x:v>2</x:v></x:c></x:row>", "",
         {"3:" + std::string(25, '|') + "1#||2#"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sheetData);
        const SheetResult result = readSheet(xlsx(c.sheetData, c.shared), "x.xlsx");
        ASSERT_EQ(result.error, "");
        EXPECT_EQ(rowsOf(result.sheet), c.rows);
    }
}

TEST(Workbook, OdsShapes)
{
    const std::string table =
        "<table:table>"
        "<table:table-row table:number-rows-repeated='2'><table:table-cell table:number-columns-repeated='3'/></table:table-row>"
        "<table:table-row><table:table-cell table:number-columns-repeated='2'/>"
        "<table:table-cell office:value-type='float' office:value='615' table:number-columns-repeated='2'><text:p>615,00</text:p></table:table-cell>"
        "<table:covered-table-cell/>"
        "<table:table-cell><office:annotation><text:p>beleska</text:p></office:annotation>"
        "<text:p>a<text:s text:c='2'/>b<text:tab/>c</text:p> <text:p>d<text:line-break/>e</text:p></table:table-cell>"
        "<table:table-cell office:value-type='date' office:date-value='2003-02-01T12:00:00'><text:p>1.2.03</text:p></table:table-cell>"
        "<table:table-cell office:value-type='percentage' office:value='0.05'><text:p>5%</text:p></table:table-cell>"
        "</table:table-row>"
        "<table:table-row table:number-rows-repeated='1000000'/>"
        "<table:table-row table:number-rows-repeated='2'><table:table-cell><text:p><text:span>x</text:span></text:p></table:table-cell></table:table-row>"
        "<table:table-row table:number-rows-repeated='1048000'><table:table-cell table:number-columns-repeated='1024'/></table:table-row>"
        "</table:table>";
    const SheetResult result = readSheet(ods(table), "x.ods");
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(rowsOf(result.sheet),
              (std::vector<std::string>{"3:||615#|615#||a  b\tc\nd\ne|2003-02-01|0.05#", "1000004:x", "1000005:x"}));
    EXPECT_EQ(result.sheet.emptyRows, 1000002);
}

TEST(Workbook, WhatIsRefusedAndWhy)
{
    struct Case {
        std::string bytes;
        std::string name;
        std::string error;
    };
    const std::vector<Case> cases = {
        {std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "x", "plata.csv", kOldWorkbookMessage},
        {"<html><table><tr><td>1</td></tr></table></html>", "plata.XLS", kOldWorkbookMessage},
        {zipOf({{"word/document.xml", "<w/>"}}), "plata.xlsx", "Datotekata ne e tabela: ne e CSV, .xlsx nitu .ods."},
        {"PK\x03\x04 not really", "plata.xlsx", "Datotekata ne e tabela: ne e CSV, .xlsx nitu .ods."},
        {zipOf({{"content.xml", "<!DOCTYPE x [<!ENTITY a 'aaaa'>]><x>&a;</x>"}}), "x.ods",
         "Tabelata ima deklaracija na tip na dokument (content.xml) i ne se cita."},
        {zipOf({{"content.xml", "<a>\n<b></a>"}}), "x.ods",
         "Tabelata e ostetena (content.xml, red 2): oznakite ne se sovpagjaat."},
        {[] {
             std::string bytes = zipOf({{"content.xml", "<x/>"}});
             bytes[bytes.find("PK\x01\x02") + 16] ^= 1; // the entry's CRC
             return bytes;
         }(),
         "x.ods", "Tabelata ne moze da se raspakuva: ostetena e."},
        {xlsx("<x:row><x:c><x:v>1</x:v></x:c>"), "x.xlsx",
         "Tabelata e ostetena (xl/worksheets/prv.xml, red 1): oznakite ne se sovpagjaat."},
        {zipOf({{"xl/workbook.xml", "<workbook/>"}}), "x.xlsx", "Vo tabelata nedostasuva xl/worksheets/sheet1.xml."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + ": " + c.error);
        const SheetResult result = readSheet(c.bytes, c.name);
        EXPECT_EQ(result.error, c.error);
        EXPECT_TRUE(result.sheet.rows.empty());
    }
}

TEST(Workbook, UnpackingStopsAtTheLimit)
{
    const std::string content = "<x>" + std::string(5000, ' ') + "</x>";
    const std::string bytes = zipOf({{"content.xml", content}});
    ZipArchive small(bytes, content.size() - 1);
    EXPECT_EQ(readOdsSheet(small).error, "Tabelata e pregolema koga ke se raspakuva (povekje od 256 MiB).");
    ZipArchive enough(bytes, content.size());
    EXPECT_EQ(readOdsSheet(enough).error, "");
    // Reading ends with the first sheet: the sheets after it are not unpacked.
    const std::string later = ods("<table:table/><table:table>" + std::string(100000, ' ') + "</table:table>");
    ZipArchive first(later, 70000);
    EXPECT_EQ(readOdsSheet(first).error, "");
}
