#pragma once

#include <QLabel>

// A label that opens something: a click, or Enter while it has the focus, activates it. It
// keeps the label's own colour and font; the pointer becomes a hand over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
