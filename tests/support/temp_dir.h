// A temporary folder for a test, removed with everything in it afterwards,
// and reading and writing whole files in it.
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

} // namespace dorvik::testing
