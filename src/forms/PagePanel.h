#pragma once

#include "forms/FileDrop.h"
#include "forms/MouseReport.h"

#include <QFrame>

// One wizard page: an opaque, bordered panel. All five lie on one rectangle, so the one on
// top of the stacking order is the page the user sees.
class PagePanel : public QFrame {
    Q_OBJECT
public:
    PagePanel(const QColor& background, QWidget* parent);

    // Takes one dropped local file, on the page or any control on it, whenever `open` says so.
    void acceptFileDrops(std::function<bool()> open);

signals:
    // The pointer moved over the panel's own surface, outside every control on it.
    void surfaceMouseMoved(const MouseReport& report);
    void fileDropped(const QString& path);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    FileDrop drop_;
};
