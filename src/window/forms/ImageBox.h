#pragma once

#include "forms/MouseReport.h"
#include "forms/Picture.h"

#include <QFrame>
#include <QMetaObject>

// An image control: shows its picture stretched to the box, inside a flat single-line border,
// and reports pointer moves and presses over itself (never to the panel beneath).
class ImageBox : public QFrame {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

signals:
    void mouseMoved(const MouseReport& report);
    void mousePressed(const MouseReport& report);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Picture picture_;
    QMetaObject::Connection frameConnection_;
};
