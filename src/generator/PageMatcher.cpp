#include "generator/PageMatcher.h"

#include "generator/MenuPage.h"
#include "generator/PageCanon.h"
#include "generator/PageEscaping.h"
#include "generator/PageLayout.h"
#include "generator/PageTokens.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

using PageLayout::Part;
using PageTokens::Kind;

QByteArrayView view(std::string_view text) {
    return {text.data(), qsizetype(text.size())};
}

// A vertical menu's line break after a button's picture, or none in a horizontal one: the
// menu's direction, which every block must agree on.
bool takeLineBreak(QByteArrayView line, qsizetype& at, std::optional<MenuType>& direction,
                   bool anyCase = false) {
    const QByteArrayView rest = line.sliced(at), lineBreak = view(PageLayout::lineBreak);
    const bool vertical =
        anyCase ? rest.size() >= lineBreak.size() &&
                      qstrnicmp(rest.data(), lineBreak.data(), std::size_t(lineBreak.size())) == 0
                : rest.startsWith(lineBreak);
    at += vertical ? qsizetype(PageLayout::lineBreak.size()) : 0;
    const MenuType type = vertical ? MenuType::Vertical : MenuType::Horizontal;
    if (!direction)
        direction = type;
    return *direction == type;
}

// Whether `line` holds `wanted` at `at` as a browser reads HTML: the names of tags and
// attributes (up to an '=') in any case, values as they are.
bool sameHtml(QByteArrayView line, qsizetype at, QByteArrayView wanted) {
    if (line.size() - at < wanted.size())
        return false;
    const qsizetype names = wanted.contains('=') ? wanted.indexOf('=') : wanted.size();
    return qstrnicmp(line.data() + at, wanted.data(), std::size_t(names)) == 0 &&
           line.sliced(at + names, wanted.size() - names) == wanted.sliced(names);
}

qsizetype findHtml(QByteArrayView line, qsizetype from, QByteArrayView wanted) {
    for (qsizetype at = from; at + wanted.size() <= line.size(); ++at)
        if (sameHtml(line, at, wanted))
            return at;
    return -1;
}

// Whether `count` bytes at `a` and `b` are the same. The parts of a line are short, so eight
// bytes at a time inline beat a call to memcmp (bench_page_read).
template <typename Word> Q_ALWAYS_INLINE bool sameWord(const char* a, const char* b) {
    Word x, y;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return x == y;
}

Q_ALWAYS_INLINE bool sameBytes(const char* a, const char* b, std::size_t count) {
    if (count >= 8) { // whole words, the last one overlapping the one before
        for (std::size_t i = 0; i + 8 <= count; i += 8)
            if (!sameWord<quint64>(a + i, b + i))
                return false;
        return sameWord<quint64>(a + count - 8, b + count - 8);
    }
    if (count >= 4)
        return sameWord<quint32>(a, b) && sameWord<quint32>(a + count - 4, b + count - 4);
    if (count >= 2)
        return sameWord<quint16>(a, b) && sameWord<quint16>(a + count - 2, b + count - 2);
    return count == 0 || *a == *b;
}

// A button's text in an HTML5 page, which names it by its link where it has none.
bool readButtonText(QByteArrayView line, qsizetype& at, QString& text, const QString& link,
                    const PageCharset& charset, bool& exact) {
    if (!PageEscaping::readHtmlText(line, at, text, charset, exact))
        return false;
    if (text == link)
        text.clear();
    return true;
}

// The text again, on the mouse-over picture: the same, or the page was changed by hand.
bool readSameText(QByteArrayView line, qsizetype& at, const QString& text, const QString& link,
                  const PageCharset& charset, bool& exact) {
    const QString& wanted = text.isEmpty() ? link : text;
    const qsizetype end = PageEscaping::htmlAttributeEnd(line, at);
    const QByteArrayView value = line.sliced(at, qMax<qsizetype>(end - at, 0));
    const bool plain = std::all_of(value.begin(), value.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>';
    });
    if (end >= 0 && plain && QLatin1StringView(value) == wanted) { // as written, without a copy
        at = end;
        return true;
    }
    QString again;
    if (!PageEscaping::readHtmlText(line, at, again, charset, exact))
        return false;
    exact = exact && again == wanted;
    return true;
}

