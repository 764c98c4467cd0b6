#include "generator/PicturePlaces.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr qsizetype mostNamed = 10;
} // namespace

QString PicturePlaces::missingNote(const QStringList& chosen, const QString& pageFolder) {
    QStringList lines;
    QStringList seen;
    for (const QString& path : chosen) {
        const QFileInfo picture(path);
        const QFileInfo beside(QDir(pageFolder).filePath(picture.fileName()));
        // Compared as files: a folder reached through a link or a ".." is the same folder.
        const QString canonical = picture.canonicalFilePath();
        if (seen.contains(picture.absoluteFilePath()) ||
            (beside.exists() && !canonical.isEmpty() && beside.canonicalFilePath() == canonical))
            continue;
        seen.append(picture.absoluteFilePath());
        lines.append(
            QStringLiteral("%1, now in %2%3")
                .arg(picture.fileName(), QDir::toNativeSeparators(picture.absolutePath()),
                     beside.exists() ? " (a different file of that name is in the way)" : ""));
    }
    if (lines.isEmpty())
        return {};
    const qsizetype more = lines.size() - mostNamed;
    if (more > 0)
        lines = lines.mid(0, mostNamed) << QStringLiteral("and %1 more").arg(more);
    return QStringLiteral("The page looks for its pictures in its own folder,\n%1\n\n"
                          "Copy these pictures there:\n%2")
        .arg(QDir::toNativeSeparators(pageFolder), lines.join(QLatin1Char('\n')));
}
