// What the screen benchmarks share: timing a step, the median of the runs,
// and a folder of their own for the files they measure on.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace dorvik::bench {

inline double milliseconds(const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The processor time the step took in this process, which other work on a
// shared machine does not stretch as it does the time on the clock.
inline double cpuMilliseconds(const std::function<void()>& run)
{
    const std::clock_t start = std::clock();
    run();
    return double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A new folder under /tmp named after the benchmark; ends the program when
// none can be made.
inline std::filesystem::path benchFolder(const std::string& name)
{
    std::string pattern = "/tmp/dorvik-" + name + "-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    return pattern;
}

} // namespace dorvik::bench
