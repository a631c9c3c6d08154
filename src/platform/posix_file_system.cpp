#include "platform/posix_file_system.h"

#include "platform/error_text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dorvik {

namespace {

// Why a file of this kind is neither read nor replaced, or 0 for a regular file.
int refusedKind(mode_t mode)
{
    if (S_ISREG(mode))
        return 0;
    return S_ISDIR(mode) ? EISDIR : kNotARegularFile;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

class TempOutput : public OutputFile {
public:
    TempOutput(int fd, std::string tempPath, std::string target)
        : fd_(fd), tempPath_(std::move(tempPath)), target_(std::move(target))
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
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            const int error = errno;
            ::unlink(tempPath_.c_str());
            error_ = describeSystemError(error);
            return false;
        }
        if (::rename(tempPath_.c_str(), target_.c_str()) != 0) {
            const int error = errno;
            ::unlink(tempPath_.c_str());
            error_ = describeSystemError(error);
            return false;
        }
        // Only a synced folder keeps the rename through a power cut: without
        // it the old list could come back after the new one was reported.
        const std::size_t slash = target_.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : target_.substr(0, slash + 1);
        if (const int error = syncFolder(folder))
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
            ::unlink(tempPath_.c_str());
            fd_ = -1;
        }
    }

    int fd_;
    std::string tempPath_;
    std::string target_;
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
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1))
                       + "." + name + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        error = describeSystemError(errno);
        return nullptr;
    }
    ::fchmod(fd, existing.value_or(newFileMode()));
    return std::make_unique<TempOutput>(fd, std::move(temp), path);
}

} // namespace dorvik
