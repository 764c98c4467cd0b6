#include "generator/PicturePlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace {

// The words of the note and the report, in the user's language.
struct PlacesWords {
    Q_DECLARE_TR_FUNCTIONS(PicturePlaces)
};

constexpr qsizetype mostNamed = 10;

// The same file, whatever way leads to it: a folder reached through a link or a ".." is the
// same folder. A picture that is gone is known by its path.
QString identity(const QFileInfo& file) {
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

bool sameBytes(const QString& a, const QString& b) {
    QFile first(a), second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) ||
        !second.open(QIODevice::ReadOnly))
        return false;
    while (!first.atEnd())
        if (first.read(1 << 16) != second.read(1 << 16))
            return false;
    return true;
}

QString folderOf(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

QString nameOf(const PicturePlaces::Picture& picture) {
    return picture.name.isEmpty() ? QFileInfo(picture.path).fileName() : picture.name;
}

// Copies one picture beside the page, through a temporary name, so that a failure leaves no
// part of it; empty, or why it was not copied.
QString copyOne(const QString& path, const QString& pageFolder) {
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return PlacesWords::tr("it cannot be read");
    const QString target = QDir(pageFolder).filePath(QFileInfo(path).fileName());
    QTemporaryFile copy(QDir(pageFolder).filePath(".tessel-XXXXXX"));
    if (!copy.open() || !copy.setPermissions(source.permissions()))
        return PlacesWords::tr("the page's folder cannot be written to");
    for (QByteArray block; !(block = source.read(1 << 16)).isEmpty();)
        if (copy.write(block) != block.size())
            break;
    if (source.error() != QFileDevice::NoError)
        return PlacesWords::tr("it cannot be read");
    if (!copy.flush() || copy.size() != source.size() || copy.error() != QFileDevice::NoError)
        return QStorageInfo(pageFolder).bytesAvailable() < source.size()
                   ? PlacesWords::tr("the disk is full")
                   : PlacesWords::tr("it cannot be written there (%1)").arg(copy.errorString());
    if (QFileInfo::exists(target))
        return PlacesWords::tr("a different file of that name is in the way");
    // Renamed, the copy is no longer temporary; a rename never goes over a file that came in
    // the meantime.
    copy.setAutoRemove(false);
    if (!copy.rename(target)) {
        copy.remove();
        return PlacesWords::tr("it cannot be written there (%1)").arg(copy.errorString());
    }
    return {};
}

} // namespace

QString PicturePlaces::fileNamed(const QString& name, const QString& pageFolder) {
    const bool address = name.contains(QLatin1String("://")) || name.startsWith(u'/') ||
                         name.startsWith(QLatin1String("data:"), Qt::CaseInsensitive);
    return name.isEmpty() || address ? QString() : QDir(pageFolder).filePath(name);
}

QList<PicturePlaces::Picture> PicturePlaces::plan(const QList<Picture>& chosen,
                                                  const QString& pageFolder) {
    // Pictures by name: two different files of one name cannot both stand beside the page.
    QHash<QString, QStringList> filesByName;
    QList<Picture> files;
    for (const Picture& picture : chosen) {
        QStringList& named = filesByName[nameOf(picture)];
        if (!named.contains(identity(QFileInfo(picture.path)))) {
            named.append(identity(QFileInfo(picture.path)));
            files.append(picture);
        }
    }
    QList<Picture> pictures;
    for (Picture picture : files) {
        const QFileInfo file(picture.path);
        const QFileInfo there(QDir(pageFolder).filePath(nameOf(picture)));
        const bool inPlace = there.exists() && (identity(there) == identity(file) ||
                                                sameBytes(picture.path, there.filePath()));
        picture.place = !file.exists() && identity(there) == identity(file) ? Place::NotThere
                        : !file.exists()                                    ? Place::Missing
                        : filesByName.value(nameOf(picture)).size() > 1     ? Place::Clash
                        : there.exists()                                    ? Place::InTheWay
                                                                            : Place::Elsewhere;
        if (!inPlace || picture.place == Place::Clash)
            pictures.append(picture);
    }
    return pictures;
}

QString PicturePlaces::note(const QList<Picture>& pictures, const QString& pageFolder) {
    QStringList lines, notThere;
    for (const Picture& picture : pictures) {
        static const char* const why[] = {
            "",
            QT_TRANSLATE_NOOP("PicturePlaces", " (a different file of that name is in the way)"),
            QT_TRANSLATE_NOOP(
                "PicturePlaces",
                " (another chosen picture has that name: rename one and choose it again)"),
            QT_TRANSLATE_NOOP("PicturePlaces",
                              " (it is gone from there: put it back, or choose it again)")};
        if (picture.place == Place::NotThere)
            notThere.append(nameOf(picture));
        else
            lines.append(PlacesWords::tr("%1, now in %2%3")
                             .arg(nameOf(picture), folderOf(picture.path),
                                  PlacesWords::tr(why[int(picture.place)])));
    }
    if (lines.isEmpty() && notThere.isEmpty())
        return {};
    QString note = PlacesWords::tr("The page looks for its pictures in its own folder,\n%1")
                       .arg(QDir::toNativeSeparators(pageFolder));
    if (const qsizetype more = lines.size() - mostNamed; more > 0)
        lines = lines.mid(0, mostNamed) << PlacesWords::tr("and %1 more").arg(more);
    if (!lines.isEmpty())
        note += PlacesWords::tr("\n\nCopy these pictures there:\n") + lines.join(QLatin1Char('\n'));
    if (!notThere.isEmpty()) {
        const qsizetype all = notThere.size();
        QString named = notThere.mid(0, mostNamed).join(QLatin1String(", "));
        if (all > mostNamed)
            named += PlacesWords::tr(" and %1 more").arg(all - mostNamed);
        note +=
            PlacesWords::tr("\n\nIt names %n picture(s) that are not there: ", nullptr, int(all)) +
            named;
    }
    return note;
}

qsizetype PicturePlaces::copyable(const QList<Picture>& pictures) {
    return std::count_if(pictures.begin(), pictures.end(),
                         [](const Picture& picture) { return picture.place == Place::Elsewhere; });
}

QString PicturePlaces::copyBeside(const QList<Picture>& pictures, const QString& pageFolder) {
    qsizetype copied = 0;
    QStringList notCopied;
    for (const Picture& picture : pictures) {
        const QString name = nameOf(picture);
        const QString why = picture.place == Place::InTheWay
                                ? PlacesWords::tr("a different file of that name is in the way")
                            : picture.place == Place::Clash
                                ? PlacesWords::tr("another chosen picture has that name")
                            : picture.place == Place::Missing || picture.place == Place::NotThere
                                ? PlacesWords::tr("it is gone")
                                : copyOne(picture.path, pageFolder);
        if (why.isEmpty())
            ++copied;
        else
            notCopied.append(QStringLiteral("%1: %2").arg(name, why));
    }
    QString report =
        PlacesWords::tr("%n picture(s) were copied beside the page.", nullptr, int(copied));
    if (!notCopied.isEmpty())
        report += PlacesWords::tr("\n\nNot copied:\n") + notCopied.join(QLatin1Char('\n'));
    return report;
}
