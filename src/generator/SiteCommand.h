#pragma once

#include <QString>
#include <QStringList>

// A site's menu from the command line, so that a build script keeps a site in step: the
// pages each command wrote, and what it says of the others, in the user's language.
namespace SiteCommand {

struct Outcome {
    QStringList written; // each page written, by the name it was given
    QStringList said;    // each page left as it was, or the command refused, and why
    int status = 0;      // not 0 where nothing was written
};

// The menu of `menuPage`, a page Tessel wrote in the site's folder, into `page` at its marker.
Outcome into(const QString& page, const QString& menuPage);

// That menu into every page under `folder` that holds a menu put in at its marker, all of them
// or none.
Outcome sync(const QString& menuPage, const QString& folder);

} // namespace SiteCommand
