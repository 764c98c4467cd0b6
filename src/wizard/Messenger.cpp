#include "wizard/Messenger.h"

#include <QMessageBox>

void BoxMessenger::warn(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}
