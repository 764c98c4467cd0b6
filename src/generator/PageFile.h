#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Puts a page on disk whole or not at all: it is written beside the target under a temporary
// name and renamed over it only once every byte is known to be written.
namespace PageFile {

// Writes every byte to `device` and flushes it; returns the reason on any shortfall.
QString writeAll(QIODevice& device, const QByteArray& bytes);

// A file read whole, or why it was not.
struct Loaded {
    QByteArray bytes;
    QString error; // empty when read
};

// Reads the regular file at `path` if it holds at most `maxBytes`; anything else (a folder, a
// pipe, a larger file) is refused before it is read.
Loaded load(const QString& path, qint64 maxBytes);

// Saves `bytes` as `path`, replacing an existing file. Returns the reason it could not, or an
// empty string. On failure no partial file is left and an existing file is untouched.
QString save(const QString& path, const QByteArray& bytes);

} // namespace PageFile
