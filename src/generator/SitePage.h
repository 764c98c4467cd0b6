#pragma once

#include "generator/Menu.h"
#include "generator/MenuPage.h"
#include "generator/PageFile.h"

#include <QByteArray>
#include <QString>

// A page of the author's that holds the site's menu, put in where the author marked it, with
// its addresses written for the page's own folder.
namespace SitePage {

struct Insertion {
    QByteArray page; // the author's page with the menu in it; empty where it was refused
    QString error;   // why it was refused
};

// Pages and folders are named relative to the site's folder ("news/index.html").
//
// `siteMenu`, its addresses written for the site's folder, put into `authorsPage`, the site's
// page `page`: on lines of their own right after the line that holds only the marker, which
// stays, in the page's own line ends, its button that leads to the page marked. Every byte of the
// author's stays where it was. The menu's lines are ASCII, so they read alike in any encoding a
// page has. Refused where the page has no marker, holds a menu already, or is in an encoding Tessel
// does not read.
Insertion insert(const QByteArray& authorsPage, const Menu& siteMenu, const QString& page);

// The menu as the site's page `page` holds it: its addresses as the page's folder names them,
// each button marked that leads to the page. And back: as the site's folder names them.
Menu forPage(Menu menu, const QString& page);
Menu forSite(Menu menu, const QString& page);

// Where a menu goes into `page`: its marker's line (from 1); or, where it has none, the line
// after which Tessel proposes one: the line that opens its body, or else its last line.
struct Place {
    qsizetype line = 0;
    bool marked = false;
    QByteArray text; // that line's, trimmed, to name it by
};
Place placeFor(const QByteArray& page);

// `page` with the marker on a line of its own after line `line` (from 1), in the page's line
// ends.
QByteArray withMarker(const QByteArray& page, qsizetype line);

// Whether the page read as `reading` holds its menu where a marker put it.
bool atMarker(const PageReading& reading);

// The site's folder of a page in `pageFolder` that holds `pageMenu`: as many folders up as its
// addresses climb, since the site's menu names its own folder's files without climbing.
QString siteFolder(const Menu& pageMenu, const QString& pageFolder);

// The site's menu for every page under `folder` (its subfolders too) that holds it,
// `siteFolder` being the site's; the menu's own page `except` aside. Where `before` (the menu
// as it was before this change) is given, those are the pages that hold that menu, put in at a
// marker or written whole by Tessel, and a page that holds another is named and left out;
// else every page that holds a menu put in at its marker. A page whose menu was changed by
// hand, or that cannot be read, is named and left out.
struct Sync {
    QList<PageFile::Save> pages; // each with the menu written into it, where that changes it
    QStringList leftOut;         // "PATH: why"
    qsizetype inStep = 0;        // those whose menu is this one already
};
Sync sync(const Menu& siteMenu, const QString& siteFolder, const QString& folder,
          const QString& except, const Menu* before = nullptr);

} // namespace SitePage
