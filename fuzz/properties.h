// The properties the fuzz harnesses and the seeded property test hold the
// program to. Each takes one input's bytes and throws when the program does
// not do what a model written out from the rules says.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace dorvik::fuzz {

// Byte 0: today's year, 1990 + b % 100. Byte 1: the block size the file is
// read in (0: one block). Byte 2: bits 0-1 what happens to the file on the
// disk before the first save (1 changed, 2 removed), bit 2 answer No to that
// save's question, bits 3-7 b < 4: the load fails after b blocks. Byte 3:
// the first record's field b % 15 is set to the file's first b / 15 bytes.
// The rest: the report file. It is loaded, edited, saved twice and checked
// twice (by its lines, and field by field).
void reportFileProperty(std::string_view input);

// Byte 0: the current year, b % 100. The rest cut at the bytes 0xFF: the
// year, the period, then the fifteen fields' texts (one starting with 0xFE
// stands for a text outside the code page). The personal, master and
// registration numbers' texts also go through the check digits.
void rulesProperty(std::string_view input);

// Byte 0: bits 0-1 what the rest is (0 a text sheet, 1 an .ods's content.xml,
// 2 an .xlsx's sheet part, then 0xFF and its shared strings, 3 a file named
// .xls); bits 2-3 the separator given (none, ";", ",", TAB); bits 4-6 the
// encoding given (Auto, UTF-8, UTF-16LE, UTF-16BE, Windows-1251, modulo 5);
// bit 7 amounts as the field holds them. The sheet is read and imported with
// its header's columns, or the fields from column A on.
void sheetImportProperty(std::string_view input);

} // namespace dorvik::fuzz

#define FUZZ_REQUIRE(condition)                                                               \
    ((condition) ? void()                                                                     \
                 : throw std::logic_error(__FILE__ ":" + std::to_string(__LINE__) + ": " #condition))
