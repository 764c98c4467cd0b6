#include "forms/PagePanel.h"

#include <QMouseEvent>

PagePanel::PagePanel(const QColor& background, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void PagePanel::mouseMoveEvent(QMouseEvent* event) {
    // Qt hands a child's unwanted moves (a label's, say) up to the panel; only moves that
    // really are over the bare surface count as such.
    if (childAt(event->position().toPoint()) == nullptr)
        emit surfaceMouseMoved(MouseReport::from(*event));
    event->accept();
}
