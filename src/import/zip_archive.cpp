#include "import/zip_archive.h"

#include <zip.h>

#include <array>

namespace dorvik::import {

std::string unpackedTooLargeMessage()
{
    return "Tabelata e pregolema koga ke se raspakuva (povekje od "
           + std::to_string(kMaxUnpackedBytes >> 20) + " MiB).";
}

ZipArchive::ZipArchive(std::string_view bytes, std::uint64_t maxUnpacked)
    : maxUnpacked_(maxUnpacked)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source) {
        zip_ = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (!zip_)
            zip_source_free(source);
    }
    zip_error_fini(&error);
}

ZipArchive::~ZipArchive()
{
    if (zip_)
        zip_discard(zip_);
}

bool ZipArchive::has(const std::string& name) const
{
    return zip_ && zip_name_locate(zip_, name.c_str(), 0) >= 0;
}

std::string ZipArchive::read(const std::string& name,
                             const std::function<bool(std::string_view)>& block)
{
    const zip_int64_t index = zip_ ? zip_name_locate(zip_, name.c_str(), 0) : -1;
    if (index < 0)
        return "Vo tabelata nedostasuva " + name + ".";
    zip_file_t* file = zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        return std::string("Tabelata ne moze da se raspakuva: ") + zip_strerror(zip_) + ".";
    std::string failure;
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const zip_int64_t got = zip_fread(file, buffer.data(), buffer.size());
        if (got < 0) {
            failure = std::string("Tabelata ne moze da se raspakuva: ") + zip_file_strerror(file) + ".";
            break;
        }
        if (got == 0)
            break;
        unpacked_ += static_cast<std::uint64_t>(got);
        if (unpacked_ > maxUnpacked_) {
            failure = unpackedTooLargeMessage();
            break;
        }
        if (!block(std::string_view(buffer.data(), static_cast<std::size_t>(got))))
            break;
    }
    zip_fclose(file);
    return failure;
}

} // namespace dorvik::import
