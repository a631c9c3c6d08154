// The fuzz harnesses' properties on seeded inputs of the shapes that matter:
// record lines with changed fields and digits, lines a byte short or long,
// blank lines, noise, line ends of every kind, blocks that cut a CR LF.
#include "properties.h"
#include "records.h"

#include <gtest/gtest.h>

#include <random>

namespace dorvik::fuzz {
namespace {

std::mt19937 rng;
int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
char byte() { return static_cast<char>(rng()); }
char digit(int below = 10) { return static_cast<char>('0' + pick(below)); }

// Digits, or characters the rules tell apart.
std::string text(int length, int kinds = 17)
{
    std::string t;
    while (length-- > 0)
        t += "0123456789 0-A\n\xe8\xfe"[pick(kinds)];
    return t;
}

// A record's line, or one with digits or fields changed, a byte short or
// long, blank or noise.
std::string line()
{
    std::string l = testing::recordLine(pick(100));
    for (int changes = pick(3); changes > 0; --changes) {
        const Field f = static_cast<Field>(pick(kFieldCount));
        switch (pick(10)) {
        case 0: l[pick(35)] = digit(); break;
        case 1: l.replace(fieldOffset(f), fieldWidth(f), text(fieldWidth(f))); break;
        case 2: l.erase(pick(147), 1); break;
        case 3: l.insert(pick(147), 1, digit()); break;
        case 4: return "";
        case 5: return text(pick(300));
        default: l.replace(fieldOffset(f), fieldWidth(f), text(fieldWidth(f), 10));
        }
    }
    return l;
}

std::string reportFile()
{
    const char blocks[] = {0, 1, 2, 3, 7, char(146), char(147), char(148), char(149), byte()};
    const char* ends[] = {"\r\n", "\r\n", "\r\n", "\r", "\n", ""};
    std::string in{byte(), blocks[pick(10)], byte(), byte()};
    if (pick(8) == 0) // about a tenth of the lines bad: the summary's two messages
        return in + testing::fileOf(testing::records(9 + pick(4))) + "short\r\n";
    for (int n = pick(9); n > 0; --n)
        in += line() + ends[pick(6)];
    return in;
}

// Year, period, then a line's fields, some cut or lengthened.
std::string rules()
{
    std::string in{byte(), digit(), digit(), '\xff', digit(4), digit(), digit(2), digit()};
    if (pick(4) == 0)
        in = in.substr(0, 1) + text(pick(3)) + '\xff' + text(pick(6));
    const std::string l = line();
    for (int i = 0; i < kFieldCount; ++i) {
        std::string t = l.size() == 147 ? testing::fieldOf(l, static_cast<Field>(i)) : text(pick(15));
        if (pick(8) == 0)
            t.resize(pick(40), ' ');
        in += '\xff' + t;
    }
    return in;
}

void holds(void (*property)(std::string_view), std::string (*input)(), int count)
{
    rng.seed(2003);
    std::string in;
    for (int i = 0; i < count; ++i)
        ASSERT_NO_THROW(property(in = input())) << "input " << i << ": " << ::testing::PrintToString(in);
}

TEST(Properties, ReportFile) { holds(reportFileProperty, reportFile, 600); }
TEST(Properties, Rules) { holds(rulesProperty, rules, 2000); }

} // namespace
} // namespace dorvik::fuzz
