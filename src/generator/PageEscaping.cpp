#include "generator/PageEscaping.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

bool isControl(char16_t c) {
    return c < 0x20 || c == 0x7F;
}

void appendHex2(PageBuffer& out, uint value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    char* to = out.reserve(2);
    to[0] = digits[(value >> 4) & 0xF];
    to[1] = digits[value & 0xF];
    out.wrote(2);
}

// Copies the run of characters from `i` on that `plain` keeps as they are, and moves past it:
// most of a page's text is such runs.
template <typename Plain>
void appendPlainRun(PageBuffer& out, const QString& text, qsizetype& i, const Plain& plain) {
    const char16_t* chars = reinterpret_cast<const char16_t*>(text.constData());
    char* const to = out.reserve(text.size() - i); // room for the rest, taken as far as it runs
    qsizetype end = i;
    for (; end < text.size() && plain(chars[end]); ++end)
        to[end - i] = char(chars[end]);
    out.wrote(end - i);
    i = end;
}

// The code point starting at `i`, advancing past it; a lone surrogate reads as U+FFFD.
char32_t nextCodePoint(const QString& text, qsizetype& i) {
    const QChar first = text.at(i++);
    if (first.isHighSurrogate() && i < text.size() && text.at(i).isLowSurrogate())
        return QChar::surrogateToUcs4(first, text.at(i++));
    return first.isSurrogate() ? char32_t(0xFFFD) : char32_t(first.unicode());
}

void appendPercentUtf8(PageBuffer& out, char32_t c) {
    uint bytes[4] = {};
    int count = 0;
    if (c < 0x800) {
        bytes[count++] = 0xC0 | (c >> 6);
    } else if (c < 0x10000) {
        bytes[count++] = 0xE0 | (c >> 12);
        bytes[count++] = 0x80 | ((c >> 6) & 0x3F);
    } else {
        bytes[count++] = 0xF0 | (c >> 18);
        bytes[count++] = 0x80 | ((c >> 12) & 0x3F);
        bytes[count++] = 0x80 | ((c >> 6) & 0x3F);
    }
    bytes[count++] = 0x80 | (c & 0x3F);
    for (int b = 0; b < count; ++b) {
        out.append('%');
        appendHex2(out, bytes[b]);
    }
}

void appendUtf16Escape(PageBuffer& out, char16_t unit) {
    out.append("\\u", 2);
    appendHex2(out, unit >> 8);
    appendHex2(out, unit & 0xFF);
}

void append(PageBuffer& out, std::string_view text) {
    out.append(text.data(), qsizetype(text.size()));
}

// Addresses and image names write non-ASCII as percent-encoded UTF-8, as a browser would send
// it; a frame name is no address, so it keeps its characters as script escapes. Inside an HTML
// attribute an address is written with character references instead of script escapes.
enum class Quoting { ScriptPercentUtf8, ScriptEscape, HtmlAttribute, HtmlText };

// An ASCII character that cannot stand for itself inside the quotes.
void appendEscaped(PageBuffer& out, char16_t c, Quoting quoting) {
    if (quoting == Quoting::HtmlAttribute || quoting == Quoting::HtmlText) {
        if (c == u'&') {
            append(out, "&amp;");
        } else if (c == u'"') {
            append(out, "&quot;");
        } else if (c == u'<') {
            append(out, "&lt;");
        } else if (c == u'>') {
            append(out, "&gt;");
        } else {
            const QByteArray number = QByteArray::number(int(c));
            out.append('&');
            out.append('#');
            out.append(number.constData(), number.size());
            out.append(';');
        }
    } else if (c == u'\\') {
        append(out, "\\\\");
    } else if (c == u'"') {
        append(out, "\\\"");
    } else if (c == u'<') { // keeps "</script>" in a value from ending the script
        append(out, "\\x3C");
    } else {
        append(out, "\\x");
        appendHex2(out, c);
    }
}

bool isPlainInScript(char16_t c) {
    return c >= 0x20 && c < 0x7F && c != u'\\' && c != u'"' && c != u'<';
}

bool isPlainInAttribute(char16_t c) {
    return c >= 0x20 && c < 0x7F && c != u'&' && c != u'"';
}

bool isPlainInHtmlText(char16_t c) {
    return isPlainInAttribute(c) && c != u'<' && c != u'>';
}

// A character as a hexadecimal reference.
void appendCharacterReference(PageBuffer& out, char32_t c) {
    const QByteArray hex = QByteArray::number(uint(c), 16).toUpper();
    append(out, "&#x");
    out.append(hex.constData(), hex.size());
    out.append(';');
}