// Takes a block up exactly as the writer puts it down, reading the values on the way, and
// stops at the first byte that differs.
class ExactPass {
public:
    ExactPass(ReadingState& state, qsizetype at, QByteArrayView eol, qsizetype button, int line)
        : s_(state), bytes_(state.bytes), at_(at), eol_(eol), button_(button), line_(line) {}

    bool ok() const { return ok_; }
    qsizetype at() const { return at_; }
    int lines() const { return lines_; }
    // The normal picture's name in the img tag, once the block is read whole.
    const std::optional<ImageCheck>& image() const { return image_; }

    void key(std::initializer_list<Part>) {}
    void line(int indent, std::initializer_list<Part> parts,
              std::initializer_list<Part> rest = {}) {
        beginLine(indent, parts);
        beginLine(0, rest);
        endLine({});
    }
    void beginLine(int indent, std::initializer_list<Part> parts) {
        static constexpr char blanks[] = "         ";
        take({blanks, std::size_t(indent)});
        for (const Part& part : parts)
            take(part.text);
    }
    void endLine(std::string_view last) {
        take(last);
        take({eol_.data(), std::size_t(eol_.size())});
        line_ += ok_;
        lines_ += ok_;
    }
    void emptyLines(int count) {
        for (int i = 0; i < count; ++i)
            endLine({});
    }
    void scriptString(QString& text) {
        read([&](qsizetype& at, bool& exact) {
            return PageEscaping::readScriptString(lineView(), at, text, s_.charset, exact);
        });
    }
    void linkStatement(QString& frame, QString& link) {
        read([&](qsizetype& at, bool& exact) {
            return PageEscaping::readLinkStatement(lineView(), at, frame, link, s_.charset, exact);
        });
    }
    void normalImageAttribute(const QString&) {
        const qsizetype quote = ok_ ? PageEscaping::htmlAttributeEnd(lineView(), at_) : -1;
        ok_ = quote >= 0;
        if (ok_)
            image_ = ImageCheck{button_, at_, quote, line_};
        at_ = ok_ ? quote : at_;
    }
    void lineBreak(MenuType) { ok_ = ok_ && takeLineBreak(bytes_, at_, s_.direction); }
    void optionalAlt(QString& text) {
        const qsizetype before = at_;
        qsizetype start = at_;
        read([&](qsizetype& at, bool& exact) {
            return PageEscaping::readOptionalAlt(lineView(), at, start, text, s_.charset, exact);
        });
        ok_ = ok_ && start == before; // where Tessel puts it, or none
    }
    void address(QString& text) {
        read([&](qsizetype& at, bool& exact) {
            return PageEscaping::readHtmlAddress(lineView(), at, text, s_.charset, exact);
        });
    }
    void target(QString& frame) {
        read([&](qsizetype& at, bool& exact) {
            return PageEscaping::readTarget(lineView(), at, frame, s_.charset, exact);
        });
    }
    void currentPage(bool& current) {
        current = ok_ && startsWith(PageLayout::currentMark);
        take(current ? PageLayout::currentMark : std::string_view());
    }
    void buttonText(QString& text, const QString& link) {
        read([&](qsizetype& at, bool& exact) {
            return readButtonText(lineView(), at, text, link, s_.charset, exact);
        });
    }
    void sameText(const QString& text, const QString& link) {
        read([&](qsizetype& at, bool& exact) {
            return readSameText(lineView(), at, text, link, s_.charset, exact);
        });
    }

private:
    bool startsWith(std::string_view part) const {
        return bytes_.size() - at_ >= qsizetype(part.size()) &&
               sameBytes(bytes_.data() + at_, part.data(), part.size());
    }
    void take(std::string_view part) {
        ok_ = ok_ && bytes_.size() - at_ >= qsizetype(part.size()) &&
              sameBytes(bytes_.data() + at_, part.data(), part.size());
        at_ += ok_ ? qsizetype(part.size()) : 0;
    }
    template <typename Reader> void read(const Reader& reader) {
        qsizetype at = at_;
        bool exact = true;
        ok_ = ok_ && reader(at, exact) && exact;
        at_ = ok_ ? at : at_;
    }
    // The bytes up to the current line's end, for the value readers: found once a line, as a
    // line holds several values.
    QByteArrayView lineView() {
        if (lineEnd_ < at_) {
            const auto* newline = static_cast<const char*>(
                std::memchr(bytes_.data() + at_, '\n', std::size_t(bytes_.size() - at_)));
            lineEnd_ = newline ? newline - bytes_.data() : bytes_.size();
        }
        return bytes_.first(lineEnd_);
    }

