// One report line: 15 fixed-width fields, 147 bytes, no separators.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dorvik {

enum class Field : int {
    Godina,
    LicenBroj,
    MaticenBroj,
    RegistarskiBroj,
    ImePrezime,
    Firma,
    PeriodOd,
    PeriodDo,
    Mesec,
    VkRabCasovi,
    Denari,
    Boleduvanje,
    EfektStaz,
    StepenZgolem,
    SifraStaz,
};

inline constexpr int kFieldCount = 15;
inline constexpr int kRecordLength = 147;

// The one table of widths, in file order. Nothing else repeats them.
inline constexpr std::array<std::int16_t, kFieldCount> FieldWidths = {
    2, 10, 13, 10, 35, 35, 4, 4, 4, 4, 9, 4, 4, 5, 4};

// Where each field starts in the line: the widths before it added up.
inline constexpr std::array<std::int16_t, kFieldCount> FieldOffsets = [] {
    std::array<std::int16_t, kFieldCount> offsets{};
    for (int i = 1; i < kFieldCount; ++i)
        offsets[i] = static_cast<std::int16_t>(offsets[i - 1] + FieldWidths[i - 1]);
    return offsets;
}();
static_assert(FieldOffsets[kFieldCount - 1] + FieldWidths[kFieldCount - 1] == kRecordLength);

// The fields' names, in file order: what the import's headers, options and
// messages call them.
inline constexpr std::array<std::string_view, kFieldCount> FieldNames = {
    "Godina",    "LicenBroj", "MaticenBroj", "RegistarskiBroj", "ImePrezime",
    "Firma",     "PeriodOd",  "PeriodDo",    "Mesec",           "VkRabCasovi",
    "Denari",    "Boleduvanje", "EfektStaz", "StepenZgolem",    "SifraStaz"};

constexpr int fieldWidth(Field f) { return FieldWidths[static_cast<int>(f)]; }
constexpr int fieldOffset(Field f) { return FieldOffsets[static_cast<int>(f)]; }
constexpr Field fieldAt(int index) { return static_cast<Field>(index); }
constexpr std::string_view fieldName(Field f) { return FieldNames[static_cast<int>(f)]; }

// A record is held as its line of 147 bytes plus a mark of which fields hold
// a value. A stored value is always blank-padded to its field's width.
class ReportRecord {
public:
    // A record with no values.
    ReportRecord();

    // Cuts a line of exactly 147 bytes into its 15 fields, all with values.
    static ReportRecord fromLine(std::string_view line);

    bool hasValue(Field f) const { return (present_ >> static_cast<int>(f)) & 1u; }

    // The whole line without a copy when every field holds a value; the
    // empty text otherwise.
    std::string_view fullLine() const
    {
        return present_ == (1u << kFieldCount) - 1 ? std::string_view(bytes_.data(), kRecordLength)
                                                   : std::string_view{};
    }

    // The stored value at full width, or the empty text when the field has no value.
    std::string_view value(Field f) const;

    // Stores the value blank-padded to the field's width. A value longer than
    // the width is refused (returns false) and the record stays as it was.
    bool setValue(Field f, std::string_view text);

    // Appends the composed line (fields without a value contribute nothing),
    // without a line end.
    void appendLineTo(std::string& out) const;
    std::string line() const;

    friend bool operator==(const ReportRecord&, const ReportRecord&) = default;

private:
    std::array<char, kRecordLength> bytes_;
    std::uint16_t present_ = 0;
};

} // namespace dorvik
