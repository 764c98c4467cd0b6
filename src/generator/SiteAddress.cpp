#include "generator/SiteAddress.h"

#include <QStringList>
#include <QUrl>
#include <algorithm>

namespace {

// Whether `address` names a path relative to a folder: not an address of the web or of a
// scheme ("mailto:"), not one from the root or a server's ("/", "//"), not a part or a query
// of the page itself, and not nothing.
bool isRelativePath(const QString& address) {
    if (address.isEmpty() || address.front() == u'/' || address.front() == u'#' ||
        address.front() == u'?')
        return false;
    // A scheme: a letter, then letters, digits, '+', '-' or '.', up to a ':'.
    const auto inScheme = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'+' || c == u'-' || c == u'.';
    };
    qsizetype at = 0;
    while (at < address.size() && inScheme(address[at]))
        ++at;
    const bool letter = address.front().isLetter() && address.front().unicode() < 0x80;
    return !(letter && at < address.size() && address[at] == u':');
}

// Where the path of `address` ends and its query or part begins.
qsizetype pathEnd(const QString& address) {
    const auto end = std::find_if(address.begin(), address.end(),
                                  [](QChar c) { return c == u'?' || c == u'#'; });
    return end - address.begin();
}

// A relative path's folders and file, as a browser resolves them: "." gone, "x/.." gone, the
// ".." that climb above the folder it starts from kept; a path to a folder ends in "".
QStringList resolved(const QString& path) {
    const QStringList parts = path.split(u'/');
    QStringList kept;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const bool last = i + 1 == parts.size();
        if (part == u"..") {
            if (!kept.isEmpty() && kept.last() != u"..")
                kept.removeLast();
            else
                kept.append(part);
        } else if (part != u".") {
            kept.append(part);
            continue;
        }
        if (last) // "x/." and "x/.." name a folder
            kept.append(QString());
    }
    return kept;
}

// The page a path names: a folder and its index.html are one.
QStringList pageOf(QStringList path) {
    if (!path.isEmpty() && path.last() == u"index.html")
        path.last().clear();
    return path;
}

} // namespace

QString SiteAddress::fromPage(const QString& address, const QString& pageFolder) {
    if (!isRelativePath(address) || pageFolder.isEmpty())
        return address; // from the site's folder, as the author wrote it
    const qsizetype end = pathEnd(address);
    const QStringList target = resolved(address.first(end));
    QStringList folder = resolved(pageFolder);
    if (!folder.isEmpty() && folder.last().isEmpty())
        folder.removeLast();
    // The folders both share go; a "../" for each of the page's folders beyond them.
    qsizetype common = 0;
    while (common < folder.size() && common + 1 < target.size() &&
           target[common] == folder[common] && folder[common] != u"..")
        ++common;
    QStringList path(folder.size() - common, QStringLiteral(".."));
    path += target.mid(common);
    const QString joined = path.join(u'/');
    // Nothing left is the page's own folder; a path that would read as one from the root or
    // as a scheme starts from it too.
    return (isRelativePath(joined) ? QString() : QStringLiteral("./")) + joined +
           address.sliced(end);
}

QString SiteAddress::toSite(const QString& address, const QString& pageFolder) {
    if (!isRelativePath(address) || pageFolder.isEmpty())
        return address;
    const qsizetype end = pathEnd(address);
    QString folder = pageFolder;
    while (folder.endsWith(u'/'))
        folder.chop(1);
    const QString joined = resolved(folder + u'/' + address.first(end)).join(u'/');
    return (isRelativePath(joined) ? QString() : QStringLiteral("./")) + joined +
           address.sliced(end);
}

int SiteAddress::climbs(const QString& address) {
    if (!isRelativePath(address))
        return 0;
    const QStringList path = resolved(address.first(pathEnd(address)));
    return int(
        std::find_if(path.begin(), path.end(), [](const QString& part) { return part != u".."; }) -
        path.begin());
}

bool SiteAddress::leadsTo(const QString& link, const QString& page) {
    if (!isRelativePath(link) || pathEnd(link) == 0)
        return false;
    // A link may spell a character as the file system names it, or percent-encoded.
    const QStringList to =
        pageOf(resolved(QUrl::fromPercentEncoding(link.first(pathEnd(link)).toUtf8())));
    const QStringList at = pageOf(resolved(page));
    // A folder is named with its '/' or without: "shop" leads to shop/index.html.
    return to == at || (!to.isEmpty() && !to.last().isEmpty() && at.size() == to.size() + 1 &&
                        at.last().isEmpty() && at.first(to.size()) == to);
}
