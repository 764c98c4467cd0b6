#include "editor/PictureLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMovie>

namespace {

// The words of the reasons a picture is refused, in the user's language.
struct LoaderWords {
    Q_DECLARE_TR_FUNCTIONS(PictureLoader)
};

PictureLoader::Result refused(const QString& reason) {
    return {Picture(), reason};
}

// libjpeg fills a cut-off photo with grey and calls it a success; a whole JPEG ends its last
// scan with an end-of-image marker.
bool jpegIsWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const uchar* bytes = file.map(0, file.size());
    if (bytes == nullptr)
        return false;
    const QByteArrayView data(bytes, file.size());
    const qsizetype lastScan = data.lastIndexOf(QByteArrayView("\xFF\xDA"));
    const qsizetype end = data.lastIndexOf(QByteArrayView("\xFF\xD9"));
    return lastScan >= 0 && end > lastScan;
}

// Qt's BMP reader reports no size before decoding; the header says what it claims.
QSize bmpClaimedSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(26);
    if (header.size() < 26)
        return {};
    const auto int32At = [&](int at) {
        return qint32(quint32(uchar(header[at])) | quint32(uchar(header[at + 1])) << 8 |
                      quint32(uchar(header[at + 2])) << 16 | quint32(uchar(header[at + 3])) << 24);
    };
    if (int32At(14) == 12) // the old core header: 16-bit measures
        return {int(int32At(18) & 0xFFFF), int((int32At(18) >> 16) & 0xFFFF)};
    const qint64 width = int32At(18);
    const qint64 height = qAbs(qint64(int32At(22))); // negative for top-down rows
    return {int(qMin<qint64>(width, INT_MAX)), int(qMin<qint64>(height, INT_MAX))};
}

PictureLoader::Result loadAnimation(const QString& path, const QSize& shownSize) {
    auto movie = std::make_shared<QMovie>(path);
    movie->setScaledSize(shownSize);
    movie->setCacheMode(QMovie::CacheAll);
    if (!movie->isValid() || !movie->jumpToFrame(0))
        return refused(LoaderWords::tr("the animation cannot be read"));
    movie->start();
    return {Picture::animation(std::move(movie)), QString()};
}

} // namespace

PictureLoader::Result PictureLoader::load(const QString& path, const QSize& shownSize) {
    const QFileInfo info(path);
    if (!info.exists())
        return refused(LoaderWords::tr("the file does not exist"));
    if (!info.isFile())
        return refused(LoaderWords::tr("it is not a file"));
    if (info.size() == 0)
        return refused(LoaderWords::tr("the file is empty"));

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // What every browser shows; Qt reads more (TIFF, ICO ...), which a page could not use.
    static const QList<QByteArray> webFormats = {"bmp", "jpeg", "gif", "png", "webp"};
    const QByteArray format = reader.canRead() ? reader.format() : QByteArray();
    if (!webFormats.contains(format))
        return refused(reader.error() == QImageReader::FileNotFoundError
                           ? LoaderWords::tr("the file cannot be opened")
                           : LoaderWords::tr("it is not a BMP, JPEG, GIF, PNG or WebP picture"));
    const QSize size = format == "bmp" ? bmpClaimedSize(path) : reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        return refused(LoaderWords::tr("at %1 x %2 pixels it is too large to open safely")
                           .arg(size.width())
                           .arg(size.height()));
    if (format == "jpeg" && !jpegIsWhole(path))
        return refused(LoaderWords::tr("the picture is damaged or incomplete"));
    if (reader.supportsAnimation() && reader.imageCount() > 1)
        return loadAnimation(path, shownSize);

    // Decode no larger than the picture is shown; never enlarge a small one.
    if (size.isValid() && shownSize.isValid() &&
        (size.width() > shownSize.width() || size.height() > shownSize.height()))
        reader.setScaledSize(shownSize);
    QImage image = reader.read();
    if (image.isNull()) // a picture cut short reads as data that is not a picture's
        return refused(reader.error() == QImageReader::InvalidDataError
                           ? LoaderWords::tr("the picture is damaged or incomplete")
                           : reader.errorString());
    return {Picture::still(std::move(image)), QString()};
}
