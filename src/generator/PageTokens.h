#pragma once

#include "generator/PageLayout.h"

#include <initializer_list>
#include <string_view>

// A block's lines as a row of pieces, counted alike by the reader that finds a block among
// its author's lines and by the writer that writes the author's form of it again: each line's
// indent, its fixed text cut into words, its numbers and values, and its end; an empty line is
// one piece.
namespace PageTokens {

enum class Kind : quint8 { Indent, Text, Number, Value, Break, Eol, Blank };

// Where the author may have put bytes of their own before a word of Tessel's in a line: before
// a blank (an attribute, a word) or an angle bracket (a tag).
inline bool opensGap(char c) {
    return c == ' ' || c == '<' || c == '>';
}

// Turns a pass's calls into pieces for `Derived::piece(kind, text, floating)`; a floating
// piece may stand after bytes of the author's in its line. Values are the derived pass's own,
// each announced by `value()`.
template <typename Derived> class Pieces {
public:
    bool ok() const { return true; }
    void key(std::initializer_list<PageLayout::Part>) {}
    void line(int indent, std::initializer_list<PageLayout::Part> parts,
              std::initializer_list<PageLayout::Part> rest = {}) {
        beginLine(indent, parts);
        beginLine(0, rest);
        endLine({});
    }
    void beginLine(int, std::initializer_list<PageLayout::Part> parts) {
        if (!inLine_) {
            self().piece(Kind::Indent, {}, false);
            inLine_ = true;
            first_ = true;
        }
        for (const PageLayout::Part& part : parts)
            text(part);
    }
    void endLine(std::string_view last) {
        if (!last.empty())
            text(last);
        self().piece(Kind::Eol, {}, false);
        inLine_ = false;
    }
    void emptyLines(int count) {
        for (int i = 0; i < count; ++i)
            self().piece(Kind::Blank, {}, false);
    }

protected:
    void value(Kind kind = Kind::Value) {
        self().piece(kind, {}, false);
        first_ = false;
    }

private:
    void text(const PageLayout::Part& part) {
        if (part.isNumber) {
            self().piece(Kind::Number, part.text, false);
            first_ = false;
            return;
        }
        std::string_view rest = part.text;
        while (!rest.empty()) {
            std::size_t cut = 1;
            while (cut < rest.size() && !opensGap(rest[cut]))
                ++cut;
            self().piece(Kind::Text, rest.substr(0, cut), !first_ && opensGap(rest.front()));
            first_ = false;
            rest.remove_prefix(cut);
        }
    }
    Derived& self() { return static_cast<Derived&>(*this); }

    bool inLine_ = false, first_ = false;
};

} // namespace PageTokens
