#include "forms/Picture.h"

#include <QMovie>
#include <QPixmap>

Picture Picture::still(QImage image) {
    Picture picture;
    if (!image.isNull())
        picture.still_ = std::make_shared<const QImage>(std::move(image));
    return picture;
}

Picture Picture::animation(std::shared_ptr<QMovie> movie) {
    Picture picture;
    picture.movie_ = std::move(movie);
    return picture;
}

QImage Picture::currentFrame() const {
    if (still_)
        return *still_;
    if (movie_)
        return movie_->currentImage();
    return {};
}

QSize Picture::size() const {
    return currentFrame().size();
}
