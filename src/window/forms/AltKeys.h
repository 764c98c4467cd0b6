#pragma once

#include <QObject>

class QLineEdit;

// Alt with a letter is a command in the wizard, never text: where no button takes it (its button
// is disabled, or there is none), a text box does not type the letter either.
class AltKeys : public QObject {
public:
    explicit AltKeys(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
