#pragma once

#include <QWidget>

class QLabel;

// The tutor: a light yellow top-level window of its own, beside the main window, holding one
// wrapping label. Where it stands and what it says are set by the main window each time.
class FormTutor : public QWidget {
    Q_OBJECT
public:
    FormTutor();

    // Shows `text` in the label, in a smaller size if the default one would not fit: font
    // families differ in width, and a cut-off explanation helps nobody.
    void setText(const QString& text);

    QLabel* lblTutor = nullptr;

protected:
    void changeEvent(QEvent* event) override;
};
