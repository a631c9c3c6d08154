// Reads and safe writes with the C library and POSIX alone, so that the
// batch checker starts fast and stays small.
#pragma once

#include "platform/file_system.h"

namespace dorvik::cli {

class PosixFileSystem : public FileSystem {
public:
    // Reads in one piece sized from the file, so the bytes are held once.
    ReadResult readAll(const std::string& path) override;
    // Reads through one block of 64 KiB, reused: a file of any size costs
    // no more memory than that.
    ReadStatus readBlocks(const std::string& path, ByteSink& sink) override;
    // Writes go to a temporary file in the target's folder; commit() renames
    // it over the target, so the target is either the old file or the
    // complete new one, whatever fails on the way. The new file keeps an
    // existing file's permissions.
    //
    // The only file written is the error list, which the next run recreates
    // from the report: it is not forced to the disk (no fsync), which would
    // cost more than the whole check. The rename over an existing file still
    // gives the old or the new list after a crash on the usual Linux file
    // systems, which flush the data of a file replaced this way first.
    std::unique_ptr<OutputFile> openForWrite(const std::string& path, std::string& error) override;

    // Whether the last readAll or readBlocks failed, and why.
    bool lastReadFailed() const { return lastReadFailed_; }
    const std::string& lastReadError() const { return lastReadError_; }

private:
    bool lastReadFailed_ = false;
    std::string lastReadError_;
};

} // namespace dorvik::cli
