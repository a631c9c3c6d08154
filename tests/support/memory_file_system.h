// Files held in memory, with failures to inject at each step of a write.
#pragma once

#include "platform/file_system.h"

#include <map>
#include <string>

namespace dorvik::testing {

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;

    // Failures to inject; the text is what the platform would say.
    std::string readError;   // reading any file fails after handing its bytes over
    std::string openError;   // starting a write fails
    std::string writeError;  // the first write fails
    std::string commitError; // the commit fails
    int commits = 0;

    // A file's fingerprint is its bytes: equal exactly when the files are.
    ReadStatus readBlocks(const std::string& path, ByteSink& sink) override;
    std::unique_ptr<OutputFile> openForWrite(const std::string& path, std::string& error) override;
};

} // namespace dorvik::testing
