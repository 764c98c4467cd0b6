#pragma once

#include "generator/Menu.h"

#include <QByteArray>
#include <QString>

// Why a page could not be read.
enum class Refusal {
    None,
    NotOurs,        // no menu page written by Tessel at all
    CutShort,       // one of ours, ending before its last line
    Miscounted,     // its count does not match its button blocks
    TooManyButtons, // more than a menu can have
    ForeignBytes,   // bytes Tessel never writes
    ChangedByHand,  // changed where Tessel keeps the menu, beyond reading
    NoFile,         // missing, a folder, not a regular file, too large or unreadable
};

// The result of reading a page: the menu it holds, or why it could not be read.
struct PageReading {
    Menu menu;
    // The page differs from what writing `menu` gives, beyond its title and its line ends:
    // writing it again would lose those changes.
    bool handEdited = false;
    Refusal refusal = Refusal::None;
    QString error; // the refusal in words; empty when the page was read
};

// The text of a menu page: an HTML page whose script swaps each button's picture under the
// mouse and opens its link. Lines end in CR LF, the last one too; the text is pure ASCII.
namespace MenuPage {

QByteArray text(const Menu& menu);

// The menu that `text` was written from. Lines may end in LF alone; the title is the author's.
PageReading read(QByteArrayView bytes);

// Reads the page file at `path`, refusing anything no page can be before reading it whole.
PageReading open(const QString& path);

// The most buttons a menu has, and the most bytes its page can take: every field as long as
// the wizard's text boxes take, every picture name as long as a file name can be, and a
// generous title.
constexpr qsizetype maxButtons = 1000;
constexpr qint64 maxBytes = 64 * 1024 + maxButtons * (1000 + 4 * 255 * 2 + 6 * 255 + 15 * 32767);

} // namespace MenuPage
