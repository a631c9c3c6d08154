#include "platform/qt_file_system.h"

#include "platform/error_text.h"
#include "platform/posix_file_system.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace dorvik {

namespace {

// QSaveFile's failures come in its words only: described by the
// permissions when they refuse the write, else by the system's number whose
// description the text holds (Qt words them by strerror), else in its own
// words after the program's.
std::string describeQtFailure(const std::string& path, const QString& text)
{
    if (const int refused = writeRefusal(path))
        return describeSystemError(refused);
    int matched = 0;
    qsizetype longest = 0;
    for (int error = 1; error < 256; ++error) {
        const QString system = QString::fromLocal8Bit(std::strerror(error));
        if (system.size() > longest && text.contains(system)) {
            matched = error;
            longest = system.size();
        }
    }
    return matched ? describeSystemError(matched) : describeOtherFailure(text.toStdString());
}

// The size and the SHA-256 of a file's bytes, fed a block at a time.
class Fingerprint {
public:
    void add(std::string_view bytes)
    {
        hash_.addData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        size_ += bytes.size();
    }
    std::string result() const
    {
        return std::to_string(size_) + ':' + hash_.result().toHex().toStdString();
    }

private:
    QCryptographicHash hash_{QCryptographicHash::Sha256};
    std::uint64_t size_ = 0;
};

class SaveFile : public OutputFile {
public:
    explicit SaveFile(const std::string& path)
        : path_(path), file_(QFile::decodeName(QByteArray::fromStdString(path)))
    {
    }

    // Refuses a folder or anything else that is not a regular file in the
    // file's place, as the batch checker's writer does, before QSaveFile
    // would replace it.
    bool open()
    {
        if (const int refused = replaceableTarget(path_)) {
            error_ = describeSystemError(refused);
            return false;
        }
        // Unbuffered: QSaveFile notices a failed write only when it happens
        // inside write(); a failure while flushing its buffer at commit would
        // go unseen and replace the file with a truncated one. QSaveFile's
        // own failures (here and in commit) come in its words: it keeps no
        // error number to describe them by.
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            error_ = describeQtFailure(path_, file_.errorString());
            return false;
        }
        return true;
    }

    bool write(std::string_view bytes) override
    {
        errno = 0;
        if (file_.write(bytes.data(), static_cast<qint64>(bytes.size()))
            != static_cast<qint64>(bytes.size())) {
            // After a short write Qt has no description of its own; the
            // system's is in errno from the call that stopped it.
            const int systemError = errno;
            error_ = systemError != 0 ? describeSystemError(systemError)
                                      : describeQtFailure(path_, file_.errorString());
            file_.cancelWriting();
            return false;
        }
        fingerprint_.add(bytes);
        return true;
    }

    bool commit() override
    {
        // QSaveFile ignores a failed sync; the data must be on the disk
        // before the rename makes it the report file.
        if (::fdatasync(file_.handle()) != 0) {
            error_ = describeSystemError(errno);
            file_.cancelWriting();
            file_.commit();
            return false;
        }
        if (!file_.commit()) {
            error_ = describeQtFailure(path_, file_.errorString());
            return false;
        }
        // Only a synced folder keeps the rename through a power cut. The
        // new file is in place, but not known to be on the disk: a failure.
        const QByteArray folder = QFile::encodeName(QFileInfo(file_.fileName()).absolutePath());
        if (const int error = syncFolder(folder.toStdString())) {
            error_ = describeSystemError(error);
            return false;
        }
        return true;
    }

    std::string errorString() const override { return error_; }
    std::string fingerprint() const override { return fingerprint_.result(); }

private:
    std::string path_;
    QSaveFile file_;
    std::string error_;
    Fingerprint fingerprint_;
};

// Hands the blocks on and adds each one to the fingerprint.
class FingerprintingSink : public ByteSink {
public:
    explicit FingerprintingSink(ByteSink& inner) : inner_(inner) {}
    void expectSize(std::uint64_t size) override { inner_.expectSize(size); }
    bool consume(std::string_view block) override
    {
        fingerprint_.add(block);
        whole_ = inner_.consume(block);
        return whole_;
    }
    // Empty unless every byte of the file went through.
    std::string result() const { return whole_ ? fingerprint_.result() : std::string(); }

private:
    ByteSink& inner_;
    Fingerprint fingerprint_;
    bool whole_ = true;
};

} // namespace

ReadStatus QtFileSystem::readBlocks(const std::string& path, ByteSink& sink)
{
    FingerprintingSink fingerprinting(sink);
    ReadStatus status = readFileBlocks(path, fingerprinting);
    if (status.ok)
        status.fingerprint = fingerprinting.result();
    return status;
}

std::unique_ptr<OutputFile> QtFileSystem::openForWrite(const std::string& path, std::string& error)
{
    auto file = std::make_unique<SaveFile>(path);
    if (!file->open()) {
        error = file->errorString();
        return nullptr;
    }
    return file;
}

FileSystem& applicationFileSystem()
{
    static QtFileSystem fs;
    return fs;
}

} // namespace dorvik
