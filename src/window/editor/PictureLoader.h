#pragma once

#include "forms/Picture.h"

#include <QSize>
#include <QString>

// Reads a picture file for an image box of the given size: stills are decoded at about that
// size, so a large photo costs little; an animated GIF becomes a playing animation. Anything
// that is not a whole, readable picture is refused with a reason a user can act on.
namespace PictureLoader {

struct Result {
    Picture picture;
    QString error; // empty when the picture loaded
};

Result load(const QString& path, const QSize& shownSize);

// The most pixels a picture may claim: well above any camera's, well below what would
// exhaust memory while decoding.
constexpr qint64 maxPixels = 150'000'000;

} // namespace PictureLoader
