#include "import/xml_reader.h"

#include "import/zip_archive.h"
#include "platform/error_text.h"

#include <expat.h>

#include <cerrno>
#include <memory>

namespace dorvik::import {

namespace {

// A name without its prefix: "x:row" and "row" are the same element.
// (Expat's own namespace processing would resolve the prefixes, at several
// times the cost, for nothing the readers need.)
std::string_view localName(const char* name)
{
    const std::string_view full(name);
    const std::size_t cut = full.rfind(':');
    return cut == std::string_view::npos ? full : full.substr(cut + 1);
}

struct Reading {
    XmlHandler& handler;
    XML_Parser parser;
    bool doctype = false;
};

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes)
{
    static_cast<Reading*>(data)->handler.start(localName(name), attributes);
}

void XMLCALL onEnd(void* data, const XML_Char* name)
{
    static_cast<Reading*>(data)->handler.end(localName(name));
}

void XMLCALL onText(void* data, const XML_Char* text, int length)
{
    static_cast<Reading*>(data)->handler.text(std::string_view(text, static_cast<std::size_t>(length)));
}

void XMLCALL onDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int)
{
    auto* reading = static_cast<Reading*>(data);
    reading->doctype = true;
    XML_StopParser(reading->parser, XML_FALSE);
}

// What is wrong with a workbook's part, in the program's words.
std::string describeXmlError(XML_Error error)
{
    switch (error) {
    case XML_ERROR_NO_MEMORY: return describeSystemError(ENOMEM);
    case XML_ERROR_NO_ELEMENTS: return "delot e prazen";
    case XML_ERROR_UNCLOSED_TOKEN:
    case XML_ERROR_PARTIAL_CHAR:
    case XML_ERROR_UNCLOSED_CDATA_SECTION: return "delot e presecen";
    case XML_ERROR_TAG_MISMATCH: return "oznakite ne se sovpagjaat";
    case XML_ERROR_INVALID_TOKEN:
    case XML_ERROR_SYNTAX:
    case XML_ERROR_JUNK_AFTER_DOC_ELEMENT:
    case XML_ERROR_DUPLICATE_ATTRIBUTE: return "ne e ispraven XML";
    case XML_ERROR_UNKNOWN_ENCODING:
    case XML_ERROR_INCORRECT_ENCODING: return "nepoznato ili pogresno kodiranje";
    case XML_ERROR_UNDEFINED_ENTITY: return "nepoznat entitet";
    default: return describeOtherFailure(XML_ErrorString(error));
    }
}

} // namespace

const char* attribute(const char** attributes, std::string_view name)
{
    for (const char** a = attributes; a && *a; a += 2)
        if (localName(*a) == name)
            return a[1];
    return nullptr;
}

std::string readXml(ZipArchive& archive, const std::string& entry, XmlHandler& handler)
{
    const std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(
        XML_ParserCreate(nullptr), XML_ParserFree);
    if (!parser)
        return "Nema dovolno memorija za citanje na tabelata.";
    Reading reading{handler, parser.get()};
    XML_SetUserData(parser.get(), &reading);
    XML_SetElementHandler(parser.get(), onStart, onEnd);
    XML_SetCharacterDataHandler(parser.get(), onText);
    XML_SetStartDoctypeDeclHandler(parser.get(), onDoctype);

    bool broken = false;
    auto parse = [&](std::string_view block, bool last) {
        broken = XML_Parse(parser.get(), block.data(), static_cast<int>(block.size()), last)
                 == XML_STATUS_ERROR;
        return !broken;
    };
    bool stopped = false;
    const std::string failure = archive.read(entry, [&](std::string_view block) {
        if (!parse(block, false))
            return false;
        stopped = !handler.more();
        return !stopped;
    });
    if (!failure.empty())
        return failure;
    if (!broken && !stopped)
        parse({}, true);
    if (!broken)
        return {};
    if (reading.doctype)
        return "Tabelata ima deklaracija na tip na dokument (" + entry + ") i ne se cita.";
    return "Tabelata e ostetena (" + entry + ", red "
           + std::to_string(XML_GetCurrentLineNumber(parser.get())) + "): "
           + describeXmlError(XML_GetErrorCode(parser.get())) + ".";
}

} // namespace dorvik::import
