// The small file interface the core reads and writes through. Writes are
// safe: the target is replaced only by a complete, synced file, so a failure
// at any step leaves the old file byte for byte as it was.
#pragma once

#include <cstdint>
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
    std::string error;  // the platform's description when !ok
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual ReadResult readAll(const std::string& path) = 0;
    // The same bytes handed over a block at a time, so that a large file is
    // never held whole; the blocks read before a failure have been handed
    // over. Unless a file system does better, the whole file is one block.
    virtual ReadStatus readBlocks(const std::string& path, ByteSink& sink)
    {
        ReadResult whole = readAll(path);
        sink.expectSize(whole.bytes.size());
        sink.consume(whole.bytes);
        return {whole.ok, std::move(whole.error)};
    }
    // Returns nullptr and sets error when the file cannot be started.
    virtual std::unique_ptr<OutputFile> openForWrite(const std::string& path,
                                                     std::string& error) = 0;
};

// Reads a whole file with the C library; the error is strerror's text.
ReadResult readWholeFile(const std::string& path);

} // namespace dorvik