void appendQuoted(PageBuffer& out, const QString& text, Quoting quoting) {
    for (qsizetype i = 0; i < text.size();) {
        if (quoting == Quoting::HtmlAttribute)
            appendPlainRun(out, text, i, [](char16_t c) { return isPlainInAttribute(c); });
        else if (quoting == Quoting::HtmlText)
            appendPlainRun(out, text, i, [](char16_t c) { return isPlainInHtmlText(c); });
        else
            appendPlainRun(out, text, i, [](char16_t c) { return isPlainInScript(c); });
        if (i == text.size())
            break;
        const char16_t c = text.at(i).unicode();
        if (PageCharset::isRawByte(c)) {
            out.append(char(c - PageCharset::rawByteEscape)); // a byte read as it stood
            ++i;
            continue;
        }
        if (c <= 0x7F)
            appendEscaped(out, text.at(i++).unicode(), quoting);
        else if (quoting == Quoting::ScriptEscape)
            appendUtf16Escape(out, text.at(i++).unicode());
        else if (quoting == Quoting::HtmlText)
            appendCharacterReference(out, nextCodePoint(text, i));
        else
            appendPercentUtf8(out, nextCodePoint(text, i));
    }
}

// The names a browser's window already carries, from the list beside the library's sources:
// parent.top would move the whole window, parent.print is a function, parent.name a string.
const QSet<QString>& windowNames() {
    static const QSet<QString> names = [] {
        QFile list(":/generator/window-names.txt");
        QSet<QString> all;
        if (list.open(QIODevice::ReadOnly))
            for (const QByteArray& line : list.readAll().split('\n'))
                if (!line.isEmpty() && !line.startsWith('#'))
                    all.insert(QString::fromLatin1(line));
        return all;
    }();
    return names;
}

bool isTakenName(const QString& frame) {
    static const QSet<QString> keywords = {"_top", "_parent", "_self", "_blank"};
    return windowNames().contains(frame) ||
           (frame.startsWith(u'_') && keywords.contains(frame.toLower()));
}

} // namespace

void PageEscaping::appendPercentEncoded(PageBuffer& out, const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        appendPlainRun(out, text, i, [](char16_t c) { return c <= 0x7F; });
        if (i < text.size())
            appendPercentUtf8(out, nextCodePoint(text, i));
    }
}

void PageEscaping::appendScriptString(PageBuffer& out, const QString& addressOrName) {
    appendQuoted(out, addressOrName, Quoting::ScriptPercentUtf8);
}

void PageEscaping::appendHtmlAttribute(PageBuffer& out, const QString& address) {
    appendQuoted(out, address, Quoting::HtmlAttribute);
}

void PageEscaping::appendHtmlText(PageBuffer& out, const QString& text) {
    appendQuoted(out, text, Quoting::HtmlText);
}

void PageEscaping::appendTarget(PageBuffer& out, const QString& frame) {
    if (frame.isEmpty())
        append(out, parentTarget);
    else
        appendHtmlText(out, frame);
}

bool PageEscaping::isPlainFrameName(const QString& frame) {
    if (frame.isEmpty() || frame.at(0).isDigit())
        return false;
    for (const QChar ch : frame) {
        const bool plain = (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') ||
                           (ch >= u'0' && ch <= u'9') || ch == u'_' || ch == u'$';
        if (!plain)
            return false;
    }
    return !isTakenName(frame);
}

void PageEscaping::appendLinkStatement(PageBuffer& out, const QString& frame, const QString& link) {
    using namespace LinkStatement;
    if (!frame.isEmpty() && !isPlainFrameName(frame)) {
        // The browser's own rule for a link's target: keywords do what they say, any other
        // name finds the frame of that name or opens a new window.
        append(out, openStart);
        appendScriptString(out, link);
        append(out, openBetween);
        appendQuoted(out, frame, Quoting::ScriptEscape);
        append(out, openEnd);
        return;
    }
    append(out, parentStart);
    appendPercentEncoded(out, frame); // plain ASCII, so copied as it is
    append(out, frame.isEmpty() ? locationIs.substr(1) : locationIs);
    appendScriptString(out, link);
    append(out, end);
}

// ---- reading back

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The value of `count` hex digits at `at`, or -1; `upper` turns false for lower-case digits,
// which the page never holds.
int hexAt(QByteArrayView bytes, qsizetype at, int count, bool& upper) {
    if (at + count > bytes.size())
        return -1;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const int digit = hexDigit(bytes[at + i]);
        if (digit < 0)
            return -1;
        upper = upper && !(bytes[at + i] >= 'a' && bytes[at + i] <= 'f');
        value = value * 16 + digit;
    }
    return value;
}

