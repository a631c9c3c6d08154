#include "pdf_pages.h"

#include "temp_dir.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace dorvik::testing {

namespace {

// What the program says of the PDF bytes, given as a file after the options.
std::string run(const char* program, std::string_view bytes, QStringList arguments, const QStringList& after = {})
{
    TempDir dir;
    writeBytes(dir.file("document.pdf"), bytes);
    arguments << QString::fromStdString(dir.file("document.pdf")) << after;
    QProcess process;
    process.start(QString::fromLatin1(program), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program << " failed on " << arguments.join(' ').toStdString()
                      << " (poppler-utils installed?): " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

std::string infoLine(std::string_view bytes, std::string_view key)
{
    const std::string info = run("pdfinfo", bytes, {});
    const std::size_t at = info.find(key);
    if (at == std::string::npos)
        return {};
    const std::size_t start = info.find_first_not_of(' ', at + key.size());
    return info.substr(start, info.find('\n', start) - start);
}

} // namespace

int pdfPageCountOf(std::string_view bytes)
{
    const std::string pages = infoLine(bytes, "Pages:");
    return pages.empty() ? 0 : std::stoi(pages);
}

std::string pdfPageSizeOf(std::string_view bytes)
{
    return infoLine(bytes, "Page size:");
}

std::string pdfTextOf(std::string_view bytes, int first, int last)
{
    // In the page's layout: a line of the page is a line of the text.
    QStringList arguments{QStringLiteral("-layout")};
    if (first > 0)
        arguments << QStringLiteral("-f") << QString::number(first);
    if (last > 0)
        arguments << QStringLiteral("-l") << QString::number(last);
    return run("pdftotext", bytes, arguments, {QStringLiteral("-")});
}

std::string foldBlanks(std::string_view text)
{
    std::string folded;
    auto lineStart = [&] { return folded.empty() || folded.back() == '\n' || folded.back() == '\f'; };
    for (const char c : text) {
        if (c == ' ' && (lineStart() || folded.back() == ' '))
            continue;
        if ((c == '\n' || c == '\f') && !folded.empty() && folded.back() == ' ')
            folded.pop_back();
        folded += c;
    }
    if (!folded.empty() && folded.back() == ' ')
        folded.pop_back();
    return folded;
}

std::vector<std::string> foldedLines(std::string_view text)
{
    std::vector<std::string> lines;
    const std::string folded = foldBlanks(text);
    std::size_t start = 0;
    while (start <= folded.size()) {
        const std::size_t end = std::min(folded.find_first_of("\n\f", start), folded.size());
        lines.push_back(folded.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

} // namespace dorvik::testing
