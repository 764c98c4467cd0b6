#include "generator/MenuPage.h"

#include "generator/PageEscaping.h"
#include "generator/PageFile.h"
#include "generator/PageLayout.h"
#include "generator/PageSyntax.h"
#include "generator/PageTokens.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace {

using PageLayout::Decimal;
using PageLayout::Part;
using PageTokens::Kind;

QByteArrayView view(std::string_view text) {
    return {text.data(), qsizetype(text.size())};
}

QByteArrayView trimmedStart(QByteArrayView text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    return text;
}

// The number of digits at the start of `text` (at most nine), or -1.
qint64 numberAt(QByteArrayView text, qsizetype& digits) {
    qint64 value = 0;
    for (digits = 0;
         digits < text.size() && digits < 9 && text[digits] >= '0' && text[digits] <= '9'; ++digits)
        value = value * 10 + (text[digits] - '0');
    return digits > 0 ? value : -1;
}

// The button count of a count line as the author may have spaced it, or -1.
qint64 countOf(QByteArrayView text, std::string_view name) {
    text = trimmedStart(text);
    if (!text.startsWith(view(name.substr(0, name.find(' ')))))
        return -1;
    const std::string_view array = name.substr(name.find('=') + 2); // "new Array("
    text = trimmedStart(text.sliced(name.find(' ')));
    if (!text.startsWith('=') || !trimmedStart(text.sliced(1)).startsWith(view(array)))
        return -1;
    text = trimmedStart(text.sliced(1)).sliced(qsizetype(array.size()));
    qsizetype digits = 0;
    const qint64 value = numberAt(text, digits);
    return value >= 0 && text.sliced(digits).startsWith(')') ? value : -1;
}

// The button a key line names after `start` and before `end`, or -1.
qint64 buttonOf(QByteArrayView text, std::string_view start, std::string_view end) {
    if (!text.startsWith(view(start)))
        return -1;
    qsizetype digits = 0;
    const qint64 value = numberAt(text.sliced(qsizetype(start.size())), digits);
    return value > 0 && text.sliced(qsizetype(start.size()) + digits).startsWith(view(end)) ? value
                                                                                            : -1;
}

// Whether `count` bytes at `a` and `b` are the same. The parts of a line are short, so eight
// bytes at a time inline beat a call to memcmp (bench_page_read).
template <typename Word> bool sameWord(const char* a, const char* b) {
    Word x, y;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return x == y;
}

bool sameBytes(const char* a, const char* b, std::size_t count) {
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

// A normal picture's name in a button's img tag, checked once the script has given the name.
struct ImageCheck {
    qsizetype button, from, to;
    int line;
};

// The menu's direction from the first block read; every other block must agree.
bool takeMenuType(std::optional<MenuType>& menuType, bool vertical) {
    const MenuType type = vertical ? MenuType::Vertical : MenuType::Horizontal;
    if (!menuType)
        menuType = type;
    return *menuType == type;
}

// Takes a block up exactly as the writer puts it down, reading the values on the way, and
// stops at the first byte that differs.
class Matcher {
public:
    Matcher(QByteArrayView bytes, qsizetype at, QByteArrayView eol, qsizetype button, int line,
            std::optional<MenuType>& direction, const PageCharset& charset)
        : bytes_(bytes), at_(at), eol_(eol), button_(button), line_(line), direction_(direction),
          charset_(charset) {}

    bool ok() const { return ok_; }
    qsizetype at() const { return at_; }
    int lines() const { return lines_; }
    // The normal picture's name in the img tag, once the block is read whole.
    const std::optional<ImageCheck>& image() const { return image_; }

    void line(int indent, std::initializer_list<Part> parts) {
        beginLine(indent, parts);
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
            return PageEscaping::readScriptString(lineView(), at, text, charset_, exact);
        });
    }
    void linkStatement(QString& frame, QString& link) {
        read([&](qsizetype& at, bool& exact) {
            return PageEscaping::readLinkStatement(lineView(), at, frame, link, charset_, exact);
        });
    }
    void normalImageAttribute(const QString&) {
        const qsizetype quote = ok_ ? lineView().indexOf('"', at_) : -1;
        ok_ = quote >= 0;
        if (ok_)
            image_ = ImageCheck{button_, at_, quote, line_};
        at_ = ok_ ? quote : at_;
    }
    void lineBreak(MenuType) {
        const bool vertical = ok_ && bytes_.sliced(at_).startsWith(view(PageLayout::lineBreak));
        at_ += vertical ? qsizetype(PageLayout::lineBreak.size()) : 0;
        ok_ = ok_ && takeMenuType(direction_, vertical);
    }

