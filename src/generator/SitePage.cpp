#include "generator/SitePage.h"

#include "generator/MenuPage.h"
#include "generator/PageLayout.h"
#include "generator/PageSyntax.h"
#include "generator/SiteAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

namespace {

struct SitePageWords {
    Q_DECLARE_TR_FUNCTIONS(SitePage)
};

// Each address of the menu, as `convert` gives it for the folder of `page`.
Menu withAddresses(Menu menu, const QString& page,
                   QString (*convert)(const QString&, const QString&)) {
    const QString folder = page.section(u'/', 0, -2);
    for (MenuButton& button : menu.buttons)
        for (QString* address : {&button.normalImage, &button.overImage, &button.link})
            *address = convert(*address, folder);
    return menu;
}

// The first line of the page that holds the marker alone, and starts in the page's HTML text,
// outside any tag, comment or script; or -1.
qsizetype markerLine(QByteArrayView page, PageSyntax& syntax) {
    const QByteArrayView marker(PageLayout::menuMarker.data(),
                                qsizetype(PageLayout::menuMarker.size()));
    for (qsizetype line = 0; line < syntax.lines(); ++line)
        if (page.sliced(syntax.start(line), syntax.end(line) - syntax.start(line)).trimmed() ==
                marker &&
            syntax.settled(line) == PageSyntax::Html)
            return line;
    return -1;
}

// Marks each button of `page`'s menu whose link, in the site's menu `site`, leads to it.
void markOwnPage(Menu& page, const Menu& site, const QString& path) {
    for (qsizetype i = 0; i < page.buttons.size(); ++i)
        page.buttons[i].current = SiteAddress::leadsTo(site.buttons[i].link, path);
}

// The same buttons, whatever the title and language of the page that holds them.
bool sameMenu(Menu held, const Menu& other) {
    held.title = other.title;
    held.language = other.language;
    return held.sameValues(other);
}

// The line end a page's new last line takes: CR LF where the page has any, or no line at all.
QByteArray pageEol(const QByteArray& page) {
    return page.contains("\r\n") || !page.contains('\n') ? "\r\n" : "\n";
}

QString named(const QString& path, const QString& why) {
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
}

} // namespace

SitePage::Place SitePage::placeFor(const QByteArray& page) {
    PageSyntax marks(page);
    const auto text = [&](qsizetype line) {
        return page.sliced(marks.start(line), marks.end(line) - marks.start(line)).trimmed();
    };
    if (const qsizetype marker = markerLine(page, marks); marker >= 0)
        return {marker + 1, true, text(marker)};
    PageSyntax tags(page);
    for (qsizetype line = 0; line < tags.lines(); ++line)
        if (text(line).toLower().contains("<body") && tags.context(line) == PageSyntax::Html)
            return {line + 1, false, text(line)};
    const qsizetype last = marks.lines() - (marks.lines() > 1 && marks.isBlank(marks.lines() - 1));
    return {last, false, text(last - 1)};
}

QByteArray SitePage::withMarker(const QByteArray& page, qsizetype line) {
    const PageSyntax syntax(page);
    const qsizetype at = line < syntax.lines() ? syntax.next(line - 1) : page.size();
    QByteArray eol =
        page.sliced(syntax.end(line - 1), syntax.next(line - 1) - syntax.end(line - 1));
    const QByteArray marker(PageLayout::menuMarker.data(),
                            qsizetype(PageLayout::menuMarker.size()));
    if (eol.isEmpty()) // after a last line without an end: one first, the page's own
        return page + pageEol(page) + marker + pageEol(page);
    return page.first(at) + marker + eol + page.sliced(at);
}

bool SitePage::atMarker(const PageReading& reading) {
    if (reading.refusal != Refusal::None)
        return false;
    const QByteArray& page = reading.frame.bytes;
    PageSyntax syntax(page);
    const qsizetype marker = markerLine(page, syntax);
    return marker >= 0 && marker < syntax.lineAt(reading.frame.regions[PageLayout::Count].from());
}

QString SitePage::siteFolder(const Menu& pageMenu, const QString& pageFolder) {
    int up = 0;
    for (const MenuButton& button : pageMenu.buttons)
        for (const QString* address : {&button.normalImage, &button.overImage, &button.link})
            up = qMax(up, SiteAddress::climbs(*address));
    QDir folder(pageFolder);
    for (int i = 0; i < up; ++i)
        if (!folder.cdUp())
            break;
    return folder.absolutePath();
}

Menu SitePage::forPage(Menu menu, const QString& page) {
    Menu there = withAddresses(menu, page, SiteAddress::fromPage);
    markOwnPage(there, menu, page);
    return there;
}

Menu SitePage::forSite(Menu menu, const QString& page) {
    for (MenuButton& button : menu.buttons)
        button.current = false; // each page marks its own
    return withAddresses(std::move(menu), page, SiteAddress::toSite);
}

