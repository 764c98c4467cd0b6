#include "generator/PageSyntax.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string_view>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Whether `word` stands at `at`, in any case.
bool startsWithNoCase(QByteArrayView bytes, qsizetype at, QByteArrayView word) {
    return bytes.size() - at >= word.size() &&
           qstrnicmp(bytes.data() + at, word.data(), std::size_t(word.size())) == 0;
}
// Whether `word` stands at `at`, as it is.
template <std::size_t N>
bool startsWithAt(QByteArrayView bytes, qsizetype at, const char (&word)[N]) {
    return bytes.size() - at >= qsizetype(N - 1) &&
           std::memcmp(bytes.data() + at, word, N - 1) == 0;
}

template <std::size_t N>
bool startsWithNoCase(QByteArrayView bytes, qsizetype at, const char (&word)[N]) {
    return startsWithNoCase(bytes, at, QByteArrayView(word, N - 1));
}

} // namespace

// Reads the page as a browser does, a stretch at a time, and says in which state each line's
// first character stands. Comments are read as browsers read them: in the HTML from "<!--" to
// "-->", in a script from "/*" to "*/" and from "//", "<!--" or a line's leading "-->" to the
// line's end. Whatever starts in a script, "</script" ends it.
class PageSyntax::Reader {
public:
    explicit Reader(QByteArrayView bytes) : bytes_(bytes) { enter(Data, 0); }

    // The state of the byte at `at`; calls come with `at` never smaller than before. The bytes
    // that open a comment or a string are read in the state before it.
    PageSyntax::Context contextAt(qsizetype at) {
        while (stateEnd_ <= at && stateEnd_ < bytes_.size())
            step();
        switch (at < pos_ ? previous_ : state_) {
        case Data:
        case Tag:
            return PageSyntax::Html;
        case Code:
            return PageSyntax::Script;
        default:
            return PageSyntax::Other;
        }
    }

    // Whether the byte at `at` is plain HTML text or plain code, as `contextAt` asks.
    PageSyntax::Context settledAt(qsizetype at) {
        while (stateEnd_ <= at && stateEnd_ < bytes_.size())
            step();
        const State state = at < pos_ ? previous_ : state_;
        return state == Data   ? PageSyntax::Html
               : state == Code ? PageSyntax::Script
                               : PageSyntax::Other;
    }
    void resume(PageSyntax::Context context, qsizetype at) {
        enter(context == PageSyntax::Script ? Code : Data, at);
    }

private:
    enum State { Data, Tag, Comment, RawText, Code, LineComment, BlockComment, String };

    // Moves past the stretch in the current state and takes the next state.
    void step() {
        pos_ = stateEnd_;
        switch (state_) {
        case Data:
            return data();
        case Tag:
            return tag();
        case Comment:
        case RawText:
        case LineComment:
        case BlockComment:
        case String:
            return enter(next_, pos_);
        case Code:
            return code();
        }
    }

    // HTML text or script code from `at` on, to its next turn.
    void enter(State state, qsizetype at) {
        previous_ = state_ = state;
        pos_ = at;
        stateEnd_ = state == Data ? findTagStart(at) : findCodeTurn(at);
    }
    // A comment, a string or plain text from `from` to `until`, and `then` after it.
    void stay(State state, qsizetype from, qsizetype until, State then) {
        previous_ = state_;
        state_ = state;
        pos_ = from;
        stateEnd_ = qMax(from, until);
        next_ = then;
    }

    qsizetype size() const { return bytes_.size(); }
    // Where `what` next stands from `from` on, or the page's end.
    qsizetype find(char what, qsizetype from) const {
        const auto* found = from < size()
                                ? static_cast<const char*>(std::memchr(bytes_.data() + from, what,
                                                                       std::size_t(size() - from)))
                                : nullptr;
        return found ? found - bytes_.data() : size();
    }
    template <std::size_t N> qsizetype find(const char (&what)[N], qsizetype from) const {
        for (qsizetype at = find(what[0], from); at < size(); at = find(what[0], at + 1))
            if (startsWithAt(bytes_, at, what))
                return at;
        return size();
    }

    // The first "</script" from `from`, in any case, or the page's end.
    qsizetype scriptEnd(qsizetype from, qsizetype before) const {
        for (qsizetype at = from; at < before; ++at) {
            const auto* lt = static_cast<const char*>(
                std::memchr(bytes_.data() + at, '<', std::size_t(before - at)));
            if (!lt)
                break;
            at = lt - bytes_.data();
            if (startsWithNoCase(bytes_, at, "</script"))
                return at;
        }
        return before;
    }

