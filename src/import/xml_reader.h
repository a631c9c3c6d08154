// A workbook part's XML, read through expat as its bytes are unpacked.
// Elements and attributes are told by their local names (the prefixes
// writers choose differ, and none of their namespaces is confused with
// another's in a workbook's parts); a document type declaration is refused, so no
// entity can be defined, let alone expanded.
#pragma once

#include <string>
#include <string_view>

namespace dorvik::import {

class ZipArchive;

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    // attributes: name, value, name, value, ..., nullptr; names as expat
    // gives them (see attribute()).
    virtual void start(std::string_view name, const char** attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view text) = 0;
    // False stops the reading early (everything needed has been read).
    virtual bool more() const { return true; }
};

// The value of the attribute with this local name, or nullptr.
const char* attribute(const char** attributes, std::string_view name);

// Reads the archive's entry through the handler. Returns why it failed (the
// entry is missing or too large, the XML is broken), or the empty text.
std::string readXml(ZipArchive& archive, const std::string& entry, XmlHandler& handler);

} // namespace dorvik::import