private:
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
    // The bytes up to the current line's end, for the value readers.
    QByteArrayView lineView() const {
        const auto* newline = static_cast<const char*>(
            std::memchr(bytes_.data() + at_, '\n', std::size_t(bytes_.size() - at_)));
        return bytes_.first(newline ? newline - bytes_.data() : bytes_.size());
    }

    QByteArrayView bytes_;
    qsizetype at_;
    QByteArrayView eol_;
    std::optional<ImageCheck> image_;
    qsizetype button_;
    int line_, lines_ = 0;
    std::optional<MenuType>& direction_;
    const PageCharset& charset_;
    bool ok_ = true;
};

// One piece of a block's lines as the reader looks for it.
struct Piece {
    Kind kind;
    bool floating;
    std::string_view text; // fixed text: the layout's own, which lives as long as the program
    std::string number;    // a number's digits
    enum Value { Script, Link, Image } value = Script;
    QString* first = nullptr;
    QString* second = nullptr;
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
};

// Each region as a message names it, its possessive with it, which some languages decline.
const char* const regionNames[] = {
    QT_TRANSLATE_NOOP("MenuPage", "its count"), QT_TRANSLATE_NOOP("MenuPage", "its script"),
    QT_TRANSLATE_NOOP("MenuPage", "its link function"), QT_TRANSLATE_NOOP("MenuPage", "its menu")};

// Finds the menu in a page, wherever the author's HTML puts its blocks and whatever the author
// wrote among them, and keeps everything else as the page's frame. Its refusals are the page
// library's words.
class PageReader {
    Q_DECLARE_TR_FUNCTIONS(MenuPage)

public:
    explicit PageReader(const QByteArray& bytes)
        : page_(bytes), bytes_(page_), syntax_(bytes_), charset_(bytes_) {}

    PageReading read() {
        findKeys();
        if (!checkCounts())
            return refused();
        qsizetype low = 0; // keys_ stand in page order
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            const qsizetype high = i + 1 < keys_.size() ? keys_[i + 1].line : syntax_.lines();
            if (!readBlock(keys_[i], low, high))
                return refused();
            low = keys_[i].lastLine + 1;
        }
        if (!assemble())
            return refused();
        reading_.frame.bytes = page_; // shared, not copied
        return std::move(reading_);
    }

