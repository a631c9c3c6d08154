// Reads and safe writes with the C library and POSIX alone, so that the
// batch checker starts fast and stays small.
#pragma once

#include "platform/file_system.h"

namespace dorvik::cli {

class PosixFileSystem : public FileSystem {
public:
    // Reads in one piece sized from the file, so the bytes are held once.
    ReadResult readAll(const std::string& path) override;
    // Writes go to a temporary file in the target's folder; commit() syncs
    // it and renames it over the target, so the target is either the old
    // file or the complete new one. The new file keeps an existing file's
    // permissions.
    std::unique_ptr<OutputFile> openForWrite(const std::string& path, std::string& error) override;

    // Whether the last readAll failed, and why.
    bool lastReadFailed() const { return lastReadFailed_; }
    const std::string& lastReadError() const { return lastReadError_; }

private:
    bool lastReadFailed_ = false;
    std::string lastReadError_;
};

} // namespace dorvik::cli
