#include "memory_file_system.h"

namespace dorvik::testing {

namespace {

class MemoryOutput : public OutputFile {
public:
    MemoryOutput(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}

    bool write(std::string_view bytes) override
    {
        if (!fs_.writeError.empty()) {
            error_ = fs_.writeError;
            return false;
        }
        buffer_.append(bytes);
        return true;
    }

    bool commit() override
    {
        if (!fs_.commitError.empty()) {
            error_ = fs_.commitError;
            return false;
        }
        fs_.files[path_] = buffer_;
        ++fs_.commits;
        return true;
    }

    std::string errorString() const override { return error_; }
    std::string fingerprint() const override { return buffer_; }

private:
    MemoryFileSystem& fs_;
    std::string path_;
    std::string buffer_;
    std::string error_;
};

} // namespace

ReadStatus MemoryFileSystem::readBlocks(const std::string& path, ByteSink& sink)
{
    ReadStatus status;
    const auto it = files.find(path);
    if (it == files.end()) {
        status.ok = false;
        status.missing = true;
        status.error = "No such file or directory";
        return status;
    }
    sink.expectSize(it->second.size());
    sink.consume(it->second);
    if (!readError.empty()) {
        status.ok = false;
        status.error = readError;
        return status;
    }
    status.fingerprint = it->second;
    return status;
}

std::unique_ptr<OutputFile> MemoryFileSystem::openForWrite(const std::string& path,
                                                           std::string& error)
{
    if (!openError.empty()) {
        error = openError;
        return nullptr;
    }
    return std::make_unique<MemoryOutput>(*this, path);
}

} // namespace dorvik::testing