private:
    struct Key {
        int region;
        qint64 button;
        qsizetype line;
        qsizetype from = 0, to = 0; // the block's bytes, once read
        qsizetype lastLine = 0;     // and its last line
    };

    // A block's pieces and where each stands in the page; its lines, by their pieces.
    struct Block {
        std::vector<Piece> pieces;
        std::vector<qsizetype> marks;
        std::vector<std::pair<std::size_t, std::size_t>> lines{};
        qsizetype changedLine = 0, unreadable = 0; // line numbers, from 1
    };

    PageReading refused() { return {Menu{}, PageFrame{}, 0, refusal_, error_}; }
    qsizetype buttons() const { return reading_.menu.buttons.size(); }
    int lineNumber(qsizetype line) const { return int(line + 1); }
    QByteArrayView text(qsizetype line) const {
        return bytes_.sliced(syntax_.start(line), syntax_.end(line) - syntax_.start(line));
    }

    // The live lines that name a button (or count them): each block's key line.
    void findKeys() {
        keys_.reserve(4096);
        for (qsizetype line = 0; line < syntax_.lines(); ++line) {
            const QByteArrayView words = trimmedStart(text(line));
            if (words.isEmpty())
                continue;
            const auto key = [&](int region, qint64 button, PageSyntax::Context live) {
                if ((button > 0 || (region == PageLayout::Count && button >= 0)) &&
                    syntax_.context(line) == live)
                    keys_.push_back({region, button, line});
            };
            if (words.front() == '<') {
                key(PageLayout::Buttons, buttonOf(words, PageLayout::buttonMarker, " -->"),
                    PageSyntax::Html);
            } else if (words.front() == 'O') {
                // "OffMenuImage[i] =" starts a script block; its ".src" line is no second one.
                const qint64 button = buttonOf(words, PageLayout::offImage, "]");
                const QByteArrayView rest = button > 0
                                                ? trimmedStart(words.sliced(words.indexOf(']') + 1))
                                                : QByteArrayView();
                key(PageLayout::Script, rest.startsWith('=') ? button : -1, PageSyntax::Script);
                key(PageLayout::Count, countOf(words, PageLayout::offCount), PageSyntax::Script);
            } else if (words.front() == 'i') {
                key(PageLayout::Link, buttonOf(words, PageLayout::linkTest, ")"),
                    PageSyntax::Script);
            }
        }
    }

    // The count, and blocks for as many buttons in each region, each once.
    bool checkCounts() {
        std::array<std::vector<const Key*>, 4> found;
        for (const Key& key : keys_)
            found[std::size_t(key.region)].push_back(&key);
        const auto& counts = found[PageLayout::Count];
        if (counts.empty())
            return notOurs();
        if (counts.size() > 1)
            return twice(*counts[0], *counts[1]);
        const qint64 count = counts.front()->button;
        if (count == 0)
            return notOurs();
        if (count > MenuPage::maxButtons)
            return refuse(Refusal::TooManyButtons, tr("it has %1 buttons; a menu has at most %2")
                                                       .arg(count)
                                                       .arg(MenuPage::maxButtons));
        reading_.menu.buttons.resize(count);
        qsizetype held = 0;
        bool beyond = false;
        for (int region = PageLayout::Script; region <= PageLayout::Buttons; ++region) {
            std::vector<const Key*> seen(std::size_t(count) + 1, nullptr);
            qsizetype distinct = 0;
            for (const Key* key : found[std::size_t(region)]) {
                beyond = beyond || key->button > count;
                if (key->button > count)
                    continue;
                if (seen[std::size_t(key->button)])
                    return twice(*seen[std::size_t(key->button)], *key);
                seen[std::size_t(key->button)] = key;
                ++distinct;
            }
            held = qMax(held, beyond ? qsizetype(found[std::size_t(region)].size()) : distinct);
            heldIn_[std::size_t(region)] = distinct;
        }
        const bool allShort = heldIn_[1] == heldIn_[2] && heldIn_[2] == heldIn_[3] && held < count;
        if (beyond || (allShort && held > 0))
            return refuse(
                Refusal::Miscounted,
                tr("the page counts %n button(s) but holds %1", nullptr, int(count)).arg(held));
        for (int region = PageLayout::Script; region <= PageLayout::Buttons; ++region)
            if (heldIn_[std::size_t(region)] == 0)
                return !cutShort(counts.front()->line) &&
                       refuse(Refusal::ChangedByHand,
                              tr("%1 holds no lines for its buttons").arg(tr(regionNames[region])));
        for (int region = PageLayout::Script; region <= PageLayout::Link; ++region)
            if (heldIn_[std::size_t(region)] < count)
                return missingIn(region, found[std::size_t(region)]);
        return true;
    }

    // A region holds lines for some buttons but not all.
    bool missingIn(int region, const std::vector<const Key*>& keys) {
        std::vector<bool> has(std::size_t(buttons()) + 1, false);
        for (const Key* key : keys)
            has[std::size_t(key->button)] = true;
        const auto missing = std::find(has.begin() + 1, has.end(), false) - has.begin();
        return refuse(Refusal::ChangedByHand,
                      tr("%1 holds no lines for button %2; the lines for button "
                         "%3 stand at line %4")
                          .arg(tr(regionNames[region]))
                          .arg(missing)
                          .arg(keys.front()->button)
                          .arg(lineNumber(keys.front()->line)));
    }

    // Reads the block of `key`, which may reach from line `low` up to line `high`: as the
    // writer gives it where it can, else among the author's lines.
    bool readBlock(Key& key, qsizetype low, qsizetype high) {
        static constexpr qsizetype linesBeforeKey[] = {0, 4, 0, 0};
        const qsizetype first = key.line - linesBeforeKey[key.region];
        QByteArray& eol = reading_.frame.regions[std::size_t(key.region)].eol;
        if (reading_.frame.regions[std::size_t(key.region)].blocks.isEmpty())
            eol =
                bytes_.sliced(syntax_.end(key.line), syntax_.next(key.line) - syntax_.end(key.line))
                    .toByteArray();
        if (first >= low) {
            Matcher matcher(bytes_, syntax_.start(first), eol, key.button, lineNumber(first),
                            direction_, charset_);
            PageLayout::blocks<Matcher, Menu>[std::size_t(key.region)](matcher, reading_.menu,
                                                                       key.button);
            const qsizetype limit = high < syntax_.lines() ? syntax_.start(high) : bytes_.size();
            if (matcher.ok() && matcher.at() <= limit) {
                key.from = syntax_.start(first);
                key.to = matcher.at();
                key.lastLine = first + matcher.lines() - 1;
                if (matcher.image())
                    images_.push_back(*matcher.image());
                return place(key, {});
            }
        }
        return findBlock(key, low, high);
    }

    // The block among the author's lines: each of Tessel's lines found nearest the key line,
    // the author's lines between and inside them kept in the block's own form.
    bool findBlock(Key& key, qsizetype low, qsizetype high) {
        currentButton_ = key.button;
        Recorder recorder;
        PageLayout::blocks<Recorder, Menu>[std::size_t(key.region)](recorder, reading_.menu,
                                                                    key.button);
        Block block{recorder.pieces, std::vector<qsizetype>(2 * recorder.pieces.size(), 0)};
        for (std::size_t i = 0; i < block.pieces.size();) { // the lines, by their pieces
            std::size_t end = i + 1;
            while (block.pieces[i].kind != Kind::Blank && block.pieces[end - 1].kind != Kind::Eol)
                ++end;
            block.lines.push_back({i, end});
            i = end;
        }
        const PageSyntax::Context live =
            key.region == PageLayout::Buttons ? PageSyntax::Html : PageSyntax::Script;
        std::size_t keyLine = 0;
        while (keyLine < block.lines.size() &&
               (isBlankLine(block, keyLine) || !matchLine(block, keyLine, key.line)))
            ++keyLine;
        bool complete = keyLine < block.lines.size();
        qsizetype firstLine = key.line, lastLine = key.line;
        if (complete) { // backwards from the key line, then forwards
            qsizetype at = key.line - 1;
            for (std::size_t l = keyLine; l-- > 0 && complete;) {
                if (isBlankLine(block, l)) {
                    const bool there = at >= low && syntax_.isBlank(at);
                    markBlank(block, l, there ? at : at + 1, there);
                    at -= there;
                    continue;
                }
                qsizetype line = at;
                while (line >= low && !(syntax_.context(line) == live && matchLine(block, l, line)))
                    --line;
                complete = line >= low;
                firstLine = complete ? line : firstLine;
                at = line - 1;
            }
            at = key.line + 1;
            for (std::size_t l = keyLine + 1; l < block.lines.size() && complete; ++l) {
                if (isBlankLine(block, l)) {
                    const bool there = at < high && syntax_.isBlank(at);
                    markBlank(block, l, at, there);
                    lastLine = there ? at : lastLine;
                    at += there;
                    continue;
                }
                qsizetype line = at;
                while (line < high && !(syntax_.context(line) == live && matchLine(block, l, line)))
                    ++line;
                complete = line < high;
                lastLine = complete ? line : lastLine;
                at = line + 1;
            }
        }
        if (!complete)
            return readValuesAlone(key, block, high, live);
        key.from = syntax_.start(firstLine);
        key.to = syntax_.next(lastLine);
        key.lastLine = lastLine;
        BlockTemplate form = authorsForm(block, key.from, key.to);
        if (block.changedLine > 0)
            changed(block.changedLine - 1);
        // A form that differs from Tessel's own only in its values is Tessel's own.
        const QByteArray& eol = reading_.frame.regions[std::size_t(key.region)].eol;
        if (MenuPage::blockText(reading_.menu, key.region, key.button, form, eol) ==
            MenuPage::blockText(reading_.menu, key.region, key.button, {}, eol))
            form = {};
        return place(key, std::move(form));
    }

    // The block's bytes but for those the writer writes anew (the fixed text, the numbers and
    // the values), so that two blocks the author left alike have the same form.
    BlockTemplate authorsForm(const Block& block, qsizetype from, qsizetype to) const {
        BlockTemplate form;
        form.marks.reserve(qsizetype(block.marks.size()));
        qsizetype at = from;
        for (std::size_t p = 0; p < block.pieces.size(); ++p) {
            const qsizetype start = block.marks[2 * p], end = block.marks[2 * p + 1];
            form.bytes.append(bytes_.sliced(at, start - at));
            form.marks.append(qint32(form.bytes.size()));
            const Kind kind = block.pieces[p].kind;
            if (kind == Kind::Indent || kind == Kind::Eol || kind == Kind::Blank)
                form.bytes.append(bytes_.sliced(start, end - start));
            form.marks.append(qint32(form.bytes.size()));
            at = end;
        }
        form.bytes.append(bytes_.sliced(at, to - at));
        return form;
    }

    // A block whose lines are not all there: Tessel writes its own form of it in its place,
    // once its values are found.
    bool readValuesAlone(Key& key, Block& block, qsizetype high, PageSyntax::Context live) {
        qsizetype lastLine = key.line;
        for (std::size_t l = 0; l < block.lines.size(); ++l) {
            const auto [from, to] = block.lines[l];
            const bool values = std::any_of(block.pieces.begin() + qsizetype(from),
                                            block.pieces.begin() + qsizetype(to),
                                            [](const Piece& p) { return p.kind == Kind::Value; });
            qsizetype line = key.line;
            while (line < high && !(syntax_.context(line) == live && matchLine(block, l, line)))
                ++line;
            if (line < high)
                lastLine = qMax(lastLine, line);
            else if (values || cutShort(key.line))
                return changedBeyondReading(block.unreadable ? block.unreadable - 1 : key.line);
        }
        key.from = syntax_.start(key.line);
        key.to = syntax_.next(lastLine);
        key.lastLine = lastLine;
        changed(key.line);
        return place(key, {});
    }

    bool isBlankLine(const Block& block, std::size_t l) const {
        return block.pieces[block.lines[l].first].kind == Kind::Blank;
    }
    void markBlank(Block& block, std::size_t l, qsizetype line, bool there) {
        const std::size_t piece = block.lines[l].first;
        const qsizetype at = line < syntax_.lines() ? syntax_.start(line) : bytes_.size();
        block.marks[2 * piece] = at;
        block.marks[2 * piece + 1] = there ? syntax_.next(line) : at;
    }

    // Whether page line `line` is block line `l`, each of its pieces in order with the author's
    // bytes only where a piece may float; marks the pieces and reads the values where it is.
    bool matchLine(Block& block, std::size_t l, qsizetype line) {
        const auto [from, to] = block.lines[l];
        qsizetype at = syntax_.start(line);
        const qsizetype end = syntax_.end(line);
        const QByteArrayView lineView = bytes_.first(end);
        bool exact = true;
        std::optional<MenuType> menuType = direction_;
        std::optional<ImageCheck> image;
        for (std::size_t p = from; p < to; ++p) {
            Piece& piece = block.pieces[p];
            qsizetype mark = at;
            switch (piece.kind) {
            case Kind::Indent:
                while (at < end && (bytes_[at] == ' ' || bytes_[at] == '\t'))
                    ++at;
                break;
            case Kind::Text:
            case Kind::Number: {
                const QByteArrayView wanted =
                    piece.kind == Kind::Text ? view(piece.text) : view(piece.number);
                mark = piece.floating ? lineView.indexOf(wanted, at) : at;
                if (mark < 0 || !lineView.sliced(mark).startsWith(wanted))
                    return false;
                at = mark + wanted.size();
                break;
            }
            case Kind::Value:
                if (!readValue(piece, lineView, at, exact, image, line)) {
                    block.unreadable = block.unreadable ? block.unreadable : line + 1;
                    return false;
                }
                break;
            case Kind::Break: {
                const bool vertical = lineView.sliced(at).startsWith(view(PageLayout::lineBreak));
                at += vertical ? qsizetype(PageLayout::lineBreak.size()) : 0;
                exact = takeMenuType(menuType, vertical) && exact;
                break;
            }
            case Kind::Eol: // a line of Tessel's with no end is one cut short
                mark = end;
                at = syntax_.next(line);
                if (at == end)
                    return false;
                break;
            case Kind::Blank:
                break;
            }
            block.marks[2 * p] = mark;
            block.marks[2 * p + 1] = at;
        }
        direction_ = menuType;
        if (image)
            images_.push_back(*image);
        if (!exact && (block.changedLine == 0 || line < block.changedLine - 1))
            block.changedLine = line + 1;
        return true;
    }

    bool readValue(Piece& piece, QByteArrayView lineView, qsizetype& at, bool& exact,
                   std::optional<ImageCheck>& image, qsizetype line) {
        switch (piece.value) {
        case Piece::Script:
            return PageEscaping::readScriptString(lineView, at, *piece.first, charset_, exact);
        case Piece::Link:
            return PageEscaping::readLinkStatement(lineView, at, *piece.first, *piece.second,
                                                   charset_, exact);
        case Piece::Image: {
            const qsizetype quote = lineView.indexOf('"', at);
            if (quote < 0)
                return false;
            image = ImageCheck{currentButton_, at, quote, lineNumber(line)};
            at = quote;
            return true;
        }
        }
        return false;
    }

    // Keeps a block read, with its author's form where it has one.
    bool place(const Key& key, BlockTemplate form) {
        PageFrame::Region& region = reading_.frame.regions[std::size_t(key.region)];
        if (region.blocks.isEmpty())
            region.blocks.reserve(2 * buttons());
        region.blocks.append(key.from);
        region.blocks.append(key.to);
        if (placed_.empty())
            placed_.reserve(keys_.size());
        placed_.push_back(key);
        if (key.region == PageLayout::Count)
            reading_.frame.countLines = std::move(form);
        else
            reading_.menu.buttons[key.button - 1].ownLines[std::size_t(key.region - 1)] =
                std::move(form);
        return true;
    }

    // After every block: the regions apart from one another, each block where its button
    // stands, and the pictures in the menu as the script names them.
    bool assemble() {
        const std::vector<Key>& byPlace = placed_; // read in page order
        std::array<qsizetype, 4> next = {1, 1, 1, 1};
        std::array<bool, 4> done = {};
        int current = -1;
        for (const Key& key : byPlace) {
            if (key.region != current && done[std::size_t(key.region)])
                return refuse(Refusal::ChangedByHand,
                              tr("%1 and %2 are mixed at line %3")
                                  .arg(tr(regionNames[current]))
                                  .arg(tr(regionNames[key.region]))
                                  .arg(lineNumber(syntax_.lineAt(key.from))));
            if (current >= 0 && key.region != current)
                done[std::size_t(current)] = true;
            current = key.region;
            if (key.region != PageLayout::Count && key.button != next[std::size_t(key.region)])
                changed(syntax_.lineAt(key.from));
            ++next[std::size_t(key.region)];
        }
        if (heldIn_[PageLayout::Buttons] < buttons())
            changed(syntax_.lineAt(reading_.frame.regions[PageLayout::Buttons].to()));
        reading_.menu.iMenuType = direction_.value_or(MenuType::Vertical);
        PageBuffer written;
        for (const ImageCheck& image : images_) {
            written.clear();
            PageEscaping::appendHtmlAttribute(written,
                                              reading_.menu.buttons[image.button - 1].normalImage);
            if (written.view() != bytes_.sliced(image.from, image.to - image.from))
                changed(image.line - 1);
        }
        return true;
    }

    // A line (from 0) where the page's menu differs from Tessel's own form of it.
    void changed(qsizetype line) {
        const int number = lineNumber(line);
        if (reading_.changedLine == 0 || number < reading_.changedLine)
            reading_.changedLine = number;
    }

    bool notOurs() {
        if (PageCharset::isUtf16(bytes_))
            return refuse(Refusal::Encoding,
                          tr("it is written in UTF-16; Tessel reads pages in UTF-8 or "
                             "in an 8-bit encoding such as Windows-1252"));
        if (PageCharset::endsInCrAlone(bytes_))
            return refuse(Refusal::Encoding,
                          tr("its lines end in CR alone; Tessel reads pages whose "
                             "lines end in CR LF or in LF"));
        return refuse(Refusal::NotOurs, tr("it is not a menu page written by Tessel"));
    }

    // The whole sentence translated at once: the lines' words follow the region's in some
    // languages.
    bool twice(const Key& a, const Key& b) {
        return refuse(Refusal::Ambiguous,
                      a.region == PageLayout::Count
                          ? tr("its count of buttons stands twice, at lines %1 and %2")
                                .arg(lineNumber(a.line))
                                .arg(lineNumber(b.line))
                          : tr("the lines for button %1 stand twice in %2, at lines %3 and %4")
                                .arg(a.button)
                                .arg(tr(regionNames[a.region]))
                                .arg(lineNumber(a.line))
                                .arg(lineNumber(b.line)));
    }

    // Whether the page ends before its menu does, with no end of its HTML after `line`; says so.
    bool cutShort(qsizetype line) {
        const QByteArray rest = bytes_.sliced(syntax_.start(line)).toByteArray().toLower();
        if (rest.contains("</html"))
            return false;
        refuse(Refusal::CutShort, tr("the page is cut short"));
        return true;
    }

    bool changedBeyondReading(qsizetype line) {
        return !cutShort(line) &&
               refuse(Refusal::ChangedByHand,
                      tr("it was changed by hand where Tessel keeps the menu (line %1)")
                          .arg(lineNumber(line)));
    }

    bool refuse(Refusal why, const QString& text) {
        if (refusal_ == Refusal::None) {
            refusal_ = why;
            error_ = text;
        }
        return false;
    }

    const QByteArray page_;
    QByteArrayView bytes_;
    PageSyntax syntax_;
    std::vector<Key> keys_, placed_;
    std::array<qsizetype, 4> heldIn_ = {};
    std::vector<ImageCheck> images_;
    PageCharset charset_;
    std::optional<MenuType> direction_; // from the first block read; every other must agree
    qsizetype currentButton_ = 0;
    PageReading reading_;
    Refusal refusal_ = Refusal::None;
    QString error_;
};

} // namespace

PageReading MenuPage::read(const QByteArray& bytes) {
    return PageReader(bytes).read();
}

PageReading MenuPage::open(const QString& path) {
    const PageFile::Loaded loaded = PageFile::load(path, maxBytes);
    if (!loaded.error.isEmpty())
        return {Menu{}, PageFrame{}, 0, Refusal::NoFile, loaded.error};
    return read(loaded.bytes);
}
