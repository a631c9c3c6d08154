#include "platform/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace dorvik {

ReadResult readWholeFile(const std::string& path)
{
    ReadResult result;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        result.ok = false;
        result.error = std::strerror(errno);
        return result;
    }
    char buffer[1 << 16];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
        result.bytes.append(buffer, n);
        if (n < sizeof buffer) {
            if (std::ferror(file)) {
                result.ok = false;
                result.error = std::strerror(errno);
            }
            break;
        }
    }
    std::fclose(file);
    return result;
}

} // namespace dorvik
