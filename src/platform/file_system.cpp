#include "platform/file_system.h"

namespace dorvik {

ReadResult readWhole(FileSystem& files, const std::string& path)
{
    struct Collect : ByteSink {
        explicit Collect(std::string& bytes) : bytes(bytes) {}
        void expectSize(std::uint64_t size) override { bytes.reserve(static_cast<std::size_t>(size)); }
        bool consume(std::string_view block) override
        {
            bytes.append(block);
            return true;
        }
        std::string& bytes;
    };
    ReadResult result;
    Collect collect(result.bytes);
    result.status = files.readBlocks(path, collect);
    return result;
}

ReadStatus readThrough(FileSystem& files, const std::string& path)
{
    struct Discard : ByteSink {
        bool consume(std::string_view) override { return true; }
    } discard;
    return files.readBlocks(path, discard);
}

std::string namedFailure(std::string_view path, std::string_view description)
{
    std::string text(path);
    text += ": ";
    text += description;
    return text;
}

std::optional<std::string> writeWhole(FileSystem& files, const std::string& path,
                                      std::string_view bytes, std::string* fingerprint)
{
    std::string error;
    const auto out = files.openForWrite(path, error);
    if (!out)
        return error;
    if (!out->write(bytes) || !out->commit())
        return out->errorString();
    if (fingerprint)
        *fingerprint = out->fingerprint();
    return std::nullopt;
}

} // namespace dorvik
