#pragma once

#include <QImage>

#include <memory>

class QMovie;

// A picture as image controls hold it. Copies share the same picture, so handing an editor
// image's picture to the preview costs nothing and an animation plays in step in both.
class Picture {
public:
    Picture() = default;
    static Picture still(QImage image);
    static Picture animation(std::shared_ptr<QMovie> movie);

    bool isNull() const { return !still_ && !movie_; }
    QImage currentFrame() const;
    QMovie* movie() const { return movie_.get(); }
    QSize size() const;

    // Two pictures are the same when they share one loaded picture, not merely equal pixels.
    bool operator==(const Picture& other) const {
        return still_ == other.still_ && movie_ == other.movie_;
    }

private:
    std::shared_ptr<const QImage> still_;
    std::shared_ptr<QMovie> movie_;
};
