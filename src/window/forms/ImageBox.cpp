#include "forms/ImageBox.h"

#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

ImageBox::ImageBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setMouseTracking(true);
}

void ImageBox::setPicture(const Picture& picture) {
    if (picture == picture_)
        return;
    disconnect(frameConnection_);
    picture_ = picture;
    if (QMovie* movie = picture_.movie())
        frameConnection_ = connect(movie, &QMovie::frameChanged, this, [this] { update(); });
    update();
}

void ImageBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QImage frame = picture_.currentFrame();
    if (frame.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(contentsRect(), frame);
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved(MouseReport::from(*event));
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mousePressed(MouseReport::from(*event));
}
