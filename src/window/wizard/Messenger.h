#pragma once

#include <QString>

class QUrl;
class QWidget;

// Where the wizard tells the user something and hands a page to the browser. Tests put a
// recorder here so that no modal message box ever waits for a click and no browser opens.
class Messenger {
public:
    virtual ~Messenger() = default;
    // Something went wrong.
    virtual void warn(QWidget* parent, const QString& title, const QString& text) = 0;
    // All went well, but the user has something to do.
    virtual void inform(QWidget* parent, const QString& title, const QString& text) = 0;
    // A choice between doing `yes` and not doing it (`no`); true for `yes`. Enter takes `yes`
    // only where `yesIsDefault`; Escape always takes `no`.
    virtual bool ask(QWidget* parent, const QString& title, const QString& text, const QString& yes,
                     const QString& no, bool yesIsDefault) = 0;
    // Opens a written page in the user's default browser.
    virtual void openPage(const QUrl& page) = 0;
};

// The real thing: modal message boxes and the desktop's browser.
class BoxMessenger : public Messenger {
public:
    void warn(QWidget* parent, const QString& title, const QString& text) override;
    void inform(QWidget* parent, const QString& title, const QString& text) override;
    bool ask(QWidget* parent, const QString& title, const QString& text, const QString& yes,
             const QString& no, bool yesIsDefault) override;
    void openPage(const QUrl& page) override;
};
