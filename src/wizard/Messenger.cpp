#include "wizard/Messenger.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

void BoxMessenger::warn(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

void BoxMessenger::inform(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, text);
}

void BoxMessenger::openPage(const QUrl& page) {
    QDesktopServices::openUrl(page);
}
