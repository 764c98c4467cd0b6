#include "forms/ControlMarks.h"

#include "forms/Style.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

ControlMarks::ControlMarks(QWidget* control, int marks) : QObject(control), marks_(marks) {
    control->installEventFilter(this);
}

bool ControlMarks::eventFilter(QObject* watched, QEvent* event) {
    auto* control = static_cast<QWidget*>(watched);
    const bool focusFrame = marks_ & FocusFrame && control->hasFocus();
    if (event->type() != QEvent::Paint || !(focusFrame || marks_ & Edge))
        return false;
    watched->event(event); // the control's own drawing first, the marks over it
    const QColor page = control->palette().color(QPalette::Window);
    QPainter painter(control);
    if (marks_ & Edge) {
        painter.setPen(Style::markOn(page, control->palette().color(QPalette::Mid)));
        painter.drawRect(control->rect().adjusted(0, 0, -1, -1));
    }
    if (focusFrame) {
        painter.setPen(QPen(Style::markOn(page, control->palette().color(QPalette::Highlight)), 2));
        painter.drawRect(control->rect().adjusted(2, 2, -3, -3));
    }
    return true;
}
