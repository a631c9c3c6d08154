#include "import/sheet_file.h"

#include "import/ods_sheet.h"
#include "import/xlsx_sheet.h"
#include "import/zip_archive.h"
#include "platform/file_system.h"

#include <algorithm>

namespace dorvik::import {

namespace {

constexpr std::string_view kZipMagic = "PK\x03\x04";
// The compound file of the old binary workbooks.
constexpr std::string_view kCompoundFileMagic = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

bool hasExtension(std::string_view fileName, std::string_view extension)
{
    if (fileName.size() < extension.size())
        return false;
    std::string end(fileName.substr(fileName.size() - extension.size()));
    std::transform(end.begin(), end.end(), end.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return end == extension;
}

} // namespace

SheetResult readSheet(std::string_view bytes, std::string_view fileName,
                      const TextSheetOptions& textOptions)
{
    SheetResult result;
    if (bytes.substr(0, kCompoundFileMagic.size()) == kCompoundFileMagic
        || (hasExtension(fileName, ".xls") && bytes.substr(0, kZipMagic.size()) != kZipMagic)) {
        result.error = kOldWorkbookMessage;
        return result;
    }
    if (bytes.substr(0, kZipMagic.size()) != kZipMagic)
        return readTextSheet(bytes, textOptions);

    ZipArchive archive(bytes);
    if (archive.has("content.xml"))
        return readOdsSheet(archive);
    if (archive.has("xl/workbook.xml") || archive.has("_rels/.rels"))
        return readXlsxSheet(archive);
    result.error = "Datotekata ne e tabela: ne e CSV, .xlsx nitu .ods.";
    return result;
}

SheetFile loadSheetFile(FileSystem& files, const std::string& path)
{
    class Sink : public ByteSink {
    public:
        explicit Sink(SheetFile& file) : file_(file) {}
        void expectSize(std::uint64_t size) override
        {
            if (size <= kMaxUnpackedBytes)
                file_.bytes.reserve(static_cast<std::size_t>(size));
        }
        bool consume(std::string_view block) override
        {
            if (file_.bytes.size() + block.size() > kMaxUnpackedBytes) {
                file_.error = tooLargeMessage();
                return false;
            }
            file_.bytes.append(block);
            return true;
        }

    private:
        SheetFile& file_;
    };
    SheetFile file;
    Sink sink(file);
    const ReadStatus status = files.readBlocks(path, sink);
    if (!status.ok)
        file.error = status.error;
    if (!file.error.empty())
        file.bytes.clear();
    return file;
}

} // namespace dorvik::import
