#include "generator/MenuPage.h"

#include "generator/PageEscaping.h"
#include "generator/PageFile.h"
#include "generator/PageLayout.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedStart(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    return text;
}

QByteArrayView trimmed(QByteArrayView text) {
    text = trimmedStart(text);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Whether `count` bytes at `a` and `b` are the same. The parts of a line are short, so eight
// bytes at a time inline beat a call to memcmp.
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

// How much of `text` the indent and the parts take from its start, or -1 where they differ.
qsizetype prefixLength(QByteArrayView text, int indent,
                       std::initializer_list<std::string_view> parts) {
    static constexpr char blanks[] = "         ";
    if (text.size() < indent || !sameBytes(text.data(), blanks, std::size_t(indent)))
        return -1;
    qsizetype at = indent;
    for (const std::string_view part : parts) {
        const auto size = qsizetype(part.size());
        if (text.size() - at < size || !sameBytes(text.data() + at, part.data(), part.size()))
            return -1;
        at += size;
    }
    return at;
}

QByteArray joined(int indent, std::initializer_list<std::string_view> parts) {
    QByteArray text(indent, ' ');
    for (const std::string_view part : parts)
        text.append(part.data(), qsizetype(part.size()));
    return text;
}

// Where the page holds something no page of ours does: a byte beyond ASCII, a control
// character other than a tab, or a carriage return that ends no line. The line, or 0.
int foreignByteLine(QByteArrayView bytes) {
    const auto foreign = [](uchar c) {
        return (c >= 0x7F) | ((c < 0x20) & (c != '\t') & (c != '\n') & (c != '\r'));
    };
    const auto lineOf = [&](qsizetype at) { return int(bytes.first(at).count('\n')) + 1; };
    // Block by block with no branch a byte, so that the compiler tests many bytes at once.
    constexpr qsizetype block = 4096;
    for (qsizetype from = 0; from < bytes.size(); from += block) {
        const QByteArrayView part = bytes.sliced(from, qMin(block, bytes.size() - from));
        bool any = false;
        for (const char c : part)
            any |= foreign(uchar(c));
        for (qsizetype i = 0; any && i < part.size(); ++i)
            if (foreign(uchar(part[i])))
                return lineOf(from + i);
    }
    for (qsizetype at = bytes.indexOf('\r'); at >= 0; at = bytes.indexOf('\r', at + 1))
        if (at + 1 == bytes.size() || bytes[at + 1] != '\n')
            return lineOf(at);
    return 0;
}

// Takes the page up line by line in the order the writer put it down. Where a line is not
// what the writer gives, the page was changed by hand: the reader looks further on for the
// line it expects, notes that the page is not exact, and reads on.
class PageReader {
public:
    explicit PageReader(QByteArrayView bytes) : bytes_(bytes) {
        load(0);
        eol_ = next_ > 1 && bytes_[next_ - 2] == '\r' ? "\r\n" : "\n"; // as the page has them
    }

    bool exact = true;
    Refusal refusal = Refusal::None;
    QString error;
    qsizetype buttonCount = -1; // from the page's own count, once read

    bool ok() const { return refusal == Refusal::None; }

    // While the page is exactly as written, fixed lines are compared in place, as quickly as
    // they are written; from the first that differs on, lines are taken one by one.
    void line(int indent, std::initializer_list<std::string_view> parts) {
        if (!ok())
            return;
        if (fast_) {
            qsizetype at = start_;
            if (matchAt(at, indent, parts) && matchEol(at))
                return moveTo(at);
            fast_ = false;
        }
        findEnd();
        expectLine(joined(indent, parts));
    }

    void emptyLines(int count) {
        for (int i = 0; i < count && ok(); ++i) {
            qsizetype at = start_;
            if (fast_ && matchEol(at)) {
                moveTo(at);
                continue;
            }
            fast_ = false;
            findEnd();
            expectEmpty();
        }
    }

    // Finds the current line's end, which the quick comparison does not need.
    void findEnd() {
        if (!loaded_)
            load(start_);
    }

    void expectLine(QByteArrayView expected) {
        if (!ok())
            return;
        if (atEnd() || (unended_ && expected.startsWith(content())))
            return failCutShortOrChanged();
        if (content() == expected) {
            load(next_);
            return;
        }
        // Fixed text only marks the way: where the author took it out, read on from here.
        exact = false;
        const QByteArrayView wanted = trimmed(expected);
        const qsizetype here = start_;
        const int hereLine = lineNumber_;
        if (seek([&](QByteArrayView text) { return trimmed(text) == wanted; }, false)) {
            load(next_);
        } else if (ok()) {
            load(here);
            lineNumber_ = hereLine;
        }
    }

    void beginLine(int indent, std::initializer_list<std::string_view> parts) {
        findEnd();
        if (!ok())
            return;
        if (midLine_) { // the line goes on after a value
            const qsizetype length = prefixLength(rest(), indent, parts);
            if (length >= 0) {
                at_ += length;
                return;
            }
            exact = false;
            const QByteArray expected = joined(indent, parts);
            const qsizetype found = rest().indexOf(expected);
            if (found < 0)
                return failCutShortOrChanged();
            at_ += found + expected.size();
            return;
        }
        if (atEnd() || endsWithin(indent, parts))
            return failCutShortOrChanged();
        const qsizetype length = prefixLength(content(), indent, parts);
        if (length >= 0) {
            at_ = start_ + length;
        } else {
            exact = false;
            const QByteArray expected = joined(indent, parts);
            const QByteArrayView wanted = trimmed(expected);
            if (!seek([&](QByteArrayView text) { return trimmedStart(text).startsWith(wanted); }))
                return;
            at_ = end_ - trimmedStart(content()).size() + wanted.size();
        }
        midLine_ = true;
    }

    void endLine(std::string_view last) {
        findEnd();
        if (!ok())
            return;
        exact = exact && rest() == QByteArrayView(last.data(), qsizetype(last.size()));
        load(next_);
    }

    void expectEmpty() {
        if (!ok())
            return;
        if (atEnd())
            return failCutShortOrChanged();
        if (content().isEmpty())
            load(next_);
        else
            exact = false; // a line the author added is passed over by the next search
    }

    void title(QString& text) {
        findEnd();
        if (!ok())
            return;
        const QByteArrayView line = atEnd() ? QByteArrayView() : content();
        const qsizetype close = line.indexOf("</title>");
        if (!line.startsWith("<title>") || close < 0) {
            exact = false; // no title where the page keeps it
            return;
        }
        const QByteArrayView typed = line.sliced(7, close - 7);
        text = QString::fromLatin1(typed); // the page's own blank title writes itself back
        exact = exact && close + 8 == line.size() && foreignByteLine(typed) == 0;
        load(next_);
    }

    void count(QList<MenuButton>& buttons) {
        findEnd();
        if (!ok())
            return;
        qsizetype digits = 0;
        qint64 value = 0;
        while (digits < rest().size() && digits < 8 && rest()[digits] >= '0' &&
               rest()[digits] <= '9')
            value = value * 10 + (rest()[digits++] - '0');
        if (digits == 0 || value == 0)
            return unended_ && digits == rest().size() ? fail(Refusal::CutShort, cutShort())
                                                       : fail(Refusal::NotOurs, notOurs());
        if (value > MenuPage::maxButtons)
            return fail(Refusal::TooManyButtons,
                        QStringLiteral("it has %1 buttons; a menu has at most %2")
                            .arg(value)
                            .arg(MenuPage::maxButtons));
        exact = exact && rest()[0] != '0';
        at_ += digits;
        buttonCount = value;
        buttons.resize(value);
    }

    void scriptString(QString& text) {
        findEnd();
        if (ok() && !read([&](qsizetype& at) {
                return PageEscaping::readScriptString(lineView(), at, text, exact);
            }))
            failCutShortOrChanged();
    }

    void linkStatement(QString& frame, QString& link) {
        findEnd();
        if (ok() && !read([&](qsizetype& at) {
                return PageEscaping::readLinkStatement(lineView(), at, frame, link, exact);
            }))
            failCutShortOrChanged();
    }

    // The normal picture again, in the img tag: only checked against the script's.
    void normalImageAttribute(const QString& name) {
        findEnd();
        if (!ok())
            return;
        const qsizetype quote = rest().indexOf('"');
        if (quote < 0)
            return failCutShortOrChanged();
        const QByteArrayView attribute = rest().first(quote);
        const bool plain = std::all_of(attribute.begin(), attribute.end(),
                                       [](char c) { return c >= 0x20 && c < 0x7F && c != '&'; });
        if (!plain || attribute.size() != name.size() || QLatin1StringView(attribute) != name) {
            written_.clear(); // only a name with characters to escape is written otherwise
            PageEscaping::appendHtmlAttribute(written_, name);
            exact = exact && attribute == written_.view();
        }
        at_ += quote;
    }

    void buttonEnd(qint16& menuType) {
        findEnd();
        if (!ok())
            return;
        const bool vertical = rest() == "></a><br>";
        const qint16 type = vertical || rest().contains("<br>") ? 1 : 2;
        exact = exact && (vertical || rest() == "></a>") && (!typeSeen_ || type == menuType);
        if (!typeSeen_)
            menuType = type;
        typeSeen_ = true;
        load(next_);
    }

    // Anything after the last line but blank lines is the author's.
    void finish() {
        findEnd();
        if (!ok())
            return;
        exact = exact && !unended_;
        for (; !atEnd(); load(next_))
            exact = exact && content().isEmpty();
    }

    int lineNumber() const { return lineNumber_; }

private:
    bool atEnd() const { return start_ >= bytes_.size(); }
    QByteArrayView content() const { return bytes_.sliced(start_, end_ - start_); }
    QByteArrayView rest() const { return bytes_.sliced(at_, end_ - at_); }
    QByteArrayView lineView() const { return bytes_.first(end_); }

    bool matchAt(qsizetype& at, int indent, std::initializer_list<std::string_view> parts) const {
        const qsizetype length = prefixLength(bytes_.sliced(at), indent, parts);
        at += length;
        return length >= 0;
    }
    bool matchEol(qsizetype& at) const {
        const auto size = qsizetype(eol_.size());
        if (bytes_.size() - at < size || bytes_[at] != eol_[0] ||
            (size == 2 && bytes_[at + 1] != '\n'))
            return false;
        at += size;
        return true;
    }
    // Moves on to the line starting at `at`, its end yet unknown.
    void moveTo(qsizetype at) {
        start_ = at;
        ++lineNumber_;
        loaded_ = false;
    }

    // Makes the line starting at `start` the current one.
    void load(qsizetype start) {
        loaded_ = true;
        if (start > start_)
            ++lineNumber_; // always the next line
        start_ = at_ = start;
        midLine_ = false;
        const auto* found = static_cast<const char*>(
            std::memchr(bytes_.data() + start, '\n', std::size_t(bytes_.size() - start)));
        const qsizetype newline = found ? found - bytes_.data() : -1;
        unended_ = newline < 0 && start < bytes_.size();
        next_ = newline < 0 ? bytes_.size() : newline + 1;
        end_ = newline < 0 ? bytes_.size() : newline;
        if (end_ > start && bytes_[end_ - 1] == '\r')
            --end_;
    }

    // Moves on to the first line from here that `wanted` accepts. Where there is none, a
    // line that holds a value fails the reading; any line fails it once too many are missing,
    // which also bounds the time a page that is none of ours takes.
    template <typename Wanted> bool seek(const Wanted& wanted, bool holdsValue = true) {
        for (; !atEnd(); load(next_))
            if (wanted(content()))
                return true;
        if (holdsValue || ++missing_ > 16)
            failCutShortOrChanged();
        return false;
    }

    // A value from the current position on, read by `reader` within the line.
    template <typename Reader> bool read(const Reader& reader) {
        qsizetype at = at_;
        if (!reader(at))
            return false;
        at_ = at;
        return true;
    }

    static QString cutShort() { return QStringLiteral("the page is cut short"); }
    static QString notOurs() { return QStringLiteral("it is not a menu page written by Tessel"); }

    // Why the page ran out of what was expected. Before its count a page is told by its
    // head: one that ends while all was as written is cut short, any other is no page of ours.
    void failCutShortOrChanged() {
        if (buttonCount < 0)
            return exact ? fail(Refusal::CutShort, cutShort()) : fail(Refusal::NotOurs, notOurs());
        if (!bytes_.contains("</body></html>"))
            return fail(Refusal::CutShort, cutShort());
        fail(Refusal::ChangedByHand,
             QStringLiteral("it was changed by hand where Tessel keeps the menu (line %1)")
                 .arg(lineNumber_));
    }

    // The last line, with no end, is the start of what was expected: the rest is missing.
    bool endsWithin(int indent, std::initializer_list<std::string_view> parts) const {
        return unended_ && joined(indent, parts).startsWith(content());
    }

    void fail(Refusal why, const QString& text) {
        if (ok()) {
            refusal = why;
            error = text;
        }
    }

    QByteArrayView bytes_;
    std::string_view eol_;
    bool fast_ = true, loaded_ = false;
    PageBuffer written_;
    qsizetype start_ = 0, end_ = 0, next_ = 0, at_ = 0;
    int lineNumber_ = 1;
    int missing_ = 0;
    bool midLine_ = false, unended_ = false, typeSeen_ = false;
};

// How many button blocks the page holds, whatever its count says.
qsizetype buttonBlocks(QByteArrayView bytes) {
    qsizetype blocks = 0;
    for (qsizetype at = 0; (at = bytes.indexOf("<!-- Button ", at)) >= 0; ++at)
        blocks += at == 0 || bytes[at - 1] == '\n';
    return blocks;
}

} // namespace

