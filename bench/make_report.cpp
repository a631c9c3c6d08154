// Writes a report file of generated records with a realistic mix of faults:
// dorvik-bench-report FILE [RECORDS [FAULTY%]].
#include "report_generator.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("Usage: dorvik-bench-report FILE [RECORDS [FAULTY%]]\n", stderr);
        return 2;
    }
    const int records = argc > 2 ? std::atoi(argv[2]) : 32767;
    const int faultyPercent = argc > 3 ? std::atoi(argv[3]) : 5;
    const std::string bytes = dorvik::bench::generateReport(records, faultyPercent);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 2;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        return 2;
    }
    return 0;
}
