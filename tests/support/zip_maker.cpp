#include "zip_maker.h"

#include <zip.h>

#include <cstdio>
#include <stdexcept>

namespace dorvik::testing {

std::string zipOf(const std::vector<std::pair<std::string, std::string>>& entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive)
        throw std::runtime_error("zip_open_from_source");
    for (const auto& [name, contents] : entries) {
        zip_source_t* entry = zip_source_buffer(archive, contents.data(), contents.size(), 0);
        if (zip_file_add(archive, name.c_str(), entry, ZIP_FL_OVERWRITE) < 0)
            throw std::runtime_error("zip_file_add");
    }
    if (zip_close(archive) < 0)
        throw std::runtime_error("zip_close");
    std::string bytes;
    zip_source_open(buffer);
    char block[4096];
    for (zip_int64_t got; (got = zip_source_read(buffer, block, sizeof block)) > 0;)
        bytes.append(block, static_cast<std::size_t>(got));
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}

} // namespace dorvik::testing
