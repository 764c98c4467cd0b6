#pragma once

#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <optional>

// How a page's own bytes are read as text: the one place that decides a page's encoding.
// Values Tessel writes are pure ASCII and need none; only characters an author typed by hand
// do, so the page is looked at once, when one is first met.
class PageCharset {
public:
    // The 8-bit encodings a page's own text may be in.
    enum Charset { Utf8, Windows1252 };

    explicit PageCharset(QByteArrayView page) : page_(page) {}
    // A charset known beforehand.
    explicit PageCharset(Charset charset) : charset_(charset) {}

    Charset charset() const;
    // ASCII reads alike in both: the page is looked at only for other bytes.
    QString decode(QByteArrayView bytes) const {
        const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0; });
        return ascii ? QString::fromLatin1(bytes) : decode(bytes, charset());
    }

    // UTF-8 where the page says so (a byte-order mark, a meta charset) or reads as UTF-8
    // throughout; else Windows-1252, which browsers read for Latin-1 too.
    static Charset of(QByteArrayView page);
    // A byte that is no UTF-8 in a UTF-8 page reads as the lone surrogate rawByteEscape + byte,
    // which the writer puts back as that byte: what cannot be read is kept, not replaced.
    static constexpr char16_t rawByteEscape = 0xDC00;
    static constexpr bool isRawByte(char16_t c) {
        return c >= rawByteEscape + 0x80 && c <= rawByteEscape + 0xFF;
    }
    static QString decode(QByteArrayView bytes, Charset charset);

    // The encodings and line ends Tessel does not read: UTF-16 text (a byte-order mark, or
    // ASCII with every other byte zero), and lines that end in CR alone.
    static bool isUtf16(QByteArrayView page);
    static bool endsInCrAlone(QByteArrayView page);

private:
    QByteArrayView page_;
    mutable std::optional<Charset> charset_;
};
