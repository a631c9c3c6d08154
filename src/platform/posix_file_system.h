// Reads and safe writes with the C library and POSIX alone: the batch
// checker's file system, and the one reader of both programs.
#pragma once

#include "platform/file_system.h"

namespace dorvik {

// Reads the file through one block of 64 KiB, reused: a file of any size
// costs no more memory than that. Keeps no fingerprint.
ReadStatus readFileBlocks(const std::string& path, ByteSink& sink);

class PosixFileSystem : public FileSystem {
public:
    ReadStatus readBlocks(const std::string& path, ByteSink& sink) override;
    // Writes go to a temporary file in the target's folder; commit() syncs
    // its data to the disk and renames it over the target, so the target is
    // either the old file or the complete new one, whatever fails on the
    // way. The new file keeps an existing file's permissions.
    std::unique_ptr<OutputFile> openForWrite(const std::string& path, std::string& error) override;
    bool exists(const std::string& path) override;
};

} // namespace dorvik
