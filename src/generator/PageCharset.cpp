#include "generator/PageCharset.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <array>

PageCharset::Charset PageCharset::charset() const {
    if (!charset_)
        charset_ = of(page_);
    return *charset_;
}

PageCharset::Charset PageCharset::of(QByteArrayView page) {
    if (page.startsWith("\xEF\xBB\xBF"))
        return Utf8;
    // A meta charset stands in the head, within its first kilobytes.
    const QByteArray head = page.first(qMin<qsizetype>(page.size(), 4096)).toByteArray().toLower();
    static const QRegularExpression meta(R"(<meta[^>]*charset\s*=\s*["']?\s*([a-z0-9_-]+))");
    const QRegularExpressionMatch said = meta.match(QString::fromLatin1(head));
    if (said.hasMatch())
        return said.captured(1) == "utf-8" || said.captured(1) == "utf8" ? Utf8 : Windows1252;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(page);
    return utf8.hasError() ? Windows1252 : Utf8;
}

namespace {

// The length of the UTF-8 sequence at `at` and its code point, or 0 where it is none: the
// shortest form only, and no surrogate.
int utf8Sequence(QByteArrayView bytes, qsizetype at, char32_t& c) {
    const uchar lead = uchar(bytes[at]);
    const int length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    c = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const uchar next = uchar(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    return c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? 0 : length;
}

} // namespace

QString PageCharset::decode(QByteArrayView bytes, Charset charset) {
    if (charset == Utf8) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
        // A byte that is no UTF-8 keeps itself, as an escape the writer puts back as that byte.
        text.clear();
        for (qsizetype at = 0; at < bytes.size();) {
            char32_t c = uchar(bytes[at]);
            const int length = c < 0x80 ? 1 : utf8Sequence(bytes, at, c);
            if (length == 0)
                text += QChar(char16_t(rawByteEscape + uchar(bytes[at])));
            else if (c > 0xFFFF)
                text += QString::fromUcs4(&c, 1);
            else
                text += QChar(char16_t(c));
            at += qMax(length, 1);
        }
        return text;
    }
    // Windows-1252 gives 0x80 to 0x9F printable characters; Latin-1 is the rest of it.
    static constexpr char16_t high[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* to = text.data();
    for (const char c : bytes) {
        const uchar byte = uchar(c);
        *to++ = QChar(byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte));
    }
    return text;
}

bool PageCharset::isUtf16(QByteArrayView page) {
    if (page.startsWith("\xFF\xFE") || page.startsWith("\xFE\xFF"))
        return true;
    std::array<qsizetype, 2> zeros = {};
    const qsizetype sample = qMin<qsizetype>(page.size(), 512) & ~qsizetype(1);
    for (qsizetype at = 0; at < sample; ++at)
        zeros[std::size_t(at % 2)] += page[at] == '\0';
    return sample > 0 && (qMax(zeros[0], zeros[1]) * 5 >= sample * 2) &&
           qMin(zeros[0], zeros[1]) * 20 < sample;
}

bool PageCharset::endsInCrAlone(QByteArrayView page) {
    return page.contains('\r') && !page.contains('\n');
}
