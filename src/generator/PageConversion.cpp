#include "generator/PageConversion.h"

#include "generator/PageBuffer.h"
#include "generator/PageCharset.h"
#include "generator/PageEscaping.h"
#include "generator/PageLayout.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

using PageLayout::Part;

// Tessel's own lines of a frame, as text without their ends.
class LineCollector {
public:
    QList<QByteArray> lines;

    bool ok() const { return true; }
    void key(std::initializer_list<Part>) {}
    void line(int indent, std::initializer_list<Part> parts,
              std::initializer_list<Part> rest = {}) {
        beginLine(indent, parts);
        beginLine(0, rest);
        endLine({});
    }
    void beginLine(int indent, std::initializer_list<Part> parts) {
        current_.append(QByteArray(indent, ' '));
        for (const Part& part : parts)
            current_.append(part.text.data(), qsizetype(part.text.size()));
    }
    void endLine(std::string_view last) {
        current_.append(last.data(), qsizetype(last.size()));
        lines.append(std::exchange(current_, {}));
    }
    void emptyLines(int count) {
        for (int i = 0; i < count; ++i)
            lines.append(QByteArray());
    }
    void pageText(const QString& text) {
        PageBuffer out;
        PageEscaping::appendHtmlText(out, text);
        current_.append(out.view());
    }

private:
    QByteArray current_;
};

QByteArrayView bytesOf(std::string_view text) {
    return {text.data(), qsizetype(text.size())};
}

// The parts of a page the author's lines belong to: before its head, in it, in its script, in
// its body before and after the menu, and after its end.
enum Section { Top, Head, Script, Body, After, End, sections };

// The part of the classic page that follows one of Tessel's lines there.
Section sectionAfter(const QByteArray& line, Section now) {
    const QByteArray words = line.trimmed();
    if (words.startsWith("<head"))
        return Head;
    if (words.startsWith("<script"))
        return Script;
    if (words.startsWith("</script"))
        return Head;
    if (words.startsWith("link=")) // the body tag's second line
        return Body;
    if (words.startsWith("</body>"))
        return End;
    return now;
}

QByteArray withoutEnd(QByteArrayView line) {
    while (!line.isEmpty() && (line.back() == '\n' || line.back() == '\r'))
        line.chop(1);
    return line.toByteArray();
}

// The author's lines of a classic page, each with its own line end, by the part they stand in.
class AuthorsLines {
public:
    std::array<QList<QByteArray>, sections> in;
    // The author's own: in the head, a title and a charset, which take the places of Tessel's
    // (a title over several lines stays where it is); before it, a doctype and the html tag.
    QByteArray titleLine, charsetLine;
    bool title = false, doctype = false, html = false;

    explicit AuthorsLines(QList<QByteArray> tessels) : tessels_(std::move(tessels)) {}

    // The lines of the frame's bytes from `from` to `to`, each Tessel's where it is the next of
    // Tessel's lines still to come (a blank one only where a blank one is due).
    void take(QByteArrayView bytes, qsizetype from, qsizetype to) {
        for (qsizetype at = from; at < to;) {
            const qsizetype newline = bytes.sliced(at, to - at).indexOf('\n');
            const qsizetype next = newline < 0 ? to : at + newline + 1;
            const QByteArrayView line = bytes.sliced(at, next - at);
            const QByteArray text = withoutEnd(line);
            const bool blank = text.trimmed().isEmpty();
            qsizetype found = -1;
            for (qsizetype k = next_; k < tessels_.size() && found < 0; ++k)
                found = tessels_[k] == text ? k : blank ? tessels_.size() : -1;
            if (found >= 0 && found < tessels_.size()) {
                for (; next_ <= found; ++next_)
                    now_ = sectionAfter(tessels_[next_], now_);
            } else {
                add(line.toByteArray(), now_);
            }
            at = next;
        }
    }
    void add(const QByteArray& line, Section section) {
        const QByteArray lower = line.toLower();
        if (section == Head && lower.contains("<meta") && lower.contains("charset") &&
            charsetLine.isEmpty()) {
            charsetLine = line;
            return;
        }
        if (section == Head && lower.contains("<title")) {
            title = true;
            if (lower.contains("</title") && titleLine.isEmpty()) {
                titleLine = line;
                return;
            }
        }
        if (section == Top) {
            doctype = doctype || lower.contains("<!doctype");
            html = html || lower.contains("<html");
        }
        in[std::size_t(section)].append(line);
    }
    void enter(Section section) { now_ = section; }

private:
    const QList<QByteArray> tessels_;
    qsizetype next_ = 0;
    Section now_ = Top;
};