    ReadingState& s_;
    const QByteArrayView bytes_; // the page, at hand: every part of a line is compared with it
    qsizetype at_, lineEnd_ = -1;
    QByteArrayView eol_;
    std::optional<ImageCheck> image_;
    qsizetype button_;
    int line_, lines_ = 0;
    bool ok_ = true;
};

// One piece of a block's lines as the tolerant reader looks for it.
struct Piece {
    Kind kind;
    bool floating;
    std::string_view text; // fixed text: the layout's own, which lives as long as the program
    std::string number;    // a number's digits
    enum Value {
        Script,
        Link,
        Image,
        Alt,
        Address,
        Target,
        Current,
        Text,
        SameText
    } value = Script;
    QString* first = nullptr;
    QString* second = nullptr;
    bool* flag = nullptr;
};

// The pieces of a block, as PageTokens counts them.
class Recorder : public PageTokens::Pieces<Recorder> {
public:
    std::vector<Piece> pieces;

    void piece(Kind kind, std::string_view text, bool floating) {
        pieces.push_back({kind, floating, kind == Kind::Number ? std::string_view() : text,
                          kind == Kind::Number ? std::string(text) : std::string()});
    }
    void scriptString(QString& text) {
        value();
        pieces.back().first = &text;
    }
    void linkStatement(QString& frame, QString& link) {
        value();
        pieces.back().value = Piece::Link;
        pieces.back().first = &frame;
        pieces.back().second = &link;
    }
    void normalImageAttribute(const QString&) {
        value();
        pieces.back().value = Piece::Image;
    }
    void lineBreak(MenuType) { value(Kind::Break); }
    void optionalAlt(QString& text) { record(Piece::Alt, &text); }
    void address(QString& text) { record(Piece::Address, &text); }
    void target(QString& frame) { record(Piece::Target, &frame); }
    void currentPage(bool& current) {
        record(Piece::Current, nullptr);
        pieces.back().flag = &current;
    }
    void buttonText(QString& text, QString& link) { record(Piece::Text, &text, &link); }
    void sameText(QString& text, QString& link) { record(Piece::SameText, &text, &link); }

private:
    void record(Piece::Value kind, QString* first, QString* second = nullptr) {
        value();
        pieces.back().value = kind;
        pieces.back().first = first;
        pieces.back().second = second;
    }
};

