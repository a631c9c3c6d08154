#include "platform/posix_file_system.h"

#include "platform/error_text.h"
#include "platform/signal_cleanup.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace dorvik {

namespace {

// The longest name of a file a Linux file system takes, in bytes.
constexpr std::size_t kLongestName = 255;

// Why a file of this kind is neither read nor replaced, or 0 for a regular file.
int refusedKind(mode_t mode)
{
    if (S_ISREG(mode))
        return 0;
    return S_ISDIR(mode) ? EISDIR : kNotARegularFile;
}

// The target's folder ("" for the current one, else ending in '/') and name.
struct Place {
    std::string folder;
    std::string name;
};

Place placeOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {"", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

const char* folderPath(const Place& place)
{
    return place.folder.empty() ? "." : place.folder.c_str();
}

// Gives a temporary a free name beside the target, ".NAME.XXXXXX" with six
// characters that change from try to try: make(name) creates the file under
// that name and returns -1 with errno set when it cannot. The name's stem is
// cut so that the whole stays within kLongestName bytes. The name is watched
// from the moment it exists. Returns what make returned, -1 when no name
// was free or make failed otherwise.
template <typename Make>
int makeWithFreeName(const Place& place, std::string& temp, int& watch, Make make)
{
    static std::mt19937 random{std::random_device{}()};
    static constexpr char kCharacters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const std::string stem = place.name.substr(0, kLongestName - 8);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = place.folder + "." + stem + ".";
        for (int i = 0; i < 6; ++i)
            name += kCharacters[random() % (sizeof kCharacters - 1)];
        const CleanupSignalsHeld held;
        const int result = make(name);
        if (result >= 0) {
            temp = std::move(name);
            watch = watchTemporary(temp);
            return result;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

class TempOutput : public OutputFile {
public:
    // tempPath is empty while the file has no name (O_TMPFILE).
    TempOutput(int fd, Place place, std::string tempPath, int watch)
        : fd_(fd), place_(std::move(place)), tempPath_(std::move(tempPath)), watch_(watch)
    {
    }

    ~TempOutput() override { discard(); }

    bool write(std::string_view bytes) override
    {
        if (fd_ < 0)
            return false;
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return fail(errno);
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

    bool commit() override
    {
        if (fd_ < 0)
            return false;
        // The list must be whole on disk before it takes the old one's
        // name, or a power cut could leave an empty file in its place.
        if (::fdatasync(fd_) != 0)
            return fail(errno);
        // A link cannot replace a file: the nameless file gets a temporary
        // name first, and the rename puts it in the target's place at once.
        if (tempPath_.empty()) {
            const std::string self = "/proc/self/fd/" + std::to_string(fd_);
            if (makeWithFreeName(place_, tempPath_, watch_, [&](const std::string& name) {
                    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(),
                                    AT_SYMLINK_FOLLOW);
                }) < 0)
                return fail(errno);
        }
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            return fail(errno);
        {
            const CleanupSignalsHeld held;
            if (::rename(tempPath_.c_str(), (place_.folder + place_.name).c_str()) != 0)
                return fail(errno);
            forgetTemporary(watch_);
            tempPath_.clear();
        }
        // Only a synced folder keeps the rename through a power cut: without
        // it the old list could come back after the new one was reported.
        if (const int error = syncFolder(folderPath(place_)))
            return fail(error);
        return true;
    }

    std::string errorString() const override { return error_; }

private:
    bool fail(int error)
    {
        error_ = describeSystemError(error);
        discard();
        return false;
    }

    void discard()
    {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
        if (!tempPath_.empty()) {
            const CleanupSignalsHeld held;
            ::unlink(tempPath_.c_str());
            forgetTemporary(watch_);
            tempPath_.clear();
        }
    }

    int fd_;
    Place place_;
    std::string tempPath_;
    int watch_;
    std::string error_;
};

} // namespace

int replaceableTarget(const std::string& path, std::optional<mode_t>* permissions)
{
    struct stat existing{};
    if (::stat(path.c_str(), &existing) != 0)
        return 0;
    if (permissions)
        *permissions = existing.st_mode & 07777;
    return refusedKind(existing.st_mode);
}

int writeRefusal(const std::string& path)
{
    const Place place = placeOf(path);
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return errno == EROFS ? EROFS : kReadOnlyFile;
    if (::access(folderPath(place), W_OK) != 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        return errno == EROFS ? EROFS : kReadOnlyFolder;
    return 0;
}

int syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

ReadStatus readFileBlocks(const std::string& path, ByteSink& sink)
{
    ReadStatus status;
    const auto failed = [&](int error) {
        status.ok = false;
        status.missing = error == ENOENT;
        status.error = describeSystemError(error);
        return status;
    };

    // O_NONBLOCK: a FIFO opens at once instead of waiting for a writer; it
    // changes nothing for a regular file, the only kind read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return failed(errno);
    struct stat info{};
    const int refused = ::fstat(fd, &info) != 0 ? errno : refusedKind(info.st_mode);
    if (refused) {
        ::close(fd);
        return failed(refused);
    }
    status.modified = info.st_mtime;
    sink.expectSize(static_cast<std::uint64_t>(info.st_size));
    char block[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return failed(error);
        }
        if (!sink.consume(std::string_view(block, static_cast<std::size_t>(n))))
            break;
    }
    ::close(fd);
    return status;
}

ReadStatus PosixFileSystem::readBlocks(const std::string& path, ByteSink& sink)
{
    return readFileBlocks(path, sink);
}

bool PosixFileSystem::exists(const std::string& path)
{
    struct stat info{};
    return ::lstat(path.c_str(), &info) == 0;
}

std::unique_ptr<OutputFile> PosixFileSystem::openForWrite(const std::string& path,
                                                          std::string& error)
{
    std::optional<mode_t> existing;
    if (const int refused = replaceableTarget(path, &existing)) {
        error = describeSystemError(refused);
        return nullptr;
    }
    // A new file gets 0666 less the umask; an existing one keeps its
    // permissions, set again after the umask took its part.
    const mode_t mode = existing.value_or(0666);
    Place place = placeOf(path);
    // Nameless first: a file that has no name until it is complete leaves
    // nothing behind, whatever ends the program. It is linked in through
    // /proc, so without /proc it is named from the start, as it is where the
    // file system has no nameless files.
    std::string temp;
    int watch = -1;
    const bool nameless = ::access("/proc/self/fd", F_OK) == 0;
    int fd = nameless ? ::open(folderPath(place), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode) : -1;
    if (fd < 0 && (!nameless || errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        fd = makeWithFreeName(place, temp, watch, [&](const std::string& name) {
            return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        });
    }
    if (fd < 0) {
        error = describeSystemError(errno);
        return nullptr;
    }
    if (existing)
        ::fchmod(fd, mode);
    return std::make_unique<TempOutput>(fd, std::move(place), std::move(temp), watch);
}

} // namespace dorvik
