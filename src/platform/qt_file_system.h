// Safe file writes through QSaveFile, reads through the C library.
#pragma once

#include "platform/file_system.h"

namespace dorvik {

class QtFileSystem : public FileSystem {
public:
    ReadResult readAll(const std::string& path) override;
    std::unique_ptr<OutputFile> openForWrite(const std::string& path, std::string& error) override;
};

// The one process-wide instance used outside of tests.
FileSystem& applicationFileSystem();

} // namespace dorvik
