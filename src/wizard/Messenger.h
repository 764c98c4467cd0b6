#pragma once

#include <QString>

class QWidget;

// Where the wizard tells the user that something went wrong. Tests put a recorder here so
// that no modal message box ever waits for a click.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual void warn(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The real thing: a modal warning box.
class BoxMessenger : public Messenger {
public:
    void warn(QWidget* parent, const QString& title, const QString& text) override;
};