    // HTML text runs to the next '<' that opens a tag or a comment.
    qsizetype findTagStart(qsizetype from) const {
        for (qsizetype at = from; at < size(); ++at) {
            const auto* lt = static_cast<const char*>(
                std::memchr(bytes_.data() + at, '<', std::size_t(size() - at)));
            if (!lt)
                return size();
            at = lt - bytes_.data();
            const char c = at + 1 < size() ? bytes_[at + 1] : '\0';
            if (isLetter(c) || c == '!' || c == '?' ||
                (c == '/' && at + 2 < size() && isLetter(bytes_[at + 2])))
                return at;
        }
        return size();
    }

    void data() {
        const qsizetype at = pos_;
        if (startsWithAt(bytes_, at, "<!--")) { // no letters: no case to ignore
            qsizetype inside = at + 4;
            if (startsWithAt(bytes_, inside, ">") || startsWithAt(bytes_, inside, "->"))
                return enter(Data, inside + (bytes_[inside] == '>' ? 1 : 2)); // "<!-->"
            const qsizetype close = find("-->", inside);
            return stay(Comment, inside, qMin(size(), close + 3), Data);
        }
        if (bytes_[at + 1] == '!' || bytes_[at + 1] == '?') { // a declaration or the like
            const qsizetype close = find('>', at);
            return stay(Comment, at + 2, qMin(size(), close + 1), Data);
        }
        qsizetype name = at + 1 + (bytes_[at + 1] == '/');
        qsizetype nameEnd = name;
        while (nameEnd < size() &&
               (isLetter(bytes_[nameEnd]) || (bytes_[nameEnd] >= '0' && bytes_[nameEnd] <= '9')))
            ++nameEnd;
        tagName_ = bytes_[at + 1] == '/' ? QByteArrayView() : bytes_.sliced(name, nameEnd - name);
        previous_ = state_ = Tag;
        pos_ = nameEnd;
        stateEnd_ = tagEnd(nameEnd);
    }

    // The end of a tag, just past its '>', with its attributes' quoted values passed over.
    qsizetype tagEnd(qsizetype from) const {
        for (qsizetype at = from; at < size(); ++at) {
            while (at < size() && bytes_[at] != '>' && bytes_[at] != '=')
                ++at;
            if (at == size())
                break;
            const char c = bytes_[at];
            if (c == '>')
                return at + 1;
            if (c == '=') {
                qsizetype value = at + 1;
                while (value < size() &&
                       (::isBlank(bytes_[value]) || bytes_[value] == '\n' || bytes_[value] == '\r'))
                    ++value;
                if (value < size() && (bytes_[value] == '"' || bytes_[value] == '\'')) {
                    at = find(bytes_[value], value + 1);
                }
            }
        }
        return size();
    }

    // After a tag: a script's code, the plain text of the elements that hold no tags, or HTML.
    // A browser with scripts on, as the menu needs, reads a noscript's content as plain text.
    void tag() {
        const QByteArrayView name = tagName_;
        const auto is = [&](std::string_view word) {
            return name.size() == qsizetype(word.size()) &&
                   startsWithNoCase(name, 0, QByteArrayView(word.data(), name.size()));
        };
        if (name.size() < 3 || name.size() > 8) // a, img, br, nav ... hold tags; no need to look
            return enter(Data, pos_);
        if (is("script"))
            return enter(Code, pos_);
        using namespace std::string_view_literals;
        static constexpr std::array raws = {"style"sv,  "title"sv,   "textarea"sv, "xmp"sv,
                                            "iframe"sv, "noembed"sv, "noframes"sv, "noscript"sv};
        for (const std::string_view raw : raws)
            if (is(raw)) {
                const QByteArray close = "</" + QByteArray(raw.data(), qsizetype(raw.size()));
                qsizetype end = pos_;
                while ((end = find("</", end)) < size() && !startsWithNoCase(bytes_, end, close))
                    end += 2;
                return stay(RawText, pos_, end, Data);
            }
        enter(Data, pos_);
    }

    // Script code runs to the next comment, string or "</script".
    qsizetype findCodeTurn(qsizetype from) const {
        static constexpr auto turns = [] {
            std::array<bool, 256> table = {};
            for (const char c : {'"', '\'', '`', '/', '<', '-'})
                table[uchar(c)] = true;
            return table;
        }();
        for (qsizetype at = from; at < size(); ++at) {
            while (at < size() && !turns[uchar(bytes_[at])])
                ++at;
            if (at == size())
                break;
            const char c = bytes_[at];
            if (c == '"' || c == '\'' || c == '`')
                return at;
            if (c == '/' && at + 1 < size() && (bytes_[at + 1] == '/' || bytes_[at + 1] == '*'))
                return at;
            if (c == '<' &&
                (startsWithNoCase(bytes_, at, "</script") || startsWithNoCase(bytes_, at, "<!--")))
                return at;
            if (c == '-' && startsWithAt(bytes_, at, "-->") && startsLine(at))
                return at;
        }
        return size();
    }

