#pragma once

#include "generator/Menu.h"
#include "generator/PageSyntax.h"

#include <QByteArrayView>

#include <array>
#include <vector>

class PageRefusal;

// A block's key line as found in a page, and once read the block's bytes around it.
struct PageKey {
    int region;    // PageLayout's
    qint64 button; // from 1; in the count region, the count
    qsizetype line;
    PageForm form = PageForm::Classic; // where the count's line says it
    qsizetype from = 0, to = 0;        // the block's bytes, once read
    qsizetype lastLine = 0;            // and its last line
};

// The lines by which the reader finds the menu in a page: each block's key line, in the
// shape the page's layout gives it, wherever the author's HTML puts it.
namespace PageKeys {

// Every live key line of the page, in page order.
std::vector<PageKey> find(QByteArrayView bytes, PageSyntax& syntax);

// How many keys line `line` has the shape of, live or not; `key` is the last of them.
int keysIn(QByteArrayView bytes, const PageSyntax& syntax, qsizetype line, PageKey& key);

// Where the words of a count's key line stand in the page, live or not, as a byte offset; or
// -1. In a page whose count no key found, they were joined into another line (by a tool, say)
// or stand where no script reads them.
qsizetype countWords(QByteArrayView bytes);

// How many lines of a block of `region` stand before its key line.
qsizetype linesBeforeKey(PageForm form, int region);

// The count, and a block for as many buttons in each region of the page's form, each once;
// else refused. The count, the form, and how many distinct blocks each region holds; the keys
// of regions the form has not (a line of the author's that looks like one) are dropped.
struct Counted {
    qint64 count = 0;
    PageForm form = PageForm::Classic;
    std::array<qsizetype, 4> held = {};
};
bool check(std::vector<PageKey>& keys, PageRefusal& refusal, Counted& counted);

} // namespace PageKeys
