#include "generator/PageRefusal.h"

#include "generator/PageCharset.h"
#include "generator/PageKeys.h"
#include "generator/PageLayout.h"

#include <algorithm>

namespace {

// Each region as a message names it, its possessive with it, which some languages decline.
const char* const regionNames[] = {
    QT_TRANSLATE_NOOP("MenuPage", "its count"), QT_TRANSLATE_NOOP("MenuPage", "its script"),
    QT_TRANSLATE_NOOP("MenuPage", "its link function"), QT_TRANSLATE_NOOP("MenuPage", "its menu")};

} // namespace

bool PageRefusal::notOurs() {
    if (PageCharset::isUtf16(bytes_))
        return refuse(Refusal::Encoding, tr("it is written in UTF-16; Tessel reads pages in UTF-8 "
                                            "or in an 8-bit encoding such as Windows-1252"));
    if (PageCharset::endsInCrAlone(bytes_))
        return refuse(Refusal::Encoding, tr("its lines end in CR alone; Tessel reads pages whose "
                                            "lines end in CR LF or in LF"));
    if (const qsizetype at = PageKeys::countWords(bytes_); at >= 0) {
        const qsizetype line = syntax_.lineAt(at);
        const QByteArrayView before = bytes_.sliced(syntax_.start(line), at - syntax_.start(line));
        const bool ownLine =
            std::all_of(before.begin(), before.end(), [](char c) { return c == ' ' || c == '\t'; });
        return refuse(Refusal::ChangedByHand,
                      ownLine ? tr("its count of buttons stands in a comment or outside its "
                                   "script (line %1), where no browser reads it")
                                    .arg(lineNumber(line))
                              : tr("its menu's lines were joined with others (line %1); Tessel "
                                   "finds them on lines of their own")
                                    .arg(lineNumber(line)));
    }
    return refuse(Refusal::NotOurs, tr("it is not a menu page written by Tessel"));
}

// The whole sentence translated at once: the lines' words follow the region's in some
// languages.
bool PageRefusal::twice(const PageKey& a, const PageKey& b) {
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

bool PageRefusal::tooManyButtons(qint64 count) {
    return refuse(
        Refusal::TooManyButtons,
        tr("it has %1 buttons; a menu has at most %2").arg(count).arg(MenuPage::maxButtons));
}

bool PageRefusal::miscounted(qint64 count, qsizetype held) {
    return refuse(Refusal::Miscounted,
                  tr("the page counts %n button(s) but holds %1", nullptr, int(count)).arg(held));
}

bool PageRefusal::noLinesIn(int region, qsizetype line) {
    return !cutShort(line) &&
           refuse(Refusal::ChangedByHand,
                  tr("%1 holds no lines for its buttons").arg(tr(regionNames[region])));
}

bool PageRefusal::missingIn(int region, qint64 missing, const PageKey& shown) {
    return refuse(Refusal::ChangedByHand, tr("%1 holds no lines for button %2; the lines for "
                                             "button %3 stand at line %4")
                                              .arg(tr(regionNames[region]))
                                              .arg(missing)
                                              .arg(shown.button)
                                              .arg(lineNumber(shown.line)));
}

bool PageRefusal::mixed(int region, int other, qsizetype line) {
    return refuse(Refusal::ChangedByHand, tr("%1 and %2 are mixed at line %3")
                                              .arg(tr(regionNames[region]))
                                              .arg(tr(regionNames[other]))
                                              .arg(lineNumber(line)));
}

bool PageRefusal::cutShort(qsizetype line) {
    constexpr std::string_view end = PageLayout::htmlEnd.substr(0, PageLayout::htmlEnd.size() - 1);
    const QByteArray rest = bytes_.sliced(syntax_.start(line)).toByteArray().toLower();
    if (rest.contains(QByteArrayView(end.data(), qsizetype(end.size()))))
        return false;
    refuse(Refusal::CutShort, tr("the page is cut short"));
    return true;
}

bool PageRefusal::changedBeyondReading(qsizetype line) {
    return !cutShort(line) &&
           refuse(Refusal::ChangedByHand,
                  tr("it was changed by hand where Tessel keeps the menu (line %1)")
                      .arg(lineNumber(line)));
}

bool PageRefusal::refuse(Refusal why, const QString& words) {
    if (why_ == Refusal::None) {
        why_ = why;
        words_ = words;
    }
    return false;
}
