#include "generator/MenuPage.h"

#include "generator/PageEscaping.h"
#include "generator/PageFile.h"
#include "generator/PageLayout.h"

#include <cstring>
#include <initializer_list>

namespace {

using PageLayout::Decimal;

QByteArrayView view(std::string_view text) {
    return {text.data(), qsizetype(text.size())};
}

QByteArrayView trimmedStart(QByteArrayView text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    return text;
}

// Without blanks at either end, nor a line end.
QByteArrayView trimmed(QByteArrayView text) {
    text = trimmedStart(text);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                               text.back() == '\n'))
        text.chop(1);
    return text;
}

// The button count of a count line as the author may have spaced it, or -1.
qint64 countOf(QByteArrayView text, std::string_view name) {
    text = trimmedStart(text);
    if (!text.startsWith(view(name.substr(0, name.find(' ')))))
        return -1;
    text = trimmedStart(text.sliced(name.find(' ')));
    if (!text.startsWith('=') || !trimmedStart(text.sliced(1)).startsWith("new Array("))
        return -1;
    text = trimmedStart(text.sliced(1)).sliced(10);
    qint64 value = 0;
    qsizetype digits = 0;
    for (; digits < text.size() && digits < 8 && text[digits] >= '0' && text[digits] <= '9';
         ++digits)
        value = value * 10 + (text[digits] - '0');
    return digits > 0 && text.sliced(digits).startsWith(')') ? value : -1;
}

// The page line by line: each line's text without its end, and its number.
class Lines {
public:
    explicit Lines(QByteArrayView bytes) : bytes_(bytes) { moveTo(0, 1); }

    bool atEnd() const { return start_ >= bytes_.size(); }
    qsizetype start() const { return start_; }
    qsizetype previous() const { return previous_; }
    int number() const { return number_; }
    QByteArrayView text() const { return bytes_.sliced(start_, end_ - start_); }
    QByteArrayView eol() const { return bytes_.sliced(end_, next_ - end_); }
    // Where the text starts after its indent.
    qsizetype indented() const { return end_ - trimmedStart(text()).size(); }

    void moveTo(qsizetype start, int number) {
        start_ = previous_ = qMin(start, bytes_.size());
        number_ = number;
        const auto* found =
            start_ < bytes_.size()
                ? static_cast<const char*>(std::memchr(bytes_.data() + start_, '\n',
                                                       std::size_t(bytes_.size() - start_)))
                : nullptr;
        end_ = found ? found - bytes_.data() : bytes_.size();
        next_ = found ? end_ + 1 : bytes_.size();
        if (found && end_ > start_ && bytes_[end_ - 1] == '\r')
            --end_;
    }
    void advance() {
        const qsizetype previous = start_;
        moveTo(next_, number_ + 1);
        previous_ = previous;
    }
    // Moves to the first line from here whose text, indent and trailing blanks aside, `wanted`
    // accepts; false, at the end, where there is none.
    template <typename Wanted> bool find(const Wanted& wanted) {
        for (; !atEnd(); advance())
            if (wanted(trimmed(text())))
                return true;
        return false;
    }

private:
    QByteArrayView bytes_;
    qsizetype start_ = 0, end_ = 0, next_ = 0, previous_ = 0;
    int number_ = 1;
};

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

// Takes a region up exactly as the writer puts it down, reading the values on the way, and
// stops at the first byte that differs: the line where the page was changed by hand.
class Matcher {
public:
    Matcher(QByteArrayView bytes, qsizetype at, int line, QByteArrayView eol)
        : bytes_(bytes), at_(at), line_(line), eol_(eol) {}

    bool ok() const { return ok_; }
    qsizetype at() const { return at_; }
    int line() const { return line_; }

    void line(int indent, std::initializer_list<std::string_view> parts) {
        beginLine(indent, parts);
        endLine({});
    }
    void beginLine(int indent, std::initializer_list<std::string_view> parts) {
        static constexpr char blanks[] = "         ";
        take({blanks, std::size_t(indent)});
        for (const std::string_view part : parts)
            take(part);
    }
    void endLine(std::string_view last) {
        take(last);
        take({eol_.data(), std::size_t(eol_.size())});
        line_ += ok_;
    }
    void emptyLines(int count) {
        for (int i = 0; i < count; ++i)
            endLine({});
    }