PageReading MenuPage::read(QByteArrayView bytes) {
    PageReading reading;
    PageReader reader(bytes);
    PageLayout::page(reader, reading.menu);
    reader.finish();
    // A page read exactly holds only what the writer writes; any other page of ours is looked
    // through (a file that is no page at all is told so).
    if (const int line =
            (reader.exact && reader.ok()) || reader.buttonCount < 0 ? 0 : foreignByteLine(bytes)) {
        reading.refusal = Refusal::ForeignBytes;
        reading.error =
            QStringLiteral("line %1 holds characters Tessel never writes; its pages are plain "
                           "ASCII")
                .arg(line);
        return reading;
    }
    if (reader.buttonCount > 0 && (!reader.ok() || !reader.exact) &&
        bytes.contains("</body></html>")) {
        if (const qsizetype blocks = buttonBlocks(bytes); blocks != reader.buttonCount) {
            reader.refusal = Refusal::Miscounted;
            reader.error = QStringLiteral("the page counts %1 buttons but holds %2")
                               .arg(reader.buttonCount)
                               .arg(blocks);
        }
    }
    if (!reader.ok())
        return {Menu{}, false, reader.refusal, reader.error};
    reading.handEdited = !reader.exact;
    return reading;
}

PageReading MenuPage::open(const QString& path) {
    const PageFile::Loaded loaded = PageFile::load(path, maxBytes);
    if (!loaded.error.isEmpty())
        return {Menu{}, false, Refusal::NoFile, loaded.error};
    return read(loaded.bytes);
}
