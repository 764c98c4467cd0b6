#pragma once

#include "generator/MenuPage.h"
#include "generator/PageSyntax.h"

#include <QByteArrayView>
#include <QCoreApplication>

struct PageKey;

// Why a page cannot be read, in the page library's words: the first reason given stands.
// Each says, where it can, the line the reader stopped at. Every one returns false, the
// reading's answer, so that a check can end with it.
class PageRefusal {
    Q_DECLARE_TR_FUNCTIONS(MenuPage)

public:
    PageRefusal(QByteArrayView bytes, const PageSyntax& syntax) : bytes_(bytes), syntax_(syntax) {}

    Refusal why() const { return why_; }
    const QString& words() const { return words_; }

    // No count line: not one of Tessel's pages, one in an encoding Tessel does not read, or one
    // whose count stands inside another line.
    bool notOurs();
    bool twice(const PageKey& a, const PageKey& b);
    bool tooManyButtons(qint64 count);
    bool miscounted(qint64 count, qsizetype held);
    // A region with no block at all, seen from the count line at `line`.
    bool noLinesIn(int region, qsizetype line);
    bool missingIn(int region, qint64 missing, const PageKey& shown);
    bool mixed(int region, int other, qsizetype line);
    // Whether the page ends before its menu does, with no end of its HTML after `line`; says so.
    bool cutShort(qsizetype line);
    bool changedBeyondReading(qsizetype line);

private:
    bool refuse(Refusal why, const QString& words);
    static int lineNumber(qsizetype line) { return int(line + 1); }

    QByteArrayView bytes_;
    const PageSyntax& syntax_;
    Refusal why_ = Refusal::None;
    QString words_;
};