    void count(const QList<MenuButton>& buttons) { take(Decimal(buttons.size())); }
    void scriptString(QString& text) {
        read([&](qsizetype& at, bool& exact) {
            return PageEscaping::readScriptString(lineView(), at, text, exact);
        });
    }
    void linkStatement(QString& frame, QString& link) {
        read([&](qsizetype& at, bool& exact) {
            return PageEscaping::readLinkStatement(lineView(), at, frame, link, exact);
        });
    }
    // The normal picture again, in the img tag: as the writer spells the script's.
    void normalImageAttribute(const QString& name) {
        written_.clear();
        PageEscaping::appendHtmlAttribute(written_, name);
        take({written_.view().data(), std::size_t(written_.size())});
    }
    void buttonEnd(qint16& menuType) {
        const qsizetype at = at_;
        take(PageLayout::verticalEnd);
        const qint16 type = ok_ ? 1 : 2;
        if (!ok_) {
            ok_ = true;
            at_ = at;
            take(PageLayout::horizontalEnd);
        }
        ok_ = ok_ && (!typeSeen_ || type == menuType);
        menuType = type;
        typeSeen_ = true;
        endLine({});
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
    int line_;
    QByteArrayView eol_;
    bool ok_ = true, typeSeen_ = false;
    PageBuffer written_;
};

// How many menu blocks the page holds, whatever its count says.
qsizetype blocksIn(QByteArrayView bytes) {
    qsizetype blocks = 0;
    for (Lines lines(bytes); !lines.atEnd(); lines.advance())
        blocks += trimmedStart(lines.text()).startsWith(view(PageLayout::buttonMarker));
    return blocks;
}

// The start of a key line for button `i`: as the writer spells it, up to `end`.
QByteArray key(std::string_view start, int i, std::string_view end) {
    const Decimal digits(i);
    const std::string_view number = digits;
    return view(start).toByteArray() + view(number).toByteArray() + view(end).toByteArray();
}

auto startingWith(const QByteArray& start) {
    return [start](QByteArrayView text) { return text.startsWith(start); };
}

// The first line of button `i`'s block in the menu.
auto marker(int i) {
    return [line = key(PageLayout::buttonMarker, i, " -->")](QByteArrayView text) {
        return text == line;
    };
}

// Finds the menu's four regions in the page, wherever the author's HTML puts them, and reads
// each as the writer gives it; a region changed by hand is read by its values alone.
class PageReader {
public:
    explicit PageReader(const QByteArray& bytes) : page_(bytes), bytes_(page_), lines_(bytes_) {}

    PageReading read() {
        if (!countRegion() || !scriptRegion() || !linkRegion() || !menuRegion())
            return {Menu{}, PageFrame{}, 0, refusal_, error_};
        reading_.frame.bytes = page_; // shared, not copied
        return std::move(reading_);
    }

private:
    using Region = PageFrame::Region;
    enum Section { Count, Script, Link, Buttons };

    int buttons() const { return int(reading_.menu.buttons.size()); }

    bool countRegion() {
        const auto isCount = [](QByteArrayView text) {
            return countOf(text, PageLayout::offCount) >= 0;
        };
        const qint64 count =
            lines_.find(isCount) ? countOf(lines_.text(), PageLayout::offCount) : 0;
        if (count == 0)
            return refuse(Refusal::NotOurs,
                          QStringLiteral("it is not a menu page written by Tessel"));
        if (count > MenuPage::maxButtons)
            return refuse(Refusal::TooManyButtons,
                          QStringLiteral("it has %1 buttons; a menu has at most %2")
                              .arg(count)
                              .arg(MenuPage::maxButtons));
        reading_.menu.buttons.resize(count);
        return region(Count, [this] {
            lines_.advance();
            if (!lines_.atEnd() && countOf(lines_.text(), PageLayout::overCount) >= 0)
                lines_.advance();
            return true;
        });
    }

    bool scriptRegion() {
        const QByteArray banner = view(PageLayout::bannerButton).toByteArray() + '1';
        const QByteArray first = key(PageLayout::offImage, 1, "]");
        if (!lines_.find(
                [&](QByteArrayView text) { return text == banner || text.startsWith(first); }))
            return missing(Script);
        // The banner's first line of slashes goes with it.
        const QByteArrayView before =
            bytes_.sliced(lines_.previous(), lines_.start() - lines_.previous());
        if (trimmed(lines_.text()) == banner && trimmed(before) == view(PageLayout::slashes54))
            lines_.moveTo(lines_.previous(), lines_.number() - 1);
        return region(Script, [this] {
            for (int i = 1; i <= buttons(); ++i) {
                MenuButton& button = reading_.menu.buttons[i - 1];
                if (!value(key(PageLayout::offImage, i, PageLayout::sourceIs),
                           button.normalImage) ||
                    !value(key(PageLayout::overImage, i, PageLayout::sourceIs), button.overImage))
                    return false;
            }
            takeEmptyLine();
            return true;
        });
    }

    bool linkRegion() {
        if (!lines_.find(startingWith(key(PageLayout::linkTest, 1, ")"))))
            return missing(Link);
        return region(Link, [this] {
            for (int i = 1; i <= buttons(); ++i) {
                MenuButton& button = reading_.menu.buttons[i - 1];
                if (!find(startingWith(key(PageLayout::linkTest, i, ")")), Link))
                    return false;
                lines_.advance();
                bool exact = true;
                qsizetype at = lines_.indented();
                if (lines_.atEnd() || !PageEscaping::readLinkStatement(lineView(), at, button.frame,
                                                                       button.link, exact))
                    return changedAt(lines_.number());
                lines_.advance();
            }
            return true;
        });
    }

