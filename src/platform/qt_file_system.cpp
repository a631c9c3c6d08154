#include "platform/qt_file_system.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace dorvik {

namespace {

// Makes the rename itself durable: a crash right after a save must not bring
// back the old file.
void syncFolder(const QString& filePath)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

class SaveFile : public OutputFile {
public:
    explicit SaveFile(const QString& path) : file_(path) {}

    bool open()
    {
        if (QFileInfo(file_.fileName()).isDir()) {
            error_ = std::strerror(EISDIR);
            return false;
        }
        if (!file_.open(QIODevice::WriteOnly)) {
            error_ = file_.errorString().toStdString();
            return false;
        }
        return true;
    }

    bool write(std::string_view bytes) override
    {
        if (file_.write(bytes.data(), static_cast<qint64>(bytes.size()))
            != static_cast<qint64>(bytes.size())) {
            error_ = file_.errorString().toStdString();
            file_.cancelWriting();
            return false;
        }
        return true;
    }

    bool commit() override
    {
        if (!file_.commit()) {
            error_ = file_.errorString().toStdString();
            return false;
        }
        syncFolder(file_.fileName());
        return true;
    }

    std::string errorString() const override { return error_; }

private:
    QSaveFile file_;
    std::string error_;
};

} // namespace

ReadResult QtFileSystem::readAll(const std::string& path)
{
    return readWholeFile(path);
}

std::unique_ptr<OutputFile> QtFileSystem::openForWrite(const std::string& path, std::string& error)
{
    auto file = std::make_unique<SaveFile>(QFile::decodeName(QByteArray::fromStdString(path)));
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
