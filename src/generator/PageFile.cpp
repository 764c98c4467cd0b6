#include "generator/PageFile.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

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

QString PageFile::save(const QString& path, const QByteArray& bytes, const Writer& writer) {
    if (QFileInfo(path).isDir())
        return QStringLiteral("a folder of that name is in the way");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (const QString failure = writer(file, bytes); !failure.isEmpty()) {
        file.cancelWriting(); // the temporary file goes with `file`; the target stays as it was
        return failure;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
