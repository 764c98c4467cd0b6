#include "generator/PageCanon.h"

#include <optional>
#include <vector>

namespace {

struct Attribute {
    QByteArrayView name, value, stood; // `stood`: the whole attribute as written
    char quote = 0;                    // '"', '\'' or none
    bool hasValue = false;
};

// A tag of the line, or the text before the next one.
struct Item {
    QByteArrayView text; // the text, or the tag as written
    bool isTag = false, closing = false, closed = false, selfClosing = false;
    QByteArrayView name = {};
    std::vector<Attribute> attributes = {};
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\f';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    return a.size() == b.size() && qstrnicmp(a.data(), b.data(), std::size_t(a.size())) == 0;
}

// An attribute from `at` on, as a browser reads it in a tag; none where its value is left open
// at the line's end.
std::optional<Attribute> attribute(QByteArrayView line, qsizetype& at) {
    Attribute read;
    const qsizetype start = at;
    while (at < line.size() && !isBlank(line[at]) && line[at] != '>' && line[at] != '/' &&
           (line[at] != '=' || at == start))
        ++at;
    read.name = line.sliced(start, at - start);
    qsizetype after = at;
    while (after < line.size() && isBlank(line[after]))
        ++after;
    if (after < line.size() && line[after] == '=') {
        read.hasValue = true;
        at = after + 1;
        while (at < line.size() && isBlank(line[at]))
            ++at;
        const char quote = at < line.size() ? line[at] : 0;
        if (quote == '"' || quote == '\'') {
            const qsizetype end = line.indexOf(quote, at + 1);
            if (end < 0)
                return std::nullopt;
            read.quote = quote;
            read.value = line.sliced(at + 1, end - at - 1);
            at = end + 1;
        } else {
            const qsizetype from = at;
            while (at < line.size() && !isBlank(line[at]) && line[at] != '>')
                ++at;
            read.value = line.sliced(from, at - from);
        }
    }
    read.stood = line.sliced(start, at - start);
    return read;
}

// The tags of a line and the text between them; none where a tag cannot be read whole.
std::optional<std::vector<Item>> items(QByteArrayView line) {
    std::vector<Item> read;
    qsizetype text = 0;
    for (qsizetype at = 0; at < line.size();) {
        const bool closing = at + 1 < line.size() && line[at + 1] == '/';
        const qsizetype nameAt = at + 1 + closing;
        if (line[at] != '<' || nameAt >= line.size() || !isLetter(line[nameAt])) {
            ++at;
            continue;
        }
        if (at > text)
            read.push_back({line.sliced(text, at - text)});
        Item tag{{}, true, closing};
        qsizetype end = nameAt;
        while (end < line.size() && !isBlank(line[end]) && line[end] != '>' && line[end] != '/')
            ++end;
        tag.name = line.sliced(nameAt, end - nameAt);
        while (end < line.size() && !tag.closed) {
            if (isBlank(line[end])) {
                ++end;
            } else if (line[end] == '>') {
                tag.closed = true;
                ++end;
            } else if (line[end] == '/') {
                tag.selfClosing = end + 1 < line.size() && line[end + 1] == '>';
                ++end;
            } else if (const std::optional<Attribute> next = attribute(line, end); next) {
                tag.attributes.push_back(*next);
            } else {
                return std::nullopt;
            }
        }
        tag.text = line.sliced(at, end - at);
        read.push_back(tag);
        at = text = end;
    }
    if (text < line.size())
        read.push_back({line.sliced(text)});
    return read;
}

// A value between double quotes, as it means the same between the quotes it stood in.
void appendQuoted(QByteArray& out, const Attribute& attribute) {
    out += '"';
    for (const char c : attribute.value)
        out += c == '"' ? QByteArrayView("&quot;") : QByteArrayView(&c, 1);
    out += '"';
}

// The author's tag in the spelling of Tessel's `own`; none where it is another tag or holds
// an attribute twice.
std::optional<QByteArray> spelt(const Item& tag, const Item& own) {
    if (!sameName(tag.name, own.name) || tag.closing != own.closing)
        return std::nullopt;
    QByteArray out = QByteArray(tag.closing ? "</" : "<") + own.name.toByteArray();
    std::vector<bool> used(tag.attributes.size(), false);
    for (const Attribute& wanted : own.attributes) {
        for (std::size_t a = 0; a < tag.attributes.size(); ++a) {
            const Attribute& given = tag.attributes[a];
            if (!sameName(given.name, wanted.name))
                continue;
            if (used[a] || given.hasValue != wanted.hasValue)
                return std::nullopt;
            used[a] = true;
            out += ' ';
            out += wanted.name;
            const bool plain =
                !given.value.isEmpty() && !given.value.contains('"') && !given.value.contains('\'');
            if (given.hasValue && (wanted.quote || !plain)) {
                out += '=';
                appendQuoted(out, given);
            } else if (given.hasValue) {
                out += '=';
                out += given.value;
            }
        }
    }
    for (std::size_t a = 0; a < tag.attributes.size(); ++a) { // the author's own, as they stood
        for (std::size_t b = 0; b < a; ++b)
            if (sameName(tag.attributes[a].name, tag.attributes[b].name))
                return std::nullopt;
        if (!used[a])
            out += ' ' + tag.attributes[a].stood.toByteArray();
    }
    if (tag.selfClosing)
        out += " /";
    if (tag.closed)
        out += '>';
    return out;
}

} // namespace

QByteArray PageCanon::html(QByteArrayView line, QByteArrayView tessels) {
    if (!line.startsWith('<')) { // within a tag an earlier line opened
        if (!line.contains('\'') || line.contains('"'))
            return {};
        return line.toByteArray().replace('\'', '"');
    }
    const std::optional<std::vector<Item>> given = items(line), own = items(tessels);
    if (!given || !own)
        return {};
    QByteArray out;
    std::size_t next = 0; // Tessel's next tag
    for (const Item& item : *given) {
        while (next < own->size() && !(*own)[next].isTag)
            ++next;
        if (!item.isTag || next >= own->size()) {
            out += item.text;
            continue;
        }
        const std::optional<QByteArray> tag = spelt(item, (*own)[next++]);
        if (!tag)
            return {};
        out += *tag;
    }
    return out == line ? QByteArray() : out;
}

QByteArray PageCanon::script(QByteArrayView line) {
    QByteArray out;
    bool changed = false;
    for (qsizetype at = 0; at < line.size();) {
        const char c = line[at];
        if (c == '/' && at + 1 < line.size() && (line[at + 1] == '/' || line[at + 1] == '*')) {
            out += line.sliced(at); // a comment: the rest as it stands
            break;
        }
        if (c != '"' && c != '\'') {
            out += c;
            ++at;
            continue;
        }
        // A string up to its closing quote, its escapes as they are but for the quotes.
        out += '"';
        qsizetype i = at + 1;
        for (; i < line.size() && line[i] != c; ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                if (c == '\'' && line[i + 1] == '\'')
                    out += '\'';
                else
                    out += line.sliced(i, 2);
                ++i;
            } else if (line[i] == '"') {
                out += "\\\"";
            } else {
                out += line[i];
            }
        }
        if (i >= line.size())
            return {}; // a string left open
        out += '"';
        changed = changed || c == '\'';
        at = i + 1;
    }
    return changed ? out : QByteArray();
}