    bool startsLine(qsizetype at) const {
        while (at > 0 && ::isBlank(bytes_[at - 1]))
            --at;
        return at == 0 || bytes_[at - 1] == '\n';
    }

    void code() {
        const qsizetype at = pos_;
        if (at >= size())
            return;
        const char c = bytes_[at];
        if (c == '<' && startsWithNoCase(bytes_, at, "</script")) {
            tagName_ = {};
            previous_ = state_ = Tag;
            pos_ = at;
            stateEnd_ = tagEnd(at);
            return;
        }
        qsizetype end = 0, from = at + 1;
        State state = String;
        if (c == '"' || c == '\'' || c == '`') {
            end = at + 1;
            while (end < size() && bytes_[end] != c && (c == '`' || bytes_[end] != '\n'))
                end += bytes_[end] == '\\' ? 2 : 1;
            end = qMin(size(), end + 1);
        } else if (c == '/' && bytes_[at + 1] == '*') {
            state = BlockComment;
            from = at + 2;
            end = qMin(size(), find("*/", from) + 2);
        } else { // "//", "<!--" or "-->"
            state = LineComment;
            from = at + (c == '<' ? 4 : c == '-' ? 3 : 2);
            end = find('\n', at);
        }
        // "</script" ends the script wherever it stands.
        stay(state, from, scriptEnd(at + 1, end), Code);
    }

    QByteArrayView bytes_;
    qsizetype pos_ = 0, stateEnd_ = 0; // the current state's stretch
    State state_ = Data, next_ = Data, previous_ = Data;
    QByteArrayView tagName_;
};

PageSyntax::PageSyntax(QByteArrayView bytes) : bytes_(bytes), reader_(new Reader(bytes)) {
    starts_.reserve(std::size_t(bytes.size() / 24 + 2)); // pages' lines are seldom shorter
    starts_.push_back(0);
    const char* const data = bytes.data();
    qsizetype at = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time: a page's lines are short, and a call to find each one's end
    // costs more than its bytes (bench_page_read).
    const __m128i newline = _mm_set1_epi8('\n');
    for (; at + 16 <= bytes.size(); at += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        for (unsigned found = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, newline)));
             found != 0; found &= found - 1)
            starts_.push_back(at + std::countr_zero(found) + 1);
    }
#endif
    for (; at < bytes.size(); ++at)
        if (data[at] == '\n')
            starts_.push_back(at + 1);
    if (starts_.back() != bytes.size() || bytes.isEmpty())
        starts_.push_back(bytes.size()); // the last line, without a line end
}

PageSyntax::~PageSyntax() = default;

qsizetype PageSyntax::firstNonBlank(qsizetype line) const {
    qsizetype first = start(line);
    while (first < next(line) && ::isBlank(bytes_[first]))
        ++first;
    return first;
}

PageSyntax::Context PageSyntax::context(qsizetype line) {
    if (contexts_.empty() && line == asked_)
        return answer_;
    if (contexts_.empty() && line > asked_) {
        asked_ = line;
        answer_ = reader_->contextAt(firstNonBlank(line));
        return answer_;
    }
    if (contexts_.empty()) {
        Reader reader(bytes_);
        contexts_.reserve(std::size_t(lines()));
        for (qsizetype each = 0; each < lines(); ++each)
            contexts_.push_back(reader.contextAt(firstNonBlank(each)));
    }
    return Context(contexts_[std::size_t(line)]);
}

PageSyntax::Context PageSyntax::settled(qsizetype line) {
    const qsizetype at = start(line);
    if (at == 0)
        return Html;
    if (at <= resumed_)
        return resumedIn_;
    if (std::exchange(resumePending_, false)) // read on only where asked to
        reader_->resume(resumedIn_, resumed_);
    // The line end before it tells: a line starts where that one left off.
    return reader_->settledAt(at - 1);
}

void PageSyntax::resume(qsizetype line, Context context) {
    resumed_ = start(line);
    resumedIn_ = context;
    resumePending_ = true;
}

qsizetype PageSyntax::end(qsizetype line) const {
    qsizetype end = next(line);
    if (end > start(line) && bytes_[end - 1] == '\n')
        --end;
    if (end > start(line) && bytes_[end - 1] == '\r')
        --end;
    return end;
}

bool PageSyntax::isBlank(qsizetype line) const {
    for (qsizetype at = start(line); at < end(line); ++at)
        if (!::isBlank(bytes_[at]))
            return false;
    return true;
}

qsizetype PageSyntax::lines() const {
    return qsizetype(starts_.size()) - 1;
}

qsizetype PageSyntax::lineAt(qsizetype at) const {
    return qsizetype(std::upper_bound(starts_.begin(), starts_.end() - 1, at) - starts_.begin()) -
           1;
}
