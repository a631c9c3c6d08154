// The small file interface the core reads and writes through. Writes are
// safe: the target is replaced only by a complete, synced file, so a failure
// at any step leaves the old file byte for byte as it was.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace dorvik {

// A file being written. Nothing reaches the target until commit() succeeds;
// destroying it without commit leaves the target untouched and no temporary
// file behind.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool write(std::string_view bytes) = 0;
    virtual bool commit() = 0;
    // The platform's description of the last failure.
    virtual std::string errorString() const = 0;
};

struct ReadResult {
    std::string bytes;  // what was read, also before a failure
    bool ok = true;
    std::string error;  // the platform's description when !ok
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual ReadResult readAll(const std::string& path) = 0;
    // Returns nullptr and sets error when the file cannot be started.
    virtual std::unique_ptr<OutputFile> openForWrite(const std::string& path,
                                                     std::string& error) = 0;
};

// Reads a whole file with the C library; the error is strerror's text.
ReadResult readWholeFile(const std::string& path);

} // namespace dorvik