    bool menuRegion() {
        if (!lines_.find(marker(1)))
            return missing(Buttons);
        return region(Buttons, [this] {
            // A block taken out leaves the menu readable: its values stand in the script.
            qsizetype end = lines_.start();
            int number = lines_.number();
            bool typeSeen = false;
            for (int i = 1; i <= buttons(); ++i) {
                if (!lines_.find(marker(i))) {
                    lines_.moveTo(end, number);
                    continue;
                }
                if (!lines_.find(startingWith(view(PageLayout::imageStart).toByteArray())))
                    return missing(Buttons);
                if (!typeSeen)
                    reading_.menu.iMenuType = lines_.text().contains("<br>") ? 1 : 2;
                typeSeen = true;
                lines_.advance();
                takeEmptyLine();
                end = lines_.start();
                number = lines_.number();
            }
            lines_.moveTo(end, number);
            return typeSeen || missing(Buttons);
        });
    }

    // Reads the region that starts at the current line: as the writer gives it where it can,
    // else by `values`, which leaves the lines at the region's end.
    template <typename Values> bool region(Section section, const Values& values) {
        Region& region = reading_.frame.regions[section];
        region.from = lines_.start();
        if (!lines_.eol().isEmpty())
            region.eol = lines_.eol().toByteArray();
        Matcher matcher(bytes_, region.from, lines_.number(), region.eol);
        PageLayout::regions<Matcher, Menu>[section](matcher, reading_.menu);
        if (matcher.ok()) {
            lines_.moveTo(matcher.at(), matcher.line());
        } else {
            if (reading_.changedLine == 0)
                reading_.changedLine = matcher.line();
            if (!values())
                return false;
            if (lines_.atEnd() && !bytes_.endsWith('\n')) // it stops in the middle of a line
                return refuse(Refusal::CutShort, QStringLiteral("the page is cut short"));
        }
        region.to = lines_.start();
        return !followedByAnotherBlock(section) || miscounted();
    }

    // Whether a block of one button more than the page counts follows a region.
    bool followedByAnotherBlock(Section section) {
        const int extra = buttons() + 1;
        Lines next = lines_;
        const QByteArrayView line = trimmed(next.text());
        next.advance();
        switch (section) {
        case Script:
            return line.startsWith(key(PageLayout::offImage, extra, "]")) ||
                   trimmed(line == view(PageLayout::slashes54) ? next.text() : line) ==
                       key(PageLayout::bannerButton, extra, {});
        case Link:
            return line.startsWith(key(PageLayout::linkTest, extra, ")"));
        case Buttons:
            return line == key(PageLayout::buttonMarker, extra, " -->");
        default:
            return false;
        }
    }

    // Moves to the key line of a section from here on; where there is none, says why.
    template <typename Wanted> bool find(const Wanted& wanted, Section section) {
        expected_ = lines_.number();
        return lines_.find(wanted) || missing(section);
    }

    // Reads the script string on the key line from here on.
    bool value(const QByteArray& keyLine, QString& text) {
        if (!find(startingWith(keyLine), Script))
            return false;
        bool exact = true;
        qsizetype at = lines_.indented() + keyLine.size();
        if (!PageEscaping::readScriptString(lineView(), at, text, exact))
            return changedAt(lines_.number());
        lines_.advance();
        return true;
    }

    void takeEmptyLine() {
        if (!lines_.atEnd() && trimmed(lines_.text()).isEmpty())
            lines_.advance();
    }

    QByteArrayView lineView() const { return bytes_.first(lines_.start() + lines_.text().size()); }

    // A section's key line is missing: the page ends before the sections after it, it holds
    // another number of buttons than it counts, or it was changed where its menu is.
    bool missing(Section section) {
        static constexpr std::string_view later[] = {
            {}, PageLayout::linkTest, PageLayout::buttonMarker, {}};
        const qsizetype from = reading_.frame.regions[Count].from;
        if (later[section].empty() || !bytes_.sliced(from).contains(view(later[section])))
            return refuse(Refusal::CutShort, QStringLiteral("the page is cut short"));
        return blocksIn(bytes_) != buttons() ? miscounted() : changedAt(expected_);
    }

    bool miscounted() {
        return refuse(Refusal::Miscounted, QStringLiteral("the page counts %1 buttons but holds %2")
                                               .arg(buttons())
                                               .arg(blocksIn(bytes_)));
    }

    bool changedAt(int line) {
        return refuse(Refusal::ChangedByHand,
                      QStringLiteral("it was changed by hand where Tessel keeps the menu (line %1)")
                          .arg(line));
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
    Lines lines_;
    PageReading reading_;
    Refusal refusal_ = Refusal::None;
    QString error_;
    int expected_ = 0; // where the key line looked for was expected
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
