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
        // The frame's colour is chosen against the page, but the control may draw its own
        // colours under it (a dark scroll bar on a grey page): a black or white line inside
        // the frame stands out from whatever the frame itself does not.
        const QColor frame = Style::markOn(page, control->palette().color(QPalette::Highlight));
        painter.setPen(QPen(frame, 2));
        painter.drawRect(control->rect().adjusted(2, 2, -3, -3));
        painter.setPen(Style::markOn(frame, frame));
        painter.drawRect(control->rect().adjusted(4, 4, -5, -5));
    }
    return true;
}
