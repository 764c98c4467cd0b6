#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The page names its pictures without folders, so a browser looks for them in the page's own
// folder. This finds the chosen pictures that are not there and, on request, copies them.
namespace PicturePlaces {

enum class Place {
    Elsewhere, // not beside the page: copying puts it there
    InTheWay,  // a different file of that name is beside the page, and stays
    Clash,     // another chosen picture has the same name: neither can stand beside the page
    Missing,   // it is not where it was chosen from, nor anywhere to copy it from
    NotThere,  // the page names it where it looks, and it is not there: an opened page's
};

struct Picture {
    QString path; // where it is now
    Place place;
    QString name = {}; // as the page names it, relative to its folder; empty: the file's name
};

// The file a picture the page names as `name` is loaded from, relative to the page's folder;
// empty where it names none, or names an address: one of the web (http://, data:) or one from
// the site's root (/img/a.gif), which a web server resolves, not the disk.
QString fileNamed(const QString& name, const QString& pageFolder);

// Each chosen picture (repeats allowed; the place it comes with is found here) that the page
// will not find where it names it, once, in the order chosen. A file there with the same
// bytes is in place.
QList<Picture> plan(const QList<Picture>& chosen, const QString& pageFolder);

// The note that names them: where each is now, and why some cannot be copied; then, in one
// line, those the page names that are not beside it. At most ten of each, then how many
// more. Empty when all are in place.
QString note(const QList<Picture>& pictures, const QString& pageFolder);

// How many of `pictures` can be copied beside the page.
qsizetype copyable(const QList<Picture>& pictures);

// Copies each picture that is Elsewhere into `pageFolder` under its bare name, whole or not at
// all, never over a file that is there. The short report of what was copied and what was not.
QString copyBeside(const QList<Picture>& pictures, const QString& pageFolder);

} // namespace PicturePlaces
