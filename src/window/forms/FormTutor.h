#pragma once

#include <QWidget>

class QLabel;

// The tutor: light yellow, holding one wrapping label, beside the main window: a window of its
// own, or where the desktop places every window itself, a panel on the main window's right.
// Where it stands and what it says are set by the main window each time.
class FormTutor : public QWidget {
    Q_OBJECT
public:
    // A window of its own, or with a parent, a panel inside the parent.
    explicit FormTutor(QWidget* parent = nullptr);

    // Shows `text` in the label, in a smaller size if the default one would not fit: font
    // families differ in width, and a cut-off explanation helps nobody.
    void setText(const QString& text);

    QLabel* lblTutor = nullptr;

protected:
    void changeEvent(QEvent* event) override;
};
