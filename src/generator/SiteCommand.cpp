#include "generator/SiteCommand.h"

#include "generator/MenuPage.h"
#include "generator/PageFile.h"
#include "generator/SitePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

struct SiteCommandWords {
    Q_DECLARE_TR_FUNCTIONS(SiteCommand)
};

SiteCommand::Outcome refused(const QString& path, const QString& why) {
    return {{}, {QDir::toNativeSeparators(path) + QStringLiteral(": ") + why}, 1};
}

} // namespace

SiteCommand::Outcome SiteCommand::into(const QString& page, const QString& menuPage) {
    const PageReading reading = MenuPage::open(menuPage);
    if (!reading.error.isEmpty())
        return refused(menuPage, reading.error);
    const QString site = QFileInfo(menuPage).absolutePath();
    const QString inSite = QDir(site).relativeFilePath(QFileInfo(page).absoluteFilePath());
    if (inSite.startsWith(QLatin1String("..")))
        return refused(page, SiteCommandWords::tr("it is not in the site's folder %1")
                                 .arg(QDir::toNativeSeparators(site)));
    const PageFile::Loaded loaded = PageFile::load(page, MenuPage::maxBytes);
    if (!loaded.error.isEmpty())
        return refused(page, loaded.error);
    const SitePage::Insertion put = SitePage::insert(loaded.bytes, reading.menu, inSite);
    if (!put.error.isEmpty())
        return refused(page, put.error);
    if (const QString failure = PageFile::save(page, put.page); !failure.isEmpty())
        return refused(page, failure);
    return {{page}, {}, 0};
}

SiteCommand::Outcome SiteCommand::sync(const QString& menuPage, const QString& folder) {
    const PageReading reading = MenuPage::open(menuPage);
    if (!reading.error.isEmpty())
        return refused(menuPage, reading.error);
    const SitePage::Sync sync =
        SitePage::sync(reading.menu, QFileInfo(menuPage).absolutePath(), folder, menuPage);
    Outcome outcome;
    for (const QString& leftOut : sync.leftOut)
        outcome.said.append(SiteCommandWords::tr("%1; left as it was").arg(leftOut));
    if (sync.pages.isEmpty()) {
        outcome.said +=
            refused(folder, sync.inStep > 0
                                ? SiteCommandWords::tr("every page's menu is this one already")
                                : SiteCommandWords::tr("no page holds a menu put in at its marker"))
                .said;
        outcome.status = 1;
        return outcome;
    }
    const PageFile::Saved saved = PageFile::saveAll(sync.pages);
    for (qsizetype i = 0; i < saved.replaced; ++i)
        outcome.written.append(sync.pages[i].path);
    if (!saved.error.isEmpty())
        outcome.said.append(saved.replaced == 0
                                ? SiteCommandWords::tr("%1; no page was written").arg(saved.error)
                                : saved.error);
    outcome.status = saved.replaced == 0 ? 1 : saved.error.isEmpty() ? 0 : 1;
    return outcome;
}
