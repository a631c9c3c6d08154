#include "check/error_list.h"

#include "platform/file_system.h"

#include <filesystem>
#include <vector>

namespace dorvik {

namespace {

// Lines are handed to the file in blocks of this size.
constexpr std::size_t kFlushSize = 64 * 1024;

// Byte length of the UTF-8 character starting at text[i]; a byte that does
// not start a well-formed sequence counts as a character of its own.
std::size_t characterLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    if (i + length > text.size())
        return 1;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 1;
    return length;
}

// Byte offsets where each character of the text starts.
std::vector<std::size_t> characterStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); i += characterLength(text, i))
        starts.push_back(i);
    return starts;
}

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

ErrorListName errorListName(const std::string& reportPath)
{
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(reportPath, ec);
    if (ec)
        absolute = reportPath;
    ErrorListName name;
    name.reportPath = absolute.lexically_normal().string();

    const std::string_view full = name.reportPath;
    const std::size_t slash = full.rfind('/');
    const std::size_t fileStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::vector<std::size_t> starts = characterStarts(full.substr(fileStart));
    if (starts.size() <= 4)
        name.stem = name.reportPath;
    else
        name.stem = full.substr(0, fileStart + starts[starts.size() - 4]);
    name.path = name.stem + ".err";
    return name;
}

bool listWouldReplaceReport(const ErrorListName& name)
{
    if (name.path.size() != name.reportPath.size())
        return false;
    for (std::size_t i = 0; i < name.path.size(); ++i)
        if (foldCase(name.path[i]) != foldCase(name.reportPath[i]))
            return false;
    return true;
}

void appendRecordPrefix(std::string& out, int recordNumber)
{
    char digits[6];
    for (int i = 5; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + recordNumber % 10);
        recordNumber /= 10;
    }
    out.append(digits, 6);
    out += " ,";
}

namespace {

constexpr std::string_view kColumnHeading = "Slog # ,  Opis na greskite...";

bool isUnderline(std::string_view line)
{
    return line.size() == 79 && line.find_first_not_of('_') == std::string_view::npos;
}

} // namespace

std::vector<std::string_view> errorListLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

namespace {

// "000025 ," gives 25.
std::optional<int> recordPrefix(std::string_view line)
{
    if (line.size() < 8 || line.substr(6, 2) != " ,")
        return std::nullopt;
    int number = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return std::nullopt;
        number = number * 10 + (line[i] - '0');
    }
    return number;
}

} // namespace

std::vector<ErrorListRow> readErrorListRows(std::string_view bytes)
{
    const std::vector<std::string_view> lines = errorListLines(bytes);
    std::size_t first = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == kColumnHeading && isUnderline(lines[i + 1])) {
            first = i + 2;
            break;
        }
    }
    std::vector<ErrorListRow> rows;
    rows.reserve(lines.size() - first);
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || (isUnderline(line) && i + 1 == lines.size()))
            continue;
        const std::optional<int> record = recordPrefix(line);
        rows.push_back({record, record ? line.substr(8) : line});
    }
    return rows;
}

std::string errorListHeader(std::string_view stem)
{
    std::string header;
    header += "ELMARIN\r\n";
    header += "A  R  H  I  V  A\r\n";
    header += "_______________\r\n";
    header += "\r\n\r\n\r\n";
    header += "Kontrola na podatocite na datotekata:\r\n";
    header += stem;
    header += "\r\n";
    header += "\r\n\r\n\r\n";
    header += kColumnHeading;
    header += "\r\n";
    header += std::string(79, '_');
    header += "\r\n";
    return header;
}

ErrorListWriter::ErrorListWriter() = default;
ErrorListWriter::~ErrorListWriter() = default;

bool ErrorListWriter::open(FileSystem& files, const std::string& path, std::string_view stem)
{
    file_ = files.openForWrite(path, error_);
    if (!file_)
        return false;
    buffer_.clear();
    buffer_.reserve(kFlushSize + 1024);
    buffer_ += errorListHeader(stem);
    return flush();
}

bool ErrorListWriter::writeLine(std::string_view line)
{
    buffer_ += line;
    buffer_ += "\r\n";
    return buffer_.size() < kFlushSize || flush();
}

bool ErrorListWriter::writeLine(int recordNumber, std::string_view text)
{
    appendRecordPrefix(buffer_, recordNumber);
    return writeLine(text);
}

bool ErrorListWriter::close()
{
    buffer_ += kErrorListFooter;
    if (!flush())
        return false;
    if (!file_->commit()) {
        error_ = file_->errorString();
        file_.reset();
        return false;
    }
    file_.reset();
    return true;
}

bool ErrorListWriter::flush()
{
    if (!file_) // a failed write already gave the file up
        return false;
    if (!file_->write(buffer_)) {
        error_ = file_->errorString();
        file_.reset();
        return false;
    }
    buffer_.clear();
    return true;
}

} // namespace dorvik
