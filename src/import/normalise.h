// From a sheet's cell to the text a field stores, never changing what the
// value means: a value that cannot be stored as it is fails, with the reason.
#pragma once

#include "data/report_record.h"
#include "import/sheet.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dorvik::import {

enum class AmountUnit {
    Denari,     // the sheet's amounts are denari (and deni); the field holds hundredths
    FieldDigits // the sheet holds the field's nine digits as they stand
};

struct NormaliseOptions {
    AmountUnit amounts = AmountUnit::Denari;
};

class FieldValue {
public:
    // The field's bytes (Windows-1251), its full width, when it passed.
    std::string_view stored() const { return {bytes_.data(), size_}; }
    bool ok() const { return error.empty(); }

    // Sets the stored bytes (at most the widest field's width).
    void store(std::string_view bytes)
    {
        size_ = 0;
        appendBytes(bytes);
    }
    // Adds a byte after those stored; false when the widest field is full.
    bool append(char byte)
    {
        if (size_ == bytes_.size())
            return false;
        bytes_[size_++] = byte;
        return true;
    }
    // Adds bytes after those stored, as many as the widest field has room for.
    void appendBytes(std::string_view bytes)
    {
        const std::size_t n = bytes.size() < bytes_.size() - size_ ? bytes.size() : bytes_.size() - size_;
        bytes.copy(bytes_.data() + size_, n);
        size_ = static_cast<std::uint8_t>(size_ + n);
    }

    std::string note;  // what was added, e.g. "615 -> 0000000615"
    std::string error; // not empty: the reason it cannot be stored

private:
    // Held in place: normalising a row allocates nothing when it passes.
    std::array<char, 35> bytes_;
    std::uint8_t size_ = 0;
};

// The cell trimmed, without a leading "'" and without Excel's ="..." around
// it: the value as the user means it.
std::string cellValue(std::string_view text);

// reportYear: the report's two-digit year, which a date in a period must
// fall in; empty when the row has none (then no date is compared with it).
FieldValue normaliseField(Field field, const SheetCell& cell, std::string_view reportYear,
                          const NormaliseOptions& options);

// The months and days of service of a period (two stored DDMM texts),
// counted the check run's way.
FieldValue serviceMonths(std::string_view periodOd, std::string_view periodDo);

// Reasons, exact.
inline constexpr const char* kEmptyReason = "praznoto pole";
std::string lostDigitsReason(std::string_view shown);

} // namespace dorvik::import
