// Reads and safe writes with the C library and POSIX alone: the batch
// checker's file system, and the one reader of both programs.
#pragma once

#include "platform/file_system.h"

#include <optional>
#include <sys/types.h>

namespace dorvik {

// Reads the file through one block of 64 KiB, reused: a file of any size
// costs no more memory than that. Keeps no fingerprint.
// Anything but a regular file is refused at once: a folder as the system
// describes it (EISDIR), anything else as kNotARegularFile. A FIFO never
// makes it wait.
ReadStatus readFileBlocks(const std::string& path, ByteSink& sink);

// Whether a write may replace what is at the path: 0 when nothing is there,
// or a regular file (its permissions then in *permissions); else why not
// (EISDIR, kNotARegularFile), for describeSystemError.
int replaceableTarget(const std::string& path, std::optional<mode_t>* permissions = nullptr);

// Why a write of the path may be refused by the permissions: kReadOnlyFile
// (the file is there and may not be written), kReadOnlyFolder (its folder
// may not be written, so it cannot be replaced safely), EROFS, or 0. For a
// failure a library reports by its own text alone.
int writeRefusal(const std::string& path);

// Syncs the folder, so that a rename in it outlasts a power cut. Returns 0,
// or the errno of the failure.
int syncFolder(const std::string& folder);

class PosixFileSystem : public FileSystem {
public:
    ReadStatus readBlocks(const std::string& path, ByteSink& sink) override;
    // Writes go to a temporary file in the target's folder, nameless where
    // the file system allows it (else named, and removed by SIGINT, SIGTERM
    // and SIGHUP); commit() syncs its data to the disk, renames it over the
    // target and syncs the folder, so the target is either the old file or
    // the complete new one, whatever fails on the way. A failed folder sync
    // fails the commit, though the new file is then in place. The new file
    // keeps an existing file's permissions; what is not a regular file is
    // never replaced.
    std::unique_ptr<OutputFile> openForWrite(const std::string& path, std::string& error) override;
    bool exists(const std::string& path) override;
};

} // namespace dorvik