// A value of the block in `line` from `at` on, as the writer puts it; an optional one may stand
// later in its tag, from `mark` on.
bool readValue(const Piece& piece, QByteArrayView line, qsizetype& at, qsizetype& mark,
               const PageCharset& charset, bool& exact) {
    using namespace PageEscaping;
    switch (piece.value) {
    case Piece::Script:
        return readScriptString(line, at, *piece.first, charset, exact);
    case Piece::Link:
        return readLinkStatement(line, at, *piece.first, *piece.second, charset, exact);
    case Piece::Alt:
        return readOptionalAlt(line, at, mark, *piece.first, charset, exact);
    case Piece::Address:
        return readHtmlAddress(line, at, *piece.first, charset, exact);
    case Piece::Target:
        return readTarget(line, at, *piece.first, charset, exact);
    case Piece::Current: {
        const QByteArrayView mark = view(PageLayout::currentMark);
        *piece.flag = line.sliced(at).startsWith(mark);
        at += *piece.flag ? mark.size() : 0;
        return true;
    }
    case Piece::Text:
        return readButtonText(line, at, *piece.first, *piece.second, charset, exact);
    case Piece::SameText:
        return readSameText(line, at, *piece.first, *piece.second, charset, exact);
    case Piece::Image:
        break;
    }
    return false;
}

} // namespace

// A block's pieces and where each stands in the page; its lines, by their pieces.
struct PageMatcher::Block {
    std::vector<Piece> pieces;
    std::vector<qsizetype> marks;
    std::vector<std::pair<std::size_t, std::size_t>> lines{};
    qsizetype changedLine = 0, unreadable = 0; // line numbers, from 1
    // A text the author typed earlier in its tag than Tessel writes it: its bytes, which go
    // from the author's form, since Tessel writes the text in its own place.
    std::pair<qsizetype, qsizetype> movedText = {0, 0};
    // Per line, Tessel's spelling of the author's line where it was read in it; the marks of
    // its pieces but its indent and end are then into that spelling.
    std::vector<QByteArray> spelt{};

    bool isBlankLine(std::size_t l) const { return pieces[lines[l].first].kind == Kind::Blank; }
    bool isSpelt(std::size_t l) const { return l < spelt.size() && !spelt[l].isNull(); }
};

bool PageMatcher::read(PageKey& key, qsizetype low, qsizetype high, const QByteArray& eol,
                       BlockTemplate& form) {
    form = {};
    return readExactly(key, low, high, eol) || find(key, low, high, eol, form);
}

bool PageMatcher::readExactly(PageKey& key, qsizetype low, qsizetype high, QByteArrayView eol) {
    button_ = key.button;
    live_ = PageLayout::inScript(s_.menu.form, key.region) ? PageSyntax::Script : PageSyntax::Html;
    return exact(key, low, high, eol);
}

// The block as the writer gives it, from its first line on.
bool PageMatcher::exact(PageKey& key, qsizetype low, qsizetype high, QByteArrayView eol) {
    const qsizetype first = key.line - PageKeys::linesBeforeKey(s_.menu.form, key.region);
    if (first < low)
        return false;
    PageSyntax& syntax = s_.syntax;
    ExactPass pass(s_, syntax.start(first), eol, key.button, int(first + 1));
    PageLayout::block<ExactPass, Menu>(s_.menu.form, key.region)(pass, s_.menu, key.button);
    const qsizetype limit = high < syntax.lines() ? syntax.start(high) : s_.bytes.size();
    if (!pass.ok() || pass.at() > limit)
        return false;
    key.from = syntax.start(first);
    key.to = pass.at();
    key.lastLine = first + pass.lines() - 1;
    if (pass.image())
        s_.images.push_back(*pass.image());
    return true;
}

