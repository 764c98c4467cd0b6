#include "forms/PagePanel.h"

#include "forms/ControlMarks.h"

#include <QMouseEvent>

PagePanel::PagePanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    new ControlMarks(this, ControlMarks::FocusFrame);
    setMouseTracking(true);
}

void PagePanel::mouseMoveEvent(QMouseEvent* event) {
    // Qt hands a child's unwanted moves (a label's, say, while a button is held) up to the
    // panel; only moves that really are over the bare surface count as such.
    if (childAt(event->position().toPoint()) == nullptr)
        emit surfaceMouseMoved(MouseReport::from(*event));
    event->accept();
}
