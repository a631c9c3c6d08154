// Files held in memory, read in blocks, with failures to inject at each
// step of a read or a write.
#pragma once

#include "platform/error_text.h"
#include "platform/file_system.h"

#include <cerrno>

#include <cstddef>
#include <map>
#include <string>

namespace dorvik::testing {

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;

    // Reading: the bytes go in blocks of this size (0: one block); after
    // this many blocks (-1: never) the read fails with readError.
    std::size_t blockSize = 0;
    int failReadAfterBlocks = -1;
    std::string readError = describeSystemError(EIO);

    // Writing: the text is what the platform would say. A write fails (no
    // room on the disk) once the file would grow past writeRoom bytes.
    std::string openError;    // starting any write fails
    std::string readOnlyPath; // starting a write of this path fails
    std::string commitError;
    std::size_t writeRoom = std::string::npos;

    // A file's fingerprint is its bytes: equal exactly when the files are.
    ReadStatus readBlocks(const std::string& path, ByteSink& sink) override;
    std::unique_ptr<OutputFile> openForWrite(const std::string& path, std::string& error) override;
    bool exists(const std::string& path) override { return files.contains(path); }
};

} // namespace dorvik::testing
