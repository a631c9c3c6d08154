#include "records.h"

namespace dorvik::testing {

std::string recordLine(int seed)
{
    std::string name = "Ime Prezime " + std::to_string(seed);
    name.resize(35, ' ');
    std::string firm = "Firma DOO Skopje";
    firm.resize(35, ' ');
    // Godina, LicenBroj, MaticenBroj, RegistarskiBroj (all pass their
    // checks), names, PeriodOd, PeriodDo, Mesec, VkRabCasovi, Denari,
    // Boleduvanje, EfektStaz, StepenZgolem, SifraStaz.
    return "99" "1111111181" "1111111111111" "1234567897" + name + firm
           + "0101" "3112" "1200" "2088" "000150000" "0000" "0000" "     " "0000";
}

std::string lineWith(int seed, const std::vector<std::pair<Field, std::string_view>>& fields)
{
    std::string line = recordLine(seed);
    for (const auto& [field, value] : fields) {
        std::string padded(value);
        padded.resize(static_cast<std::size_t>(fieldWidth(field)), ' ');
        line.replace(static_cast<std::size_t>(fieldOffset(field)), padded.size(), padded);
    }
    return line;
}

std::vector<std::string> records(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(recordLine(i));
    return lines;
}

std::string fileOf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

std::vector<std::string> linesOf(std::string_view bytes)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string_view::npos;
         start = end + 2)
        lines.emplace_back(bytes.substr(start, end - start));
    return lines;
}

} // namespace dorvik::testing
