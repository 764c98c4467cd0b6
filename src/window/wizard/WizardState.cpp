#include "wizard/WizardState.h"

#include "generator/MenuPage.h"

#include <QFileInfo>

bool ButtonRecord::holdsAnything() const {
    return !imageFile[0].isEmpty() || !imageFile[1].isEmpty() || !link.isEmpty() ||
           !frame.isEmpty();
}

std::size_t WizardState::slot(qint16 kind) {
    if (kind != 0 && kind != 1)
        qFatal("sImageFile(%d) is not a picture a button stores", int(kind));
    return std::size_t(kind);
}

ButtonRecord& WizardState::record(qint16 button) {
    if (button < 1 || button > buttons_.size())
        qFatal("button %d is outside the menu", int(button));
    return buttons_[button - 1];
}

const ButtonRecord& WizardState::record(qint16 button) const {
    return const_cast<WizardState*>(this)->record(button);
}

void WizardState::setButtonCount(qint16 count) {
    buttons_ = QList<ButtonRecord>(count);
    iNumberOfButtons = count;
    iLastStep = qint16(count + 1);
}

bool WizardState::insertButton(qint16 at) {
    if (iNumberOfButtons >= maxButtons || at < 1 || at > iNumberOfButtons + 1)
        return false;
    buttons_.insert(at - 1, ButtonRecord());
    ++iNumberOfButtons;
    ++iLastStep;
    return true;
}

bool WizardState::removeButton(qint16 at) {
    if (iNumberOfButtons <= 1 || at < 1 || at > iNumberOfButtons)
        return false;
    buttons_.remove(at - 1);
    --iNumberOfButtons;
    --iLastStep;
    return true;
}

bool WizardState::moveButton(qint16 from, qint16 to) {
    if (from < 1 || to < 1 || from > iNumberOfButtons || to > iNumberOfButtons || from == to)
        return false;
    buttons_.move(from - 1, to - 1);
    return true;
}

Menu WizardState::menu() const {
    Menu menu;
    menu.iMenuType = iMenuType;
    menu.buttons.reserve(iNumberOfButtons);
    for (const ButtonRecord& button : buttons_)
        menu.buttons.append(
            {button.imageFile[0], button.imageFile[1], button.link, button.frame, button.ownLines});
    return menu;
}

void WizardState::wrote(const QString& path, const QByteArray& bytes, const Menu& menu) {
    ownPath = QFileInfo(path).absoluteFilePath();
    ownBytes = bytes;
    writtenMenu = menu;
}

Replacing WizardState::replacing(const QString& path, const QByteArray& bytes, const QString& error,
                                 bool readOnly) const {
    const bool own = ownPath == QFileInfo(path).absoluteFilePath();
    if (readOnly) // someone made it so, even where the process could write it anyway
        return {true, tr("It is read-only.")};
    if (own && error.isEmpty() && bytes == ownBytes)
        return {};
    const PageReading reading = MenuPage::read(bytes);
    const QString why =
        own                ? tr("It was changed since Tessel opened or wrote it.")
        : !error.isEmpty() ? tr("Tessel cannot read it: %1.").arg(error)
        : reading.refusal == Refusal::NotOurs ? tr("Tessel did not write it.")
        : reading.refusal != Refusal::None
            ? tr("Tessel cannot read it back as one of its pages: %1.").arg(reading.error)
        : MenuPage::text(reading.menu) == bytes
            ? tr("It is a Tessel page that holds another menu.")
            : tr("It is a Tessel page with its author's own HTML.");
    return {true, why};
}