void appendCharacter(QString& text, char32_t c) {
    if (c > 0xFFFF)
        text += QString::fromUcs4(&c, 1);
    else
        text += QChar(char16_t(c));
}

// A run of %XX at `at` that is the UTF-8 of one non-ASCII character, as appendPercentUtf8
// writes it; its length in bytes, or 0. A typed "%C3%A9" and a typed "é" give the same bytes,
// and either spelling writes them back; the character is read, since a picture named so on
// disk is found by that name.
qsizetype percentCharacter(QByteArrayView bytes, qsizetype at, char32_t& c) {
    bool upper = true;
    const int lead = hexAt(bytes, at + 1, 2, upper);
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || !upper || lead > 0xF4)
        return 0;
    c = char32_t(lead & (0x7F >> length));
    for (int i = 1; i < length; ++i) {
        const qsizetype next = at + 3 * i;
        const int cont =
            next < bytes.size() && bytes[next] == '%' ? hexAt(bytes, next + 1, 2, upper) : -1;
        if (cont < 0 || !upper || (cont & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | char32_t(cont & 0x3F);
    }
    // Only what the writer gives: the shortest form, and no surrogate on its own.
    static constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return 3 * length;
}

// What a byte of a quoted value may be, to the ways of quoting: the quote that closes it, one no
// way writes as it is, an angle bracket ('<' too), or one that may start an escape.
namespace ValueByte {
enum : quint8 {
    Quote = 1,
    Unprintable = 2,
    LessThan = 4,
    Angle = 8,
    Ampersand = 16,
    Percent = 32,
    Backslash = 64,
};
}

struct QuotedValue {
    QByteArrayView bytes; // up to the closing quote
    quint8 seen;          // what its bytes are, together
    bool closed;
};

// A value from `at` up to its closing quote, read in one pass: values are short, and many.
QuotedValue quotedValue(QByteArrayView bytes, qsizetype at) {
    using namespace ValueByte;
    static constexpr auto kinds = [] {
        std::array<quint8, 256> table = {};
        for (std::size_t c = 0; c < table.size(); ++c)
            table[c] = quint8((c == '"' ? Quote : 0) | (c < 0x20 || c >= 0x7F ? Unprintable : 0) |
                              (c == '<' ? LessThan | Angle : 0) | (c == '>' ? Angle : 0) |
                              (c == '&' ? Ampersand : 0) | (c == '%' ? Percent : 0) |
                              (c == '\\' ? Backslash : 0));
        return table;
    }();
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    quint8 seen = 0;
    qsizetype end = at;
    for (; end < bytes.size() && !(kinds[data[end]] & Quote); ++end)
        seen |= kinds[data[end]];
    return {bytes.sliced(at, end - at), seen, end < bytes.size()};
}

// The script literal up to its closing quote. Non-ASCII arrives percent-encoded (addresses
// and names) or as \uXXXX escapes (frame names).
bool readScriptLiteral(QByteArrayView bytes, qsizetype& at, QString& text, Quoting quoting,
                       const PageCharset& charset, bool& exact) {
    // Most values hold nothing escaped: up to the quote at once.
    if (const QuotedValue value = quotedValue(bytes, at);
        value.closed && !(value.seen & (ValueByte::Backslash | ValueByte::Percent))) {
        const bool plain = !(value.seen & (ValueByte::Unprintable | ValueByte::LessThan));
        exact = exact && plain;
        text = plain ? QString::fromLatin1(value.bytes) : charset.decode(value.bytes);
        at += value.bytes.size();
        return true;
    }
    text.clear();
    for (qsizetype i = at; i < bytes.size();) {
        const char c = bytes[i];
        if (c == '"') {
            at = i;
            return true;
        }
        if (c == '%' && quoting == Quoting::ScriptPercentUtf8) {
            char32_t character = 0;
            if (const qsizetype length = percentCharacter(bytes, i, character)) {
                appendCharacter(text, character);
                i += length;
                continue;
            }
        }
        if (c != '\\') {
            // A run of characters that stand for themselves (a '%' that starts no character
            // among them), taken at once.
            qsizetype end = i + 1;
            while (end < bytes.size() && bytes[end] != '"' && bytes[end] != '\\' &&
                   bytes[end] != '%')
                ++end;
            for (qsizetype k = i; k < end; ++k)
                exact = exact && bytes[k] != '<' && bytes[k] >= 0x20 && bytes[k] < 0x7F;
            text.append(charset.decode(bytes.sliced(i, end - i)));
            i = end;
            continue;
        }
        if (i + 1 >= bytes.size())
            return false;
        const char kind = bytes[i + 1];
        bool upper = true;
        if (kind == '\\' || kind == '"') {
            text += QLatin1Char(kind);
            i += 2;
        } else if (kind == 'x' && hexAt(bytes, i + 2, 2, upper) >= 0) {
            const char16_t unit = char16_t(hexAt(bytes, i + 2, 2, upper));
            exact = exact && upper && (unit == u'<' || isControl(unit));
            text += QChar(unit);
            i += 4;
        } else if (kind == 'u' && hexAt(bytes, i + 2, 4, upper) >= 0) {
            const char16_t unit = char16_t(hexAt(bytes, i + 2, 4, upper));
            exact = exact && upper && unit > 0x7F && quoting == Quoting::ScriptEscape;
            text += QChar(unit);
            i += 6;
        } else {
            return false; // an escape the page never holds
        }
    }
    return false; // no closing quote
}

QByteArrayView view(std::string_view text) {
    return {text.data(), qsizetype(text.size())};
}

bool take(QByteArrayView bytes, qsizetype& at, QByteArrayView expected) {
    if (!bytes.sliced(at).startsWith(expected))
        return false;
    at += expected.size();
    return true;
}

} // namespace

