#include "import/xlsx_sheet.h"

#include "import/workbook_sheet.h"
#include "import/xml_reader.h"
#include "import/zip_archive.h"
#include "platform/utf8.h"

#include <charconv>
#include <map>
#include <vector>

namespace dorvik::import {

namespace {

// "_x000D_" and the like stand for the character of that code in the
// strings of a workbook.
std::string unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned code = 0;
        if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_') {
            const auto parsed = std::from_chars(text.data() + i + 2, text.data() + i + 6, code, 16);
            if (parsed.ec == std::errc() && parsed.ptr == text.data() + i + 6) {
                appendUtf8(out, static_cast<char32_t>(code));
                i += 6;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

// A relationships part: Id -> Target, and Type -> Target.
struct Relationships : XmlHandler {
    std::map<std::string, std::string, std::less<>> byId;
    std::map<std::string, std::string, std::less<>> byTypeEnd;

    void start(std::string_view name, const char** attributes) override
    {
        if (name != "Relationship")
            return;
        const char* id = attribute(attributes, "Id");
        const char* type = attribute(attributes, "Type");
        const char* target = attribute(attributes, "Target");
        if (!target)
            return;
        if (id)
            byId.emplace(id, target);
        if (type) {
            const std::string_view t(type);
            byTypeEnd.emplace(std::string(t.substr(t.rfind('/') + 1)), target);
        }
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
};

// The first <sheet> of the workbook: its relationship id.
struct Workbook : XmlHandler {
    std::string firstSheet;
    bool found = false;

    void start(std::string_view name, const char** attributes) override
    {
        if (found || name != "sheet")
            return;
        // r:id, the relationship that says where the sheet is.
        if (const char* id = attribute(attributes, "id"))
            firstSheet = id;
        found = true;
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
    bool more() const override { return !found; }
};

// The texts of the <t> elements of each <si>, phonetic runs left out.
struct SharedStrings : XmlHandler {
    std::vector<std::string> strings;
    std::string current;
    bool inText = false;
    int phonetic = 0;

    void start(std::string_view name, const char**) override
    {
        if (name == "si")
            current.clear();
        else if (name == "rPh")
            ++phonetic;
        else if (name == "t")
            inText = phonetic == 0;
    }
    void end(std::string_view name) override
    {
        if (name == "si") {
            if (strings.size() < kMaxSheetCells)
                strings.push_back(unescape(current));
        } else if (name == "rPh") {
            --phonetic;
        } else if (name == "t") {
            inText = false;
        }
    }
    void text(std::string_view text) override
    {
        if (inText)
            current.append(text);
    }
};

struct Worksheet : XmlHandler {
    Worksheet(Sheet& sheet, std::vector<std::string> strings) : builder(sheet)
    {
        // Each shared string kept once with the sheet, its cells views of it.
        shared.reserve(strings.size());
        for (std::string& s : strings)
            shared.push_back(builder.keep(std::move(s)));
    }

    SheetBuilder builder;
    std::vector<std::string_view> shared;
    int rowNumber = 0;
    int column = -1;
    std::string type;
    std::string value;    // of <v>
    std::string inlineText; // of <is><t>
    bool inValue = false;
    bool inInline = false;
    int phonetic = 0;

    void start(std::string_view name, const char** attributes) override
    {
        if (name == "row") {
            const char* r = attribute(attributes, "r");
            int number = 0;
            if (r && std::from_chars(r, r + std::char_traits<char>::length(r), number).ec == std::errc()
                && number > rowNumber && number <= (1 << 20))
                rowNumber = number;
            else
                ++rowNumber;
            column = -1;
        } else if (name == "c") {
            const char* r = attribute(attributes, "r");
            const int at = r ? columnOfReference(r) : -1;
            column = at > column ? at : column + 1;
            const char* t = attribute(attributes, "t");
            type = t ? t : "n";
            value.clear();
            inlineText.clear();
        } else if (name == "v") {
            inValue = true;
        } else if (name == "is") {
            inInline = true;
        } else if (name == "rPh") {
            ++phonetic;
        }
    }

    void end(std::string_view name) override
    {
        if (name == "v") {
            inValue = false;
        } else if (name == "is") {
            inInline = false;
        } else if (name == "rPh") {
            --phonetic;
        } else if (name == "c") {
            if (const SheetCell c = cellValue(); !isBlank(c.text))
                builder.cell(column, c);
        } else if (name == "row") {
            builder.endRow(rowNumber);
        }
    }

    void text(std::string_view text) override
    {
        if (inValue)
            value.append(text);
        else if (inInline && phonetic == 0)
            inlineText.append(text);
    }

    bool more() const override { return builder.error.empty(); }

    SheetCell cellValue()
    {
        if (type == "s") {
            std::size_t index = 0;
            const auto parsed = std::from_chars(value.data(), value.data() + value.size(), index);
            if (parsed.ec == std::errc() && index < shared.size())
                return {shared[index], false};
            return {};
        }
        if (type == "inlineStr")
            return {builder.keep(unescape(inlineText)), false};
        if (type == "n")
            return {builder.keep(plainNumber(value)), true};
        // "str" (a formula's text), "b" (0 or 1), "e" (an error such as #N/A).
        return {builder.keep(unescape(value)), false};
    }
};

// A target relative to the folder of the part that names it, or absolute.
std::string resolve(std::string_view folder, std::string_view target)
{
    if (!target.empty() && target[0] == '/')
        return std::string(target.substr(1));
    return std::string(folder) + std::string(target);
}

} // namespace

SheetResult readXlsxSheet(ZipArchive& archive)
{
    SheetResult result;
    result.sheet.kind = SheetKind::Xlsx;

    std::string workbookPath = "xl/workbook.xml";
    Relationships package;
    if (archive.has("_rels/.rels") && readXml(archive, "_rels/.rels", package).empty())
        if (const auto it = package.byTypeEnd.find("officeDocument"); it != package.byTypeEnd.end())
            workbookPath = resolve("", it->second);
    const std::string folder = workbookPath.substr(0, workbookPath.rfind('/') + 1);
    const std::string relsPath =
        folder + "_rels/" + workbookPath.substr(folder.size()) + ".rels";

    Workbook workbook;
    if (std::string e = readXml(archive, workbookPath, workbook); !e.empty()) {
        result.error = std::move(e);
        return result;
    }
    Relationships parts;
    if (archive.has(relsPath))
        if (std::string e = readXml(archive, relsPath, parts); !e.empty()) {
            result.error = std::move(e);
            return result;
        }
    std::string sheetPath = folder + "worksheets/sheet1.xml";
    if (const auto it = parts.byId.find(workbook.firstSheet); it != parts.byId.end())
        sheetPath = resolve(folder, it->second);
    std::string sharedPath = folder + "sharedStrings.xml";
    if (const auto it = parts.byTypeEnd.find("sharedStrings"); it != parts.byTypeEnd.end())
        sharedPath = resolve(folder, it->second);

    SharedStrings shared;
    if (archive.has(sharedPath))
        if (std::string e = readXml(archive, sharedPath, shared); !e.empty()) {
            result.error = std::move(e);
            return result;
        }
    Worksheet worksheet(result.sheet, std::move(shared.strings));
    worksheet.builder.finish(readXml(archive, sheetPath, worksheet), result.error);
    return result;
}

} // namespace dorvik::import