// The block among the author's lines: each of Tessel's lines found nearest the key line, the
// author's lines between and inside them kept in the block's own form.
bool PageMatcher::find(PageKey& key, qsizetype low, qsizetype high, const QByteArray& eol,
                       BlockTemplate& form) {
    Recorder recorder;
    PageLayout::block<Recorder, Menu>(s_.menu.form, key.region)(recorder, s_.menu, key.button);
    Block block{recorder.pieces, std::vector<qsizetype>(2 * recorder.pieces.size(), 0)};
    for (std::size_t i = 0; i < block.pieces.size();) { // the lines, by their pieces
        std::size_t end = i + 1;
        while (block.pieces[i].kind != Kind::Blank && block.pieces[end - 1].kind != Kind::Eol)
            ++end;
        block.lines.push_back({i, end});
        i = end;
    }
    block.spelt.resize(block.lines.size());
    std::size_t keyLine = 0;
    while (keyLine < block.lines.size() &&
           (block.isBlankLine(keyLine) || !matchLine(block, keyLine, key.line)))
        ++keyLine;
    PageSyntax& syntax = s_.syntax;
    bool complete = keyLine < block.lines.size();
    qsizetype firstLine = key.line, lastLine = key.line;
    if (complete) { // backwards from the key line, then forwards
        qsizetype at = key.line - 1;
        for (std::size_t l = keyLine; l-- > 0 && complete;) {
            if (block.isBlankLine(l)) {
                const bool there = at >= low && syntax.isBlank(at);
                markBlank(block, l, there ? at : at + 1, there);
                at -= there;
                continue;
            }
            const qsizetype line = findLine(block, l, at, -1, low, high);
            complete = line >= 0;
            firstLine = complete ? line : firstLine;
            at = line - 1;
        }
        at = key.line + 1;
        for (std::size_t l = keyLine + 1; l < block.lines.size() && complete; ++l) {
            if (block.isBlankLine(l)) {
                const bool there = at < high && syntax.isBlank(at);
                markBlank(block, l, at, there);
                lastLine = there ? at : lastLine;
                at += there;
                continue;
            }
            const qsizetype line = findLine(block, l, at, 1, low, high);
            complete = line >= 0;
            lastLine = complete ? line : lastLine;
            at = line + 1;
        }
    }
    const qsizetype unpaired = complete && live_ == PageSyntax::Html ? unpairedQuote(block) : -1;
    if (!complete || unpaired >= 0)
        return readValuesAlone(key, block, keyLine, high, unpaired);
    key.from = syntax.start(firstLine);
    key.to = syntax.next(lastLine);
    key.lastLine = lastLine;
    form = authorsForm(block, key.from, key.to);
    if (block.changedLine > 0)
        s_.changed(block.changedLine - 1);
    // A form that differs from Tessel's own only in its values is Tessel's own.
    if (MenuPage::blockText(s_.menu, key.region, key.button, form, eol) ==
        MenuPage::blockText(s_.menu, key.region, key.button, {}, eol))
        form = {};
    return true;
}

qsizetype PageMatcher::findLine(Block& block, std::size_t l, qsizetype line, int step,
                                qsizetype low, qsizetype high) {
    for (; line >= low && line < high; line += step)
        if (s_.syntax.context(line) == live_ && matchLine(block, l, line))
            return line;
    return -1;
}

// The block's bytes but for those the writer writes anew (the fixed text, the numbers and the
// values), so that two blocks the author left alike have the same form.
BlockTemplate PageMatcher::authorsForm(const Block& block, qsizetype from, qsizetype to) const {
    BlockTemplate form;
    form.marks.reserve(qsizetype(block.marks.size()));
    qsizetype at = from;
    const auto [movedFrom, movedTo] = block.movedText;
    for (std::size_t l = 0; l < block.lines.size(); ++l) {
        const auto [first, end] = block.lines[l];
        // A line read in Tessel's spelling: its pieces within that spelling, the author's
        // line itself kept aside.
        const bool spelt = block.isSpelt(l);
        QByteArrayView source = s_.bytes;
        qsizetype pageAt = 0;
        for (std::size_t p = first; p < end; ++p) {
            const Piece& piece = block.pieces[p];
            if (spelt && p == first + 1) { // after the indent
                form.kept.append(
                    {qint32(first), qint32(end - 1), block.spelt[l],
                     s_.bytes.sliced(at, block.marks[2 * (end - 1)] - at).toByteArray()});
                pageAt = block.marks[2 * (end - 1)];
                source = block.spelt[l];
                at = 0;
            }
            if (spelt && p == end - 1 && p > first) { // the line's end, in the page again
                form.bytes.append(source.sliced(at));
                source = s_.bytes;
                at = pageAt;
            }
            const qsizetype start = block.marks[2 * p], stop = block.marks[2 * p + 1];
            if (!spelt && movedFrom >= at && movedTo <= start && movedTo > movedFrom) {
                form.bytes.append(s_.bytes.sliced(at, movedFrom - at));
                at = movedTo;
            }
            form.bytes.append(source.sliced(at, start - at));
            form.marks.append(qint32(form.bytes.size()));
            const QByteArrayView stood = source.sliced(start, stop - start);
            // Fixed text the author wrote in another case stands as they wrote it.
            const bool otherCase = (piece.kind == Kind::Text && stood != view(piece.text)) ||
                                   (piece.kind == Kind::Break && !stood.isEmpty() &&
                                    stood != view(PageLayout::lineBreak));
            if (piece.kind == Kind::Indent || piece.kind == Kind::Eol ||
                piece.kind == Kind::Blank || otherCase)
                form.bytes.append(stood);
            form.marks.append(qint32(form.bytes.size()));
            at = stop;
        }
    }
    form.bytes.append(s_.bytes.sliced(at, to - at));
    return form;
}

