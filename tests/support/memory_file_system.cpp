#include "memory_file_system.h"

namespace dorvik::testing {

namespace {

class MemoryOutput : public OutputFile {
public:
    MemoryOutput(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}

    bool write(std::string_view bytes) override
    {
        if (failed_ || buffer_.size() + bytes.size() > fs_.writeRoom) {
            failed_ = true;
            error_ = describeSystemError(ENOSPC);
            return false;
        }
        buffer_.append(bytes);
        return true;
    }

    bool commit() override
    {
        if (failed_)
            return false;
        if (!fs_.commitError.empty()) {
            error_ = fs_.commitError;
            return false;
        }
        fs_.files[path_] = buffer_;
        return true;
    }

    std::string errorString() const override { return error_; }
    std::string fingerprint() const override { return buffer_; }

private:
    MemoryFileSystem& fs_;
    std::string path_;
    std::string buffer_;
    std::string error_;
    bool failed_ = false;
};

} // namespace

ReadStatus MemoryFileSystem::readBlocks(const std::string& path, ByteSink& sink)
{
    ReadStatus status;
    const auto it = files.find(path);
    if (it == files.end()) {
        status.ok = false;
        status.missing = true;
        status.error = describeSystemError(ENOENT);
        return status;
    }
    const std::string_view bytes = it->second;
    sink.expectSize(bytes.size());
    const std::size_t block = blockSize == 0 ? bytes.size() + 1 : blockSize;
    for (std::size_t at = 0, blocks = 0;; at += block, ++blocks) {
        if (static_cast<int>(blocks) == failReadAfterBlocks) {
            status.ok = false;
            status.error = readError;
            return status;
        }
        if (at >= bytes.size())
            break;
        if (!sink.consume(bytes.substr(at, block)))
            return status;
    }
    status.fingerprint = it->second;
    status.modified = 1'070'000'000;
    return status;
}

std::unique_ptr<OutputFile> MemoryFileSystem::openForWrite(const std::string& path,
                                                           std::string& error)
{
    if (!openError.empty() || path == readOnlyPath) {
        error = openError.empty() ? describeSystemError(EACCES) : openError;
        return nullptr;
    }
    return std::make_unique<MemoryOutput>(*this, path);
}

} // namespace dorvik::testing
