#pragma once

#include <QString>
#include <QStringList>

// The page names its pictures without folders, so a browser looks for them in the page's own
// folder. This finds the chosen pictures that are not there.
namespace PicturePlaces {

// The lines of a note that names each chosen picture (full paths, repeats allowed) whose bare
// name in `pageFolder` is not that very file, where it is now, and whether another file of that
// name stands in the way; at most ten, then how many more. Empty when all are in place.
QString missingNote(const QStringList& chosen, const QString& pageFolder);

} // namespace PicturePlaces
