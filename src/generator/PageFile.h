#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

// Puts a page on disk whole or not at all: it is written beside the target under a temporary
// name and renamed over it only once every byte is known to be written.
namespace PageFile {

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
// The same for a page given as pieces, written one after another.
QString save(const QString& path, const std::vector<QByteArrayView>& pieces);

// A page to save among others.
struct Save {
    QString path;
    QByteArray bytes;
};

// Saves every page or none: each is written whole beside its file first, and only once all
// are on the disk is each renamed over its file, so that a crash leaves each page the old one
// or the new one. Says how many were replaced, and the first page that could not be and why
// ("PATH: reason"): where one could not be written, none was replaced.
struct Saved {
    qsizetype replaced = 0;
    QString error;
};
Saved saveAll(const QList<Save>& pages);

} // namespace PageFile
