// The screens' file system: safe writes through QSaveFile, reads through the
// shared POSIX reader, and a fingerprint (size and SHA-256) of every file
// read whole and of every file written.
#pragma once

#include "platform/posix_file_system.h"

namespace dorvik {

// Asks about names as the POSIX file system does.
class QtFileSystem : public PosixFileSystem {
public:
    ReadStatus readBlocks(const std::string& path, ByteSink& sink) override;
    std::unique_ptr<OutputFile> openForWrite(const std::string& path, std::string& error) override;
};

// The one process-wide instance used outside of tests.
FileSystem& applicationFileSystem();

} // namespace dorvik
