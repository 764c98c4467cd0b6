#pragma once

#include "forms/FileDrop.h"
#include "forms/MouseReport.h"
#include "forms/Picture.h"

#include <QFrame>
#include <QMetaObject>

#include <functional>

// An image control: shows its picture stretched to the box, inside a flat single-line border,
// and reports pointer moves and presses over itself (never to the panel beneath).
class ImageBox : public QFrame {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

    // Takes one dropped local file whenever `open` says so; anything else is refused.
    void acceptFileDrops(std::function<bool()> open);

signals:
    void mouseMoved(const MouseReport& report);
    void mousePressed(const MouseReport& report);
    void fileDropped(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    FileDrop drop_;
    Picture picture_;
    QMetaObject::Connection frameConnection_;
};