SitePage::Insertion SitePage::insert(const QByteArray& authorsPage, const Menu& siteMenu,
                                     const QString& page) {
    const PageReading held = MenuPage::read(authorsPage);
    if (held.refusal == Refusal::None)
        return {{}, SitePageWords::tr("it holds a menu already")};
    if (held.refusal != Refusal::NotOurs) // in an encoding not read, or a menu in pieces
        return {{}, held.error};
    PageSyntax syntax(authorsPage);
    const qsizetype line = markerLine(authorsPage, syntax);
    if (line < 0)
        return {{},
                SitePageWords::tr("it has no line %1 to mark where the menu goes")
                    .arg(QString::fromLatin1(PageLayout::menuMarker.data(),
                                             qsizetype(PageLayout::menuMarker.size())))};
    // The marker's own line end; after a marker on the last line, the page's first.
    QByteArray eol = authorsPage.sliced(syntax.end(line), syntax.next(line) - syntax.end(line));
    const bool lastWithoutEnd = eol.isEmpty();
    if (lastWithoutEnd)
        eol = pageEol(authorsPage);
    const Menu menu = forPage(siteMenu, page);
    QByteArray put = authorsPage.first(syntax.next(line));
    if (lastWithoutEnd)
        put += eol;
    put += MenuPage::insertedMenu(menu, eol);
    put += authorsPage.sliced(syntax.next(line));
    // Lines of the author's that would read as the menu's (a button's comment of their own
    // after the marker) would change it on the next opening: the page stays as it was.
    const PageReading again = MenuPage::read(put);
    if (!again.error.isEmpty() || again.changedLine != 0 || !sameMenu(again.menu, menu))
        return {{},
                SitePageWords::tr("the menu put into it would not read back as it is (%1)")
                    .arg(again.error.isEmpty() ? SitePageWords::tr("line %1").arg(again.changedLine)
                                               : again.error)};
    return {put, {}};
}

SitePage::Sync SitePage::sync(const Menu& siteMenu, const QString& siteFolder,
                              const QString& folder, const QString& except, const Menu* before) {
    QStringList paths;
    for (QDirIterator pages(folder, {"*.html", "*.htm"}, QDir::Files, QDirIterator::Subdirectories);
         pages.hasNext();)
        paths.append(pages.next());
    paths.sort(); // the same order on every run
    const QByteArray marker(PageLayout::menuMarker.data(),
                            qsizetype(PageLayout::menuMarker.size()));
    const QString skipped = QFileInfo(except).absoluteFilePath();
    Sync sync;
    QHash<QString, Menu> forFolder;
    for (const QString& path : paths) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (absolute == skipped)
            continue;
        const PageFile::Loaded loaded = PageFile::load(path, MenuPage::maxBytes);
        if (!loaded.error.isEmpty()) {
            sync.leftOut.append(named(path, loaded.error));
            continue;
        }
        // Without the menu as it was, only pages with a marker hold the site's menu: most pages
        // need no reading. With it, a page Tessel wrote whole that holds it is one of them too.
        if (!before && !loaded.bytes.contains(marker))
            continue;
        const PageReading reading = MenuPage::read(loaded.bytes);
        if (reading.refusal == Refusal::NotOurs)
            continue;
        if (reading.refusal != Refusal::None || (!before && !atMarker(reading))) {
            sync.leftOut.append(
                named(path, reading.refusal != Refusal::None
                                ? reading.error
                                : SitePageWords::tr("its menu is not put in at its marker")));
            continue;
        }
        const QString page = QDir(siteFolder).relativeFilePath(absolute);
        if (page.startsWith(QLatin1String(".."))) {
            sync.leftOut.append(named(path, SitePageWords::tr("it is not in the site's folder")));
            continue;
        }
        if (reading.changedLine != 0) {
            sync.leftOut.append(
                named(path, SitePageWords::tr("its menu was changed by hand at line %1")
                                .arg(reading.changedLine)));
            continue;
        }
        if (before && !sameMenu(forSite(reading.menu, page), *before)) {
            sync.leftOut.append(named(path, SitePageWords::tr("its menu is another one")));
            continue;
        }
        // A folder's pages name the menu's addresses alike: worked out once a folder.
        const QString pageFolder = page.section(u'/', 0, -2);
        if (!forFolder.contains(pageFolder))
            forFolder.insert(pageFolder,
                             withAddresses(siteMenu, pageFolder + u'/', SiteAddress::fromPage));
        Menu menu = forFolder[pageFolder];
        markOwnPage(menu, siteMenu, page);
        menu.form = reading.menu.form; // each page keeps its form
        QByteArray written = MenuPage::text(menu, reading.frame);
        if (written != loaded.bytes)
            sync.pages.append({path, std::move(written)});
        else
            ++sync.inStep;
    }
    return sync;
}
