#include "forms/AltKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

AltKeys::AltKeys(QLineEdit* box) : QObject(box) {
    box->installEventFilter(this);
}

bool AltKeys::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    // AltGr, which types characters of its own, does not come as Alt here.
    return key->modifiers() & Qt::AltModifier && !(key->modifiers() & Qt::ControlModifier) &&
           !key->text().isEmpty();
}
