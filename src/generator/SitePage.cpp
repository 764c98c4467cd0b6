#include "generator/SitePage.h"

#include "generator/MenuPage.h"
#include "generator/PageLayout.h"
#include "generator/PageSyntax.h"
#include "generator/SiteAddress.h"

#include <QCoreApplication>

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

} // namespace

Menu SitePage::forPage(Menu menu, const QString& page) {
    for (MenuButton& button : menu.buttons)
        button.current = SiteAddress::leadsTo(button.link, page);
    return withAddresses(std::move(menu), page, SiteAddress::fromPage);
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
        eol = authorsPage.contains("\r\n") || !authorsPage.contains('\n') ? "\r\n" : "\n";
    Menu menu = forPage(siteMenu, page);
    menu.form = PageForm::Html5;
    QByteArray put = authorsPage.first(syntax.next(line));
    if (lastWithoutEnd)
        put += eol;
    put += MenuPage::insertedMenu(menu, eol);
    put += authorsPage.sliced(syntax.next(line));
    // Lines of the author's that would read as the menu's (a button's comment of their own
    // after the marker) would change it on the next opening: the page stays as it was.
    PageReading again = MenuPage::read(put);
    again.menu.title = menu.title; // a page of the author's has its own
    again.menu.language = menu.language;
    if (!again.error.isEmpty() || again.changedLine != 0 || !again.menu.sameValues(menu))
        return {{},
                SitePageWords::tr("the menu put into it would not read back as it is (%1)")
                    .arg(again.error.isEmpty() ? SitePageWords::tr("line %1").arg(again.changedLine)
                                               : again.error)};
    return {put, {}};
}