// A block whose lines are not all there: Tessel writes its own form of it in its place, from
// its key line to the last of its lines found after it, with the blank lines that end it, once
// its values are found. The page differs first where the first missing line should stand.
bool PageMatcher::readValuesAlone(PageKey& key, Block& block, std::size_t keyLine, qsizetype high,
                                  qsizetype differs) {
    qsizetype lastLine = key.line, previous = key.line;
    for (std::size_t l = 0; l < block.lines.size(); ++l) {
        if (l == keyLine || block.isBlankLine(l))
            continue;
        const auto [from, to] = block.lines[l];
        const bool values = std::any_of(block.pieces.begin() + qsizetype(from),
                                        block.pieces.begin() + qsizetype(to),
                                        [](const Piece& p) { return p.kind == Kind::Value; });
        // Lines before the key line (a banner) are not looked for: any of the author's there
        // stay theirs.
        const bool before = keyLine < block.lines.size() && l < keyLine;
        const qsizetype line = findLine(block, l, key.line, 1, key.line, high);
        if (line >= 0 && !endsInAuthorsBytes(block, l)) {
            lastLine = qMax(lastLine, line);
            previous = before ? previous : line;
            continue;
        }
        if (line >= 0) // Tessel's own form would drop them, and they may change what follows
            return s_.refusal.changedBeyondReading(line);
        if (!before && differs < 0)
            differs = qMin(previous + 1, s_.syntax.lines() - 1);
        if (values || s_.refusal.cutShort(key.line))
            return s_.refusal.changedBeyondReading(block.unreadable ? block.unreadable - 1
                                                   : differs >= 0   ? differs
                                                                    : key.line);
    }
    for (std::size_t l = block.lines.size(); l-- > 0 && block.isBlankLine(l);)
        lastLine += lastLine + 1 < high && s_.syntax.isBlank(lastLine + 1);
    key.from = s_.syntax.start(key.line);
    key.to = s_.syntax.next(lastLine);
    key.lastLine = lastLine;
    s_.changed(differs >= 0 ? differs : key.line);
    return true;
}

// Whether block line `l`, as last matched, holds bytes of the author's after Tessel's last piece.
bool PageMatcher::endsInAuthorsBytes(const Block& block, std::size_t l) const {
    const std::size_t eol = block.lines[l].second - 1;
    if (eol == block.lines[l].first || block.pieces[eol].kind != Kind::Eol)
        return false;
    const qsizetype from = block.marks[2 * (eol - 1) + 1];
    const QByteArrayView rest =
        block.isSpelt(l) ? QByteArrayView(block.spelt[l]).sliced(from)
                         : s_.bytes.sliced(from, qMax<qsizetype>(block.marks[2 * eol] - from, 0));
    return std::any_of(rest.begin(), rest.end(), [](char c) { return c != ' ' && c != '\t'; });
}

