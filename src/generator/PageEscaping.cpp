#include "generator/PageEscaping.h"

#include <QSet>

namespace {

bool isControl(char16_t c) {
    return c < 0x20 || c == 0x7F;
}

void appendHex2(std::string& out, uint value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    out.push_back(digits[(value >> 4) & 0xF]);
    out.push_back(digits[value & 0xF]);
}

// The code point starting at `i`, advancing past it; a lone surrogate reads as U+FFFD.
char32_t nextCodePoint(const QString& text, qsizetype& i) {
    const QChar first = text.at(i++);
    if (first.isHighSurrogate() && i < text.size() && text.at(i).isLowSurrogate())
        return QChar::surrogateToUcs4(first, text.at(i++));
    return first.isSurrogate() ? char32_t(0xFFFD) : char32_t(first.unicode());
}

void appendPercentUtf8(std::string& out, char32_t c) {
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
        out.push_back('%');
        appendHex2(out, bytes[b]);
    }
}

void appendUtf16Escape(std::string& out, char16_t unit) {
    out += "\\u";
    appendHex2(out, unit >> 8);
    appendHex2(out, unit & 0xFF);
}

// Addresses and image names write non-ASCII as percent-encoded UTF-8, as a browser would send
// it; a frame name is no address, so it keeps its characters as script escapes.
enum class NonAscii { PercentUtf8, ScriptEscape };

void appendScriptLiteral(std::string& out, const QString& text, NonAscii nonAscii) {
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text.at(i).unicode();
        if (c > 0x7F) {
            if (nonAscii == NonAscii::ScriptEscape)
                appendUtf16Escape(out, text.at(i++).unicode());
            else
                appendPercentUtf8(out, nextCodePoint(text, i));
            continue;
        }
        ++i;
        if (c == u'\\') {
            out += "\\\\";
        } else if (c == u'"') {
            out += "\\\"";
        } else if (c == u'<') { // keeps "</script>" in a value from ending the script
            out += "\\x3C";
        } else if (isControl(c)) {
            out += "\\x";
            appendHex2(out, c);
        } else {
            out.push_back(char(c));
        }
    }
}

bool isTakenName(const QString& frame) {
    // Browser keywords, and names the window object already carries: parent.top would move
    // the whole window, parent.name is a string.
    static const QSet<QString> taken = {
        "top",        "parent", "self",   "window",   "frames",  "opener",   "name",
        "length",     "status", "closed", "location", "history", "document", "navigator",
        "navigation", "screen", "event",  "external", "origin",  "content"};
    static const QSet<QString> keywords = {"_top", "_parent", "_self", "_blank"};
    return taken.contains(frame) || (frame.startsWith(u'_') && keywords.contains(frame.toLower()));
}

} // namespace

void PageEscaping::appendPercentEncoded(std::string& out, const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i).unicode() <= 0x7F)
            out.push_back(char(text.at(i++).unicode()));
        else
            appendPercentUtf8(out, nextCodePoint(text, i));
    }
}

void PageEscaping::appendScriptString(std::string& out, const QString& addressOrName) {
    appendScriptLiteral(out, addressOrName, NonAscii::PercentUtf8);
}

void PageEscaping::appendHtmlAttribute(std::string& out, const QString& address) {
    std::string ascii;
    appendPercentEncoded(ascii, address);
    for (const char ch : ascii) {
        if (ch == '&')
            out += "&amp;";
        else if (ch == '"')
            out += "&quot;";
        else if (isControl(char16_t(ch)))
            out += "&#" + std::to_string(int(ch)) + ';';
        else
            out.push_back(ch);
    }
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

void PageEscaping::appendLinkStatement(std::string& out, const QString& frame,
                                       const QString& link) {
    if (frame.isEmpty()) {
        out += "parent.location = \"";
    } else if (isPlainFrameName(frame)) {
        out += "parent.";
        appendPercentEncoded(out, frame); // plain ASCII, so copied as it is
        out += ".location = \"";
    } else {
        // The browser's own rule for a link's target: keywords do what they say, any other
        // name finds the frame of that name or opens a new window.
        out += "window.open(\"";
        appendScriptString(out, link);
        out += "\", \"";
        appendScriptLiteral(out, frame, NonAscii::ScriptEscape);
        out += "\");";
        return;
    }
    appendScriptString(out, link);
    out += "\";";
}
