#include "generator/PageFile.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

QString PageFile::writeAll(QIODevice& device, const QByteArray& bytes) {
    // A short write means the disk is full or the device failed: the page is not whole.
    const qint64 written = device.write(bytes);
    if (written < 0 && !device.errorString().isEmpty())
        return device.errorString();
    if (written != bytes.size())
        return QStringLiteral("the page could not be written whole; the disk may be full");
    if (auto* file = qobject_cast<QFileDevice*>(&device); file && !file->flush())
        return file->errorString();
    return {};
}

namespace {

// A page written again keeps its mode, and its owner and group where the process may give
// them: root replacing another user's page leaves it theirs.
void keepModeAndOwner(const QString& path, int handle) {
    struct stat old {};
    if (::stat(QFile::encodeName(path).constData(), &old) != 0)
        return; // a new page
    ::fchmod(handle, old.st_mode & 07777);
    if (::fchown(handle, old.st_uid, old.st_gid) != 0)
        return; // not ours to give away: the page stays the process's own
}

} // namespace

QString PageFile::save(const QString& path, const QByteArray& bytes) {
    if (QFileInfo(path).isDir())
        return QStringLiteral("a folder of that name is in the way");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    keepModeAndOwner(path, file.handle());
    if (const QString failure = writeAll(file, bytes); !failure.isEmpty()) {
        file.cancelWriting(); // the temporary file goes with `file`; the target stays as it was
        return failure;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

PageFile::Loaded PageFile::load(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QStringLiteral("the file does not exist")};
    if (info.isDir())
        return {{}, QStringLiteral("it is a folder")};
    if (!info.isFile()) // a pipe or a device would block the wizard or never end
        return {{}, QStringLiteral("it is not a regular file")};
    if (info.size() > maxBytes)
        return {{}, QStringLiteral("at %1 bytes it is larger than any menu page").arg(info.size())};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) // it grew while being read
        return {{}, QStringLiteral("it is larger than any menu page")};
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {std::move(bytes), {}};
}
