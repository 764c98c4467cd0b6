#pragma once

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>

// Picture files for tests: BMP and JPEG through Qt, GIF by hand (Qt reads GIF but cannot
// write it).
namespace PictureFiles {

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline bool writeImage(const QString& path, const QSize& size, const QColor& colour,
                       const char* format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, format);
}

// Solid-colour LZW data: the code table is cleared every two pixels so codes stay 3 bits.
inline QByteArray gifPixels(int width, int height) {
    QByteArray packed;
    quint32 acc = 0;
    int bits = 0;
    const auto put = [&](quint32 code) {
        acc |= code << bits;
        bits += 3;
        while (bits >= 8) {
            packed.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    for (int i = 0; i < width * height; i += 2) {
        put(4);
        put(0);
        if (i + 1 < width * height)
            put(0);
    }
    put(5);
    if (bits > 0)
        packed.append(char(acc & 0xFF));
    QByteArray blocks(1, char(2)); // LZW minimum code size
    for (qsizetype i = 0; i < packed.size(); i += 255) {
        const QByteArray part = packed.mid(i, 255);
        blocks.append(char(part.size())).append(part);
    }
    return blocks.append(char(0));
}

inline QByteArray le16(int value) {
    return QByteArray(1, char(value & 0xFF)) + QByteArray(1, char(value >> 8));
}

inline QByteArray colourEntry(const QColor& colour) {
    return QByteArray(1, char(colour.red())) + char(colour.green()) + char(colour.blue()) +
           QByteArray(3, '\0');
}

// One frame per colour; more than one makes a looping animation.
inline QByteArray gif(int width, int height, const QList<QColor>& frames) {
    QByteArray out = "GIF89a" + le16(width) + le16(height) + QByteArray("\x00\x00\x00", 3);
    if (frames.size() > 1)
        out += QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const QColor& colour : frames) {
        out += QByteArray("\x21\xF9\x04\x00", 4) + le16(5) + QByteArray("\x00\x00", 2);
        out += "\x2C" + le16(0) + le16(0) + le16(width) + le16(height) + char(0x80);
        out += colourEntry(colour) + gifPixels(width, height);
    }
    return out + "\x3B";
}

} // namespace PictureFiles
