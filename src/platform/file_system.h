// The small file interface the core reads and writes through. Writes are
// safe: the target is replaced only by a complete, synced file, so a failure
// at any step leaves the old file byte for byte as it was.
#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
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
    // After a successful commit: the fingerprint of the bytes written (see
    // ReadStatus::fingerprint).
    virtual std::string fingerprint() const { return {}; }
};

// Takes a file's bytes in order, a block at a time.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // The file's size when it is known before the first block, so that room
    // can be made once.
    virtual void expectSize(std::uint64_t) {}
    // The next block; false stops the reading.
    virtual bool consume(std::string_view block) = 0;
};

struct ReadStatus {
    bool ok = true;
    bool missing = false;     // the file does not exist
    std::string error;        // the platform's description when !ok
    // The size and a strong hash of every byte handed over, when the whole
    // file was read and the file system keeps fingerprints (the screens'
    // does); empty otherwise. Equal fingerprints mean equal files.
    std::string fingerprint;
    std::optional<std::time_t> modified; // the file's modification time
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Hands the file's bytes to the sink a block at a time, so that a large
    // file is never held whole; the blocks read before a failure have been
    // handed over.
    virtual ReadStatus readBlocks(const std::string& path, ByteSink& sink) = 0;
    // Returns nullptr and sets error when the file cannot be started.
    virtual std::unique_ptr<OutputFile> openForWrite(const std::string& path,
                                                     std::string& error) = 0;
    // Whether anything (a file, a folder, ...) has this name.
    virtual bool exists(const std::string& path) = 0;
};

struct ReadResult {
    std::string bytes; // what was read, also before a failure
    ReadStatus status;
};

// The whole file in one piece, for files that are small or held whole anyway.
ReadResult readWhole(FileSystem& files, const std::string& path);

// Reads the file through, keeping none of its bytes: whether it can be read,
// and its fingerprint.
ReadStatus readThrough(FileSystem& files, const std::string& path);

// A failure of the platform's about a file, for the user: the file's path,
// then the description.
std::string namedFailure(std::string_view path, std::string_view description);

// Writes the bytes as the whole new contents of the file. Returns the
// platform's description of a failure, or nothing.
std::optional<std::string> writeWhole(FileSystem& files, const std::string& path,
                                      std::string_view bytes, std::string* fingerprint = nullptr);

} // namespace dorvik
