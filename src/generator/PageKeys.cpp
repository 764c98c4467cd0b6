#include "generator/PageKeys.h"

#include "generator/PageCanon.h"
#include "generator/PageLayout.h"
#include "generator/PageRefusal.h"

#include <algorithm>
#include <cstring>

namespace {

using PageLayout::Part;

QByteArrayView view(std::string_view text) {
    return {text.data(), qsizetype(text.size())};
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedStart(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front()))
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

// A block's key line as the layout puts it down: the parts it is known by (fixed text, or the
// number), and how many of the block's lines stand before it.
struct KeyShape {
    struct Known {
        std::string_view text; // the layout's own, which lives as long as the program
        bool isNumber;
    };
    std::vector<Known> known;
    qsizetype linesBefore = 0;

    bool ok() const { return true; }
    void key(std::initializer_list<Part> parts) {
        for (const Part& part : parts)
            known.push_back({part.isNumber ? std::string_view() : part.text, part.isNumber});
    }
    void line(int, std::initializer_list<Part>, std::initializer_list<Part> = {}) { endLine({}); }
    void beginLine(int, std::initializer_list<Part>) {}
    void endLine(std::string_view) { linesBefore += known.empty(); }
    void emptyLines(int count) { linesBefore += known.empty() ? count : 0; }
    void scriptString(const QString&) {}
    void linkStatement(const QString&, const QString&) {}
    void normalImageAttribute(const QString&) {}
    void optionalAlt(const QString&) {}
    void lineBreak(MenuType) {}
    void address(const QString&) {}
    void target(const QString&) {}
    void currentPage(bool) {}
    void buttonText(const QString&, const QString&) {}
    void sameText(const QString&, const QString&) {}

    // The number a line names where it has this shape, or -1.
    qint64 numberIn(QByteArrayView text) const {
        qint64 number = -1;
        for (const Known& part : known) {
            if (part.isNumber) {
                qsizetype digits = 0;
                if ((number = numberAt(text, digits)) < 0)
                    return -1;
                text = text.sliced(digits);
                continue;
            }
            std::string_view wanted = part.text;
            if (isBlank(wanted.front())) { // any run of blanks
                while (!wanted.empty() && isBlank(wanted.front()))
                    wanted.remove_prefix(1);
                text = trimmedStart(text);
            }
            if (text.size() < qsizetype(wanted.size()) ||
                std::memcmp(text.data(), wanted.data(), wanted.size()) != 0)
                return -1;
            text = text.sliced(qsizetype(wanted.size()));
        }
        return number;
    }
};

// Each region's key line, read once from the layout: the classic form's four, then the HTML5
// form's count (its menu's blocks have the classic form's key line).
constexpr std::size_t html5Count = 4;
constexpr PageForm formOf(std::size_t shape) {
    return shape == html5Count ? PageForm::Html5 : PageForm::Classic;
}
constexpr int regionOf(std::size_t shape) {
    return shape == html5Count ? PageLayout::Count : int(shape);
}

const std::array<KeyShape, 5>& shapes() {
    static const std::array<KeyShape, 5> shapes = [] {
        const Menu menu{MenuType::Vertical, {MenuButton{}}};
        std::array<KeyShape, 5> all;
        for (std::size_t shape = 0; shape < all.size(); ++shape)
            PageLayout::block<KeyShape, const Menu>(formOf(shape), regionOf(shape))(all[shape],
                                                                                    menu, 1);
        return all;
    }();
    return shapes;
}

// For each byte a line may start with, the shapes of key lines that start with it.
const std::array<quint8, 256>& shapesByFirstByte() {
    static const std::array<quint8, 256> starting = [] {
        std::array<quint8, 256> table = {};
        for (std::size_t shape = 0; shape < shapes().size(); ++shape)
            table[uchar(shapes()[shape].known.front().text.front())] |= quint8(1u << shape);
        return table;
    }();
    return starting;
}

} // namespace

namespace {

// The HTML5 form's count line as Tessel spells it, where its author spelt it otherwise.
QByteArray spelt(QByteArrayView words) {
    if (words.size() < 4 || qstrnicmp(words.data(), "<nav", 4) != 0)
        return {};
    static const QByteArray tessels = [] {
        QByteArray line;
        for (const KeyShape::Known& part : shapes()[html5Count].known)
            line += part.isNumber ? QByteArrayView("1") : view(part.text);
        return line;
    }();
    return PageCanon::html(words, tessels);
}

// Each key that line `line` has the shape of, live or not, given to `found` with the context it
// must stand in to be live.
template <typename Found>
void keysOn(QByteArrayView bytes, const PageSyntax& syntax, qsizetype line, const Found& found) {
    const QByteArrayView words =
        trimmedStart(bytes.sliced(syntax.start(line), syntax.end(line) - syntax.start(line)));
    if (words.isEmpty())
        return;
    const quint8 starts = shapesByFirstByte()[uchar(words.front())];
    if (starts == 0)
        return;
    const std::array<KeyShape, 5>& all = shapes();
    for (std::size_t shape = 0; shape < all.size(); ++shape) {
        if (!(starts & (1u << shape)))
            continue;
        qint64 button = all[shape].numberIn(words);
        if (button < 0 && shape == html5Count)
            button = all[shape].numberIn(spelt(words));
        const int region = regionOf(shape);
        if (button > 0 || (region == PageLayout::Count && button >= 0))
            found(PageKey{region, button, line, formOf(shape)},
                  PageLayout::inScript(formOf(shape), region) ? PageSyntax::Script
                                                              : PageSyntax::Html);
    }
}

} // namespace

