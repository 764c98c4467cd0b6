#include "forms/LinkLabel.h"

#include "forms/AccessibleLink.h"
#include "forms/ControlMarks.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    new ControlMarks(this, ControlMarks::FocusFrame); // a keyboard user sees where Enter will act
    // Announced as a link; installing the same factory again changes nothing.
    QAccessible::installFactory(&AccessibleLink::forObject);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit activated();
    else
        QLabel::keyPressEvent(event);
}