void PageMatcher::markBlank(Block& block, std::size_t l, qsizetype line, bool there) const {
    const std::size_t piece = block.lines[l].first;
    const qsizetype at = line < s_.syntax.lines() ? s_.syntax.start(line) : s_.bytes.size();
    block.marks[2 * piece] = at;
    block.marks[2 * piece + 1] = there ? s_.syntax.next(line) : at;
}

// An alt the author typed into the img tag before Tessel's own attributes: the button's text,
// which Tessel writes in its own place.
std::pair<qsizetype, qsizetype> PageMatcher::readEarlierText(QString& text, QByteArrayView line,
                                                             qsizetype lineStart, qsizetype at,
                                                             bool& exact) const {
    const QByteArrayView before = line.first(at);
    const qsizetype tag = before.lastIndexOf("<img");
    const qsizetype alt = tag < lineStart ? -1 : before.indexOf(view(PageEscaping::altStart), tag);
    qsizetype start = alt, end = alt;
    if (alt < 0 || !PageEscaping::readOptionalAlt(before, end, start, text, s_.charset, exact) ||
        text.isEmpty())
        return {0, 0};
    exact = false;
    return {start, end};
}

// Whether page line `line` is block line `l`, each of its pieces in order with the author's
// bytes only where a piece may float, as the author spelt it or else as Tessel spells the same
// HTML or script; marks the pieces and reads the values where it is.
bool PageMatcher::matchLine(Block& block, std::size_t l, qsizetype line) {
    const qsizetype start = s_.syntax.start(line), end = s_.syntax.end(line);
    block.spelt[l] = QByteArray();
    if (matchPieces(block, l, line, s_.bytes.first(end), start, false))
        return true;
    qsizetype indentEnd = start;
    while (indentEnd < end && (s_.bytes[indentEnd] == ' ' || s_.bytes[indentEnd] == '\t'))
        ++indentEnd;
    QByteArray spelt = this->spelt(block, l, s_.bytes.sliced(indentEnd, end - indentEnd));
    if (spelt.isEmpty() || !matchPieces(block, l, line, spelt, 0, true))
        return false;
    const auto [first, stop] = block.lines[l];
    block.marks[2 * first] = start;
    block.marks[2 * first + 1] = indentEnd;
    block.marks[2 * (stop - 1)] = end;
    block.marks[2 * (stop - 1) + 1] = s_.syntax.next(line);
    block.spelt[l] = std::move(spelt);
    return true;
}

// The author's line `content` as Tessel spells the same HTML or script, or none.
QByteArray PageMatcher::spelt(const Block& block, std::size_t l, QByteArrayView content) const {
    if (live_ != PageSyntax::Html)
        return content.contains('\'') ? PageCanon::script(content) : QByteArray();
    if (!content.contains('\'') && !content.contains('<'))
        return {};
    return PageCanon::html(content, tessels(block, l));
}

// Tessel's own line `l` of the block, every value there and some text in it.
QByteArray PageMatcher::tessels(const Block& block, std::size_t l) {
    QByteArray line;
    const auto [first, end] = block.lines[l];
    for (std::size_t p = first; p < end; ++p) {
        const Piece& piece = block.pieces[p];
        if (piece.kind == Kind::Text || piece.kind == Kind::Number)
            line += piece.kind == Kind::Text ? view(piece.text) : view(piece.number);
        else if (piece.kind == Kind::Break)
            line += view(PageLayout::lineBreak);
        else if (piece.kind == Kind::Value && piece.value == Piece::Alt)
            line += view(PageEscaping::altStart).toByteArray() + "x\"";
        else if (piece.kind == Kind::Value && piece.value == Piece::Current)
            line += view(PageLayout::currentMark);
        else if (piece.kind == Kind::Value)
            line += 'x';
    }
    return line;
}

