#pragma once

#include <QString>

// A menu kept in every page of a site names its links and pictures once, for the site's own
// folder. Each page reaches them from its own folder, and marks the button that leads to
// itself. Folders and pages are named relative to the site's folder, with '/' between
// folders: "" is the site's folder itself, "shop/winter" one two folders down.
namespace SiteAddress {

// `address`, written for the site's folder, as a page in `pageFolder` reaches it: a path
// relative to the site's folder gets one "../" for each folder the page stands down, and loses
// what it has in common with the page's folder. An address that names no path relative to a
// folder (one of the web, "mailto:", "/from/the/root", "#part", "?query" or nothing) stays.
QString fromPage(const QString& address, const QString& pageFolder);

// The other way: `address` as a page in `pageFolder` names it, written for the site's folder.
// A path relative to the page's folder is resolved from the site's; any other stays.
QString toSite(const QString& address, const QString& pageFolder);

// How many folders up from the page's folder `address` climbs first ("../../a.gif": 2); 0 for
// any address that is not a path relative to a folder.
int climbs(const QString& address);

// Whether `link`, written for the site's folder, leads to the page `page`: the same file, its
// query and part aside, whatever "./" and "../" it takes on the way. A folder and the
// index.html in it are one page.
bool leadsTo(const QString& link, const QString& page);

} // namespace SiteAddress
