#pragma once

#include <QLocale>
#include <QTranslator>

// Tessel's own texts and Qt's (the file dialog, the standard buttons, the command line's) in
// the user's language, English where no translation matches. The system locale follows
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as Qt reads them.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale::system());

    // Puts both in front of the running application's texts; again for each new application.
    // They leave it as they go.
    void install();

private:
    QTranslator own_;
    QTranslator qt_;
};
