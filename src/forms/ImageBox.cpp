#include "forms/ImageBox.h"

#include <QFileInfo>
#include <QMimeData>
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

void ImageBox::acceptFileDrops(std::function<bool()> open) {
    dropsOpen_ = std::move(open);
    setAcceptDrops(true);
}

QString ImageBox::droppedFile(const QDropEvent& event) const {
    const QList<QUrl> urls = event.mimeData()->urls();
    if (!dropsOpen_ || !dropsOpen_() || urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

void ImageBox::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(*event).isEmpty())
        event->acceptProposedAction();
}

void ImageBox::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(*event);
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    emit fileDropped(path);
}