std::vector<PageKey> PageKeys::find(QByteArrayView bytes, PageSyntax& syntax) {
    std::vector<PageKey> keys;
    keys.reserve(4096);
    for (qsizetype line = 0; line < syntax.lines(); ++line)
        keysOn(bytes, syntax, line, [&](const PageKey& key, PageSyntax::Context live) {
            if (syntax.context(line) == live)
                keys.push_back(key);
        });
    return keys;
}

int PageKeys::keysIn(QByteArrayView bytes, const PageSyntax& syntax, qsizetype line, PageKey& key) {
    int count = 0;
    keysOn(bytes, syntax, line, [&](const PageKey& found, PageSyntax::Context) {
        key = found;
        ++count;
    });
    return count;
}

qsizetype PageKeys::countWords(QByteArrayView bytes) {
    for (const std::size_t shape : {std::size_t(PageLayout::Count), html5Count}) {
        const KeyShape& count = shapes()[shape];
        const QByteArrayView first = view(count.known.front().text);
        for (qsizetype at = bytes.indexOf(first); at >= 0; at = bytes.indexOf(first, at + 1))
            if (count.numberIn(bytes.sliced(at)) >= 0)
                return at;
    }
    return -1;
}

qsizetype PageKeys::linesBeforeKey(PageForm form, int region) {
    return shapes()[form == PageForm::Html5 && region == PageLayout::Count ? html5Count
                                                                           : std::size_t(region)]
        .linesBefore;
}

bool PageKeys::check(std::vector<PageKey>& keys, PageRefusal& refusal, Counted& counted) {
    std::array<std::vector<const PageKey*>, 4> found;
    for (const PageKey& key : keys)
        found[std::size_t(key.region)].push_back(&key);
    const auto& counts = found[PageLayout::Count];
    if (counts.empty())
        return refusal.notOurs();
    if (counts.size() > 1)
        return refusal.twice(*counts[0], *counts[1]);
    const qint64 count = counted.count = counts.front()->button;
    const PageForm form = counted.form = counts.front()->form;
    if (count == 0)
        return refusal.notOurs();
    if (count > MenuPage::maxButtons)
        return refusal.tooManyButtons(count);
    std::array<qsizetype, 4>& held = counted.held;
    qsizetype most = 0;
    bool beyond = false;
    for (int region = PageLayout::Script; region <= PageLayout::Buttons; ++region) {
        if (!PageLayout::hasRegion(form, region))
            continue;
        std::vector<const PageKey*> seen(std::size_t(count) + 1, nullptr);
        qsizetype distinct = 0;
        for (const PageKey* key : found[std::size_t(region)]) {
            beyond = beyond || key->button > count;
            if (key->button > count)
                continue;
            if (seen[std::size_t(key->button)])
                return refusal.twice(*seen[std::size_t(key->button)], *key);
            seen[std::size_t(key->button)] = key;
            ++distinct;
        }
        most = qMax(most, beyond ? qsizetype(found[std::size_t(region)].size()) : distinct);
        held[std::size_t(region)] = distinct;
    }
    const bool allShort =
        (form == PageForm::Html5 || (held[1] == held[2] && held[2] == held[3])) && most < count;
    if (beyond || (allShort && most > 0))
        return refusal.miscounted(count, most);
    for (int region = PageLayout::Script; region <= PageLayout::Buttons; ++region)
        if (PageLayout::hasRegion(form, region) && held[std::size_t(region)] == 0)
            return refusal.noLinesIn(region, counts.front()->line);
    for (int region = PageLayout::Script; region <= PageLayout::Link && form == PageForm::Classic;
         ++region) {
        if (held[std::size_t(region)] == count)
            continue;
        std::vector<bool> has(std::size_t(count) + 1, false);
        for (const PageKey* key : found[std::size_t(region)])
            has[std::size_t(key->button)] = true;
        const auto missing = std::find(has.begin() + 1, has.end(), false) - has.begin();
        return refusal.missingIn(region, missing, *found[std::size_t(region)].front());
    }
    std::erase_if(keys,
                  [&](const PageKey& key) { return !PageLayout::hasRegion(form, key.region); });
    return true;
}
