#include "import/zip_archive.h"

#include "platform/error_text.h"

#include <zip.h>

#include <array>
#include <cerrno>

namespace dorvik::import {

namespace {

// Why libzip could not unpack, in the program's words: "Tabelata ne moze
// da se raspakuva: ...".
std::string unpackFailure(zip_error_t* error)
{
    std::string why;
    switch (zip_error_code_zip(error)) {
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
    case ZIP_ER_EOF:
    case ZIP_ER_CRC:
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA: why = "ostetena e"; break;
    case ZIP_ER_MULTIDISK: why = "podelena e na poveke delovi"; break;
    case ZIP_ER_COMPNOTSUPP: why = "kompresirana e na nepoznat nacin"; break;
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD: why = "zastitena e so lozinka"; break;
    case ZIP_ER_MEMORY: why = describeSystemError(ENOMEM); break;
    case ZIP_ER_READ: why = describeSystemError(zip_error_code_system(error)); break;
    default: why = describeOtherFailure(zip_error_strerror(error)); break;
    }
    return "Tabelata ne moze da se raspakuva: " + why + ".";
}

} // namespace

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
    if (!zip_)
        openFailure_ = unpackFailure(&error);
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
    if (!zip_)
        return openFailure_;
    const zip_int64_t index = zip_name_locate(zip_, name.c_str(), 0);
    if (index < 0)
        return "Vo tabelata nedostasuva " + name + ".";
    zip_file_t* file = zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0);
    if (!file)
        return unpackFailure(zip_get_error(zip_));
    std::string failure;
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const zip_int64_t got = zip_fread(file, buffer.data(), buffer.size());
        if (got < 0) {
            failure = unpackFailure(zip_file_get_error(file));
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
