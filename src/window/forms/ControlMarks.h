#pragma once

#include <QObject>

class QWidget;

// Draws over a control what some styles leave out, in a colour that stands out from the page
// under it: a focus frame while it has the keyboard focus (Fusion marks none on a panel, a
// scroll bar or a label, yet a keyboard user must see where the keys go), and an edge (a text
// box's faint frame on a grey page). Owned by the control, whose painting it finishes.
class ControlMarks : public QObject {
    Q_OBJECT
public:
    enum Mark { FocusFrame = 1, Edge = 2 };
    ControlMarks(QWidget* control, int marks);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const int marks_;
};
