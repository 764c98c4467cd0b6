#include "wizard/Messenger.h"

#include "forms/Style.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

void BoxMessenger::warn(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, Style::breakable(text));
}

void BoxMessenger::inform(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, Style::breakable(text));
}

bool BoxMessenger::ask(QWidget* parent, const QString& title, const QString& text,
                       const QString& yes, const QString& no, bool yesIsDefault) {
    QMessageBox box(QMessageBox::Question, title, Style::breakable(text), QMessageBox::NoButton,
                    parent);
    QPushButton* accept = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(yesIsDefault ? accept : cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == accept;
}

void BoxMessenger::openPage(const QUrl& page) {
    QDesktopServices::openUrl(page);
}
