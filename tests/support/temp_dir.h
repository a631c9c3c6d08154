// A temporary folder for a test, removed with everything in it afterwards,
// and small helpers for report files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dorvik::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, std::string_view bytes);

// A valid 147-byte record line; fields not given keep a correct default.
// Fields are in file order; the defaults form a record that passes every
// check rule (year 99, period 0101-3112, 12 months, 2088 hours).
std::string recordLine(int seed = 0);

} // namespace dorvik::testing