QList<QByteArray> classicFrameLines() {
    LineCollector tessels;
    PageLayout::headStart(tessels);
    PageLayout::headEnd(tessels);
    PageLayout::linkStart(tessels);
    PageLayout::swapFunctions(tessels);
    PageLayout::tail(tessels);
    return tessels.lines;
}

// Writes the HTML5 frame's lines with the author's among them, and keeps where the regions go.
class Html5Frame {
public:
    Html5Frame(const AuthorsLines& authors, QByteArray eol) : a_(authors), eol_(std::move(eol)) {}

    QByteArray bytes;

    void tessels(const QByteArray& line) { bytes += line + eol_; }
    void authors(Section section) {
        for (const QByteArray& line : a_.in[std::size_t(section)])
            bytes += line.endsWith('\n') ? line : line + eol_; // a last line without its end
    }
    void head(const QList<QByteArray>& lines, bool utf8) {
        if (a_.doctype)
            authors(Top);
        for (const QByteArray& line : lines) {
            if (line.startsWith("<title>") && a_.title) {
                if (!a_.titleLine.isEmpty())
                    bytes += a_.titleLine;
                continue;
            }
            if (line.startsWith("<!") && a_.doctype)
                continue;
            if (line.startsWith("<html")) {
                if (!a_.doctype)
                    authors(Top);
                if (!a_.html)
                    tessels(line);
                continue;
            }
            if (line.startsWith("<meta charset")) {
                if (!a_.charsetLine.isEmpty())
                    bytes += a_.charsetLine;
                else
                    tessels(utf8 ? line : QByteArray("<meta charset=\"windows-1252\">"));
                continue;
            }
            if (line == "</head>") {
                authors(Head);
                if (!a_.in[Script].isEmpty()) {
                    tessels("<script>");
                    authors(Script);
                    tessels("</script>");
                }
            }
            tessels(line);
            if (line == bytesOf(PageLayout::beforeMenuNote))
                authors(Body);
        }
    }
    void tail(const QList<QByteArray>& lines) {
        for (const QByteArray& line : lines) {
            tessels(line);
            if (line == bytesOf(PageLayout::afterMenuNote))
                authors(After);
            if (line == bytesOf(PageLayout::htmlEnd))
                authors(End);
        }
    }

private:
    const AuthorsLines& a_;
    const QByteArray eol_;
};

} // namespace

PageFrame PageConversion::toHtml5(const PageFrame& classic, const Menu& menu) {
    const QByteArrayView bytes = classic.bytes;
    std::vector<int> order = {PageLayout::Count, PageLayout::Script, PageLayout::Link,
                              PageLayout::Buttons};
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return classic.regions[std::size_t(a)].from() < classic.regions[std::size_t(b)].from();
    });
    AuthorsLines authors(classicFrameLines());
    // A byte-order mark stays the page's first bytes.
    const QByteArrayView bom = bytes.startsWith("\xEF\xBB\xBF") ? bytes.first(3) : QByteArrayView();
    qsizetype at = bom.size();
    for (const int r : order) {
        const PageFrame::Region& region = classic.regions[std::size_t(r)];
        authors.take(bytes, at, region.from());
        // Between the script's blocks stand lines of the author's script.
        for (qsizetype gap = 1; r != PageLayout::Buttons && gap + 1 < region.blocks.size();
             gap += 2)
            authors.take(bytes, region.blocks[gap], region.blocks[gap + 1]);
        authors.enter(r == PageLayout::Buttons ? After : Script);
        at = region.to();
    }
    authors.take(bytes, at, bytes.size());

    const PageFrame::Region& buttons = classic.regions[PageLayout::Buttons];
    Html5Frame out(authors, buttons.eol);
    out.bytes = bom.toByteArray();
    LineCollector head, tail;
    PageLayout::html5Head(head, menu);
    PageLayout::html5Tail(tail);
    out.head(head.lines, PageCharset::of(bytes) == PageCharset::Utf8);
    PageFrame html5;
    html5.form = PageForm::Html5;
    html5.regions[PageLayout::Count] = {{out.bytes.size(), out.bytes.size()}, buttons.eol};
    out.tessels(QByteArray());
    // The menu's buttons with the author's lines between them, as they stand.
    const qsizetype shift = out.bytes.size() - buttons.from();
    html5.regions[PageLayout::Buttons].eol = buttons.eol;
    for (const qsizetype mark : buttons.blocks)
        html5.regions[PageLayout::Buttons].blocks.append(mark + shift);
    out.bytes += bytes.sliced(buttons.from(), buttons.to() - buttons.from());
    out.tail(tail.lines);
    html5.bytes = std::move(out.bytes);
    return html5;
}
