#pragma once

#include "generator/Menu.h"
#include "generator/PageCharset.h"
#include "generator/PageKeys.h"
#include "generator/PageRefusal.h"
#include "generator/PageSyntax.h"

#include <QByteArrayView>

#include <optional>
#include <vector>

// A normal picture's name in a button's img tag, checked once the script has given the name.
struct ImageCheck {
    qsizetype button, from, to;
    int line;
    int spelt = -1; // where its line was spelt again: the name in the reading's `spelt`
};

// What reading a page has found so far, shared by the reader's parts.
struct ReadingState {
    QByteArrayView bytes;
    PageSyntax& syntax;
    const PageCharset& charset;
    PageRefusal& refusal;
    Menu menu = {};
    std::optional<MenuType> direction = {}; // from the first block read; every other must agree
    std::vector<ImageCheck> images = {};
    QByteArrayList spelt = {}; // the names of the images whose lines were spelt again
    int changedLine = 0;       // the first line, from 1, where the menu differs from Tessel's form

    // A line (from 0) where the page's menu differs from Tessel's own form of it.
    void changed(qsizetype line) {
        if (changedLine == 0 || line + 1 < changedLine)
            changedLine = int(line + 1);
    }
};

// Reads one block of a page as the layout gives it, its values into the menu: exactly, where
// the writer's own lines stand there, or else line by line among the author's lines, nearest
// its key line, the author's bytes among and inside them kept as the block's own form. A block
// whose lines are not all there is read for its values alone.
class PageMatcher {
public:
    explicit PageMatcher(ReadingState& state) : s_(state) {}

    // The block of `key`, which may reach from line `low` up to line `high`; Tessel's own
    // lines in it end in `eol`. Sets where the block stands and its author's form (empty where
    // it is Tessel's own). False where the page is refused.
    bool read(PageKey& key, qsizetype low, qsizetype high, const QByteArray& eol,
              BlockTemplate& form);

    // The block of `key` only where it stands there in the writer's own form.
    bool readExactly(PageKey& key, qsizetype low, qsizetype high, QByteArrayView eol);

private:
    struct Block;

    bool exact(PageKey& key, qsizetype low, qsizetype high, QByteArrayView eol);
    bool find(PageKey& key, qsizetype low, qsizetype high, const QByteArray& eol,
              BlockTemplate& form);
    bool readValuesAlone(PageKey& key, Block& block, std::size_t keyLine, qsizetype high,
                         qsizetype differs = -1);
    // The nearest line from `line` on, by `step`, within `low` to `high`, that is block line
    // `l`, live; or -1.
    qsizetype findLine(Block& block, std::size_t l, qsizetype line, int step, qsizetype low,
                       qsizetype high);
    bool matchLine(Block& block, std::size_t l, qsizetype line);
    bool matchPieces(Block& block, std::size_t l, qsizetype line, QByteArrayView text, qsizetype at,
                     bool spelt);
    QByteArray spelt(const Block& block, std::size_t l, QByteArrayView content) const;
    static QByteArray tessels(const Block& block, std::size_t l);
    qsizetype unpairedQuote(const Block& block) const;
    std::pair<qsizetype, qsizetype> readEarlierText(QString& text, QByteArrayView line,
                                                    qsizetype lineStart, qsizetype at,
                                                    bool& exact) const;
    BlockTemplate authorsForm(const Block& block, qsizetype from, qsizetype to) const;
    void markBlank(Block& block, std::size_t l, qsizetype line, bool there) const;
    bool endsInAuthorsBytes(const Block& block, std::size_t l) const;

    ReadingState& s_;
    qsizetype button_ = 0; // the button whose block is being read
    PageSyntax::Context live_ = PageSyntax::Html;
};
