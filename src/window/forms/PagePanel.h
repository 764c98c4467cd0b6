#pragma once

#include "forms/MouseReport.h"

#include <QFrame>

// One wizard page: an opaque, bordered panel. All five lie on one rectangle, so the one on
// top of the stacking order is the page the user sees. The layout fills it.
class PagePanel : public QFrame {
    Q_OBJECT
public:
    explicit PagePanel(QWidget* parent);

signals:
    // The pointer moved over the panel's own surface, outside every control on it.
    void surfaceMouseMoved(const MouseReport& report);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