// The first line, from 0, where a value that Tessel's lines open on one line and close on a
// later one is closed by another quote than the one that opened it, which a browser reads as
// another tag; or -1.
qsizetype PageMatcher::unpairedQuote(const Block& block) const {
    char open = 0;
    std::size_t opened = 0;
    for (std::size_t l = 0; l < block.lines.size(); ++l) {
        if (block.isBlankLine(l) || tessels(block, l).count('"') % 2 == 0)
            continue;
        const char quote = block.isSpelt(l) ? '\'' : '"'; // a line within a tag, spelt otherwise
        if (open && quote != open) // the line of the two the author spelt otherwise
            return s_.syntax.lineAt(block.marks[2 * block.lines[open == '\'' ? opened : l].first]);
        opened = l;
        open = open ? 0 : quote;
    }
    return -1;
}

bool PageMatcher::matchPieces(Block& block, std::size_t l, qsizetype line, QByteArrayView text,
                              qsizetype at, bool spelt) {
    const auto [from, to] = block.lines[l];
    const QByteArrayView bytes = text;
    const qsizetype lineStart = at, end = spelt ? text.size() : s_.syntax.end(line);
    const QByteArrayView lineView = bytes.first(end);
    bool exact = true;
    std::optional<MenuType> direction = s_.direction;
    std::optional<ImageCheck> image;
    std::pair<qsizetype, qsizetype> movedText = {0, 0}; // the block's, once the line is it
    for (std::size_t p = from; p < to; ++p) {
        Piece& piece = block.pieces[p];
        qsizetype mark = at;
        switch (piece.kind) {
        case Kind::Indent:
            while (at < end && (bytes[at] == ' ' || bytes[at] == '\t'))
                ++at;
            break;
        case Kind::Text:
        case Kind::Number: {
            const QByteArrayView wanted =
                piece.kind == Kind::Text ? view(piece.text) : view(piece.number);
            // In the HTML, a tag's or an attribute's name in another case reads alike: the
            // nearest in any case is the one.
            const bool html = live_ == PageSyntax::Html && piece.kind == Kind::Text;
            mark = !piece.floating ? at
                   : html          ? findHtml(lineView, at, wanted)
                                   : lineView.indexOf(wanted, at);
            if (mark < 0 || !(html ? sameHtml(lineView, mark, wanted)
                                   : lineView.sliced(mark).startsWith(wanted)))
                return false;
            at = mark + wanted.size();
            break;
        }
        case Kind::Value: {
            bool read = false;
            if (piece.value == Piece::Image) {
                const qsizetype quote = PageEscaping::htmlAttributeEnd(lineView, at);
                image = ImageCheck{button_, at, quote, int(line + 1)};
                if (spelt && quote >= 0) {
                    image->spelt = int(s_.spelt.size());
                    s_.spelt.append(lineView.sliced(at, quote - at).toByteArray());
                }
                at = quote >= 0 ? quote : at;
                read = quote >= 0;
            } else {
                read = readValue(piece, lineView, at, mark, s_.charset, exact);
                if (read && piece.value == Piece::Alt && piece.first->isEmpty())
                    movedText = readEarlierText(*piece.first, lineView, lineStart, at, exact);
            }
            if (!read) {
                block.unreadable = block.unreadable ? block.unreadable : line + 1;
                return false;
            }
            break;
        }
        case Kind::Break:
            exact = takeLineBreak(lineView, at, direction, true) && exact;
            break;
        case Kind::Eol: // a line of Tessel's with no end is one cut short
            mark = end;
            at = spelt ? end : s_.syntax.next(line);
            if (s_.syntax.next(line) == s_.syntax.end(line))
                return false;
            break;
        case Kind::Blank:
            break;
        }
        block.marks[2 * p] = mark;
        block.marks[2 * p + 1] = at;
    }
    s_.direction = direction;
    if (movedText.second > movedText.first && !spelt)
        block.movedText = movedText;
    if (image)
        s_.images.push_back(*image);
    if (!exact && (block.changedLine == 0 || line < block.changedLine - 1))
        block.changedLine = line + 1;
    return true;
}