bool PageEscaping::readScriptString(QByteArrayView bytes, qsizetype& at, QString& text,
                                    const PageCharset& charset, bool& exact) {
    return readScriptLiteral(bytes, at, text, Quoting::ScriptPercentUtf8, charset, exact);
}

bool PageEscaping::readLinkStatement(QByteArrayView bytes, qsizetype& at, QString& frame,
                                     QString& link, const PageCharset& charset, bool& exact) {
    using namespace LinkStatement;
    frame.clear();
    if (take(bytes, at, view(openStart))) {
        if (!readScriptString(bytes, at, link, charset, exact) ||
            !take(bytes, at, view(openBetween)) ||
            !readScriptLiteral(bytes, at, frame, Quoting::ScriptEscape, charset, exact) ||
            !take(bytes, at, view(openEnd)))
            return false;
        exact = exact && !frame.isEmpty() && !isPlainFrameName(frame);
        return true;
    }
    if (!take(bytes, at, view(parentStart)))
        return false;
    if (!take(bytes, at, view(locationIs.substr(1)))) { // a frame's name stands before it
        const qsizetype dot = bytes.sliced(at).indexOf(view(locationIs));
        // A script reads the name between the dots as a name: nothing in it may start a
        // string or a comment.
        const auto inName = [](char c) {
            return uchar(c) >= 0x80 || c == '_' || c == '$' || (c >= '0' && c <= '9') ||
                   (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        };
        const QByteArrayView name = bytes.sliced(at, qMax<qsizetype>(dot, 0));
        if (dot <= 0 || !std::all_of(name.begin(), name.end(), inName))
            return false;
        frame = charset.decode(bytes.sliced(at, dot));
        exact = exact && isPlainFrameName(frame);
        at += dot + qsizetype(locationIs.size());
    }
    return readScriptString(bytes, at, link, charset, exact) && take(bytes, at, view(end));
}

qsizetype PageEscaping::htmlAttributeEnd(QByteArrayView bytes, qsizetype at) {
    return bytes.indexOf('"', at);
}

namespace {

// The character a reference at `at` (its '&') stands for, and how long it is; 0 where it is
// none that a page of Tessel's holds or an author would type: the five named ones and numbers,
// &#0; among them, which Tessel writes for a NUL.
qsizetype characterReference(QByteArrayView bytes, qsizetype at, char32_t& c) {
    static constexpr std::pair<std::string_view, char16_t> named[] = {
        {"&amp;", u'&'}, {"&quot;", u'"'}, {"&lt;", u'<'}, {"&gt;", u'>'}, {"&apos;", u'\''}};
    const QByteArrayView rest = bytes.sliced(at);
    for (const auto& [name, character] : named)
        if (rest.startsWith(view(name))) {
            c = character;
            return qsizetype(name.size());
        }
    if (!rest.startsWith("&#"))
        return 0;
    const bool hex = rest.size() > 2 && (rest[2] == 'x' || rest[2] == 'X');
    qsizetype i = hex ? 3 : 2;
    char32_t value = 0;
    for (; i < rest.size() && i < 12; ++i) {
        const int digit = hex                                ? hexDigit(rest[i])
                          : rest[i] >= '0' && rest[i] <= '9' ? rest[i] - '0'
                                                             : -1;
        if (digit < 0)
            break;
        value = value * (hex ? 16 : 10) + char32_t(digit);
    }
    const bool digits = i > (hex ? 3 : 2);
    if (!digits || i >= rest.size() || rest[i] != ';' || value > 0x10FFFF ||
        (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    c = value;
    return i + 1;
}

// An attribute's value up to its closing quote; exact where writing what was read gives the
// same bytes.
bool readHtmlValue(QByteArrayView bytes, qsizetype& at, QString& text, Quoting quoting,
                   const PageCharset& charset, bool& exact) {
    // Most values hold nothing escaped: read in one pass to their quote, at once, and exact
    // where every byte is one the writer keeps as it is.
    const QuotedValue value = quotedValue(bytes, at);
    if (!value.closed)
        return false;
    const qsizetype end = at + value.bytes.size();
    if (!(value.seen & (ValueByte::Ampersand | ValueByte::Percent))) {
        const bool plain = !(value.seen & (quoting == Quoting::HtmlAttribute
                                               ? ValueByte::Unprintable
                                               : ValueByte::Unprintable | ValueByte::Angle));
        text = plain ? QString::fromLatin1(value.bytes) : charset.decode(value.bytes);
        exact = exact && plain;
        at = end;
        return true;
    }
    text.clear();
    for (qsizetype i = at; i < end;) {
        char32_t c = 0;
        qsizetype length = bytes[i] == '&' ? characterReference(bytes.first(end), i, c) : 0;
        if (length == 0 && bytes[i] == '%' && quoting == Quoting::HtmlAttribute)
            length = percentCharacter(bytes.first(end), i, c);
        if (length > 0) {
            appendCharacter(text, c);
            i += length;
            continue;
        }
        qsizetype run = i + 1;
        while (run < end && bytes[run] != '&' && bytes[run] != '%')
            ++run;
        text += charset.decode(bytes.sliced(i, run - i));
        i = run;
    }
    PageBuffer written;
    appendQuoted(written, text, quoting);
    exact = exact && written.view() == bytes.sliced(at, end - at);
    at = end;
    return true;
}

} // namespace

bool PageEscaping::readHtmlAddress(QByteArrayView bytes, qsizetype& at, QString& text,
                                   const PageCharset& charset, bool& exact) {
    return readHtmlValue(bytes, at, text, Quoting::HtmlAttribute, charset, exact);
}

bool PageEscaping::readHtmlText(QByteArrayView bytes, qsizetype& at, QString& text,
                                const PageCharset& charset, bool& exact) {
    return readHtmlValue(bytes, at, text, Quoting::HtmlText, charset, exact);
}

bool PageEscaping::readTarget(QByteArrayView bytes, qsizetype& at, QString& frame,
                              const PageCharset& charset, bool& exact) {
    const QByteArrayView parent = view(parentTarget);
    if (bytes.sliced(at).startsWith(parent) && bytes.sliced(at + parent.size()).startsWith('"')) {
        frame.clear(); // the usual target, without a copy
        at += parent.size();
        return true;
    }
    if (!readHtmlText(bytes, at, frame, charset, exact))
        return false;
    if (frame == QLatin1StringView(parentTarget.data(), qsizetype(parentTarget.size())))
        frame.clear();
    return true;
}

bool PageEscaping::readOptionalAlt(QByteArrayView bytes, qsizetype& at, qsizetype& start,
                                   QString& text, const PageCharset& charset, bool& exact) {
    text.clear();
    start = at;
    const qsizetype tagEnd = bytes.indexOf('>', at);
    const qsizetype alt =
        bytes.first(tagEnd < 0 ? bytes.size() : tagEnd).indexOf(view(altStart), at);
    // An empty one says the picture needs no words: the author's, as they wrote it.
    if (alt < 0 || bytes.sliced(alt + qsizetype(altStart.size())).startsWith('"'))
        return true;
    qsizetype end = alt + qsizetype(altStart.size());
    if (!readHtmlText(bytes, end, text, charset, exact))
        return false;
    start = alt;
    at = end + 1;
    return true;
}
