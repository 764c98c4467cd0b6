#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale& locale) {
    // A language without a file of ours stays English, as the texts are written; English's own
    // file holds their plural forms.
    if (!own_.load(locale, "tessel", "_", ":/i18n")) {
        (void)own_.load("tessel_en", ":/i18n");
        return;
    }
    // Qt's words in the language ours were found in, the first of the user's list that Tessel
    // speaks, not one before it that only Qt does.
    (void)qt_.load(QLocale(own_.language()), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translations::install() {
    if (!own_.isEmpty())
        QCoreApplication::installTranslator(&own_);
    if (!qt_.isEmpty())
        QCoreApplication::installTranslator(&qt_);
}
