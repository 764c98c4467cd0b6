#pragma once

#include "generator/Menu.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class PageBuffer;

// A page without its menu: everything around the blocks whose lines depend on the menu (the
// count lines, and each button's block in the script, the link function and the menu). It is
// the page's author's, kept byte for byte, between the blocks too; the menu is written into it.
struct PageFrame {
    struct Region {
        QList<qsizetype> blocks; // where each block starts and ends, in page order
        QByteArray eol = "\r\n"; // the line end its new blocks are written with

        qsizetype from() const { return blocks.first(); }
        qsizetype to() const { return blocks.last(); }
        qsizetype count() const { return blocks.size() / 2; }
        bool operator==(const Region&) const = default;
    };
    // The menu a page read intact held: its blocks stand in `bytes` as they are written.
    struct ReadMenu {
        std::shared_ptr<const Menu> menu;
        bool operator==(const ReadMenu& other) const {
            return menu == other.menu || (menu && other.menu && *menu == *other.menu);
        }
    };
    QByteArray bytes; // the page as it was read
    PageForm form = PageForm::Classic;
    std::array<Region, 4> regions; // count lines, script, link function, menu; as the form has
    BlockTemplate countLines;      // the author's form of the count lines
    ReadMenu read;
    bool operator==(const PageFrame&) const = default;
};

// Why a page could not be read.
enum class Refusal {
    None,
    NotOurs,        // no menu page written by Tessel at all
    Encoding,       // in an encoding or with line ends Tessel does not read
    CutShort,       // one of ours, ending before its menu does
    Miscounted,     // its count does not match its button blocks
    TooManyButtons, // more than a menu can have
    Ambiguous,      // a button's lines stand twice, both live
    ChangedByHand,  // changed where Tessel keeps the menu, beyond reading
    NoFile,         // missing, a folder, not a regular file, too large or unreadable
};

// The result of reading a page: the menu it holds and the frame around it, or why it could
// not be read.
struct PageReading {
    Menu menu;
    PageFrame frame;
    // Where the lines that hold the menu first differ from what the writer gives (a hand
    // change that still reads), or 0: writing `menu` into `frame` then gives the page again.
    int changedLine = 0;
    Refusal refusal = Refusal::None;
    QString error; // the refusal in words; empty when the page was read
    bool operator==(const PageReading&) const = default;
};

// The text of a menu page: an HTML page whose script swaps each button's picture under the
// mouse and opens its link.
namespace MenuPage {

// A new page: Tessel's own frame, lines ending in CR LF, pure ASCII.
QByteArray text(const Menu& menu);

// The menu written into a page's own frame, each region with its own line end. A classic page
// takes an HTML5 menu into the HTML5 form, keeping every line of its author's; an HTML5 page
// stays in its form.
QByteArray text(const Menu& menu, const PageFrame& frame);

// The same text as pieces to be written one after another: the blocks of buttons unchanged
// since the page was read are taken from the page itself, and only the rest is written, into
// `written`, which the pieces point into too.
std::vector<QByteArrayView> pieces(const Menu& menu, const PageFrame& frame, PageBuffer& written);

// Block `i` of a region (in PageLayout's order) as written for `menu`, with lines ending in
// `eol`; in the author's form `form` where that is not empty.
QByteArray blockText(const Menu& menu, int region, qsizetype i, const BlockTemplate& form,
                     QByteArrayView eol);

// The menu's lines as they go into a page of the author's, after its marker, in the menu's
// form: its style and menu (HTML5), or its script and buttons (classic); lines ending in `eol`.
QByteArray insertedMenu(const Menu& menu, QByteArrayView eol);

// The menu a page holds, found by its own lines wherever the author's HTML puts them.
PageReading read(const QByteArray& bytes);
// The same, every line of the page read for what it is, without the shortcut `read` takes
// through a page whose blocks stand as the writer puts them; both give the same.
PageReading readLineByLine(const QByteArray& bytes);

// Whether a value of the menu keeps bytes its page's encoding cannot read, which stay as they
// stood and keep the page read as changed by hand there.
bool keepsUnreadableBytes(const Menu& menu);

// Reads the page file at `path`, refusing anything no page can be before reading it whole.
PageReading open(const QString& path);

// The most buttons a menu has, and the most bytes its page can take: every field as long as
// the wizard's text boxes take, every picture name as long as a file name can be, and a
// generous allowance for the author's own HTML.
constexpr qsizetype maxButtons = 1000;
constexpr qint64 maxBytes =
    64 * 1024 * 1024 + maxButtons * (1000 + 4 * 255 * 2 + 6 * 255 + 15 * 32767);

} // namespace MenuPage
