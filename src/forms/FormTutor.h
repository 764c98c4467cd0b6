#pragma once

#include <QWidget>

class QLabel;

// The tutor: a light yellow top-level window of its own, beside the main window, holding one
// wrapping label. Where it stands and what it says are set by the main window each time.
class FormTutor : public QWidget {
    Q_OBJECT
public:
    FormTutor();

    QLabel* lblTutor = nullptr;
};
