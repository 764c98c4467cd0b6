#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <memory>

// A block of a page's own lines as its author left them: Tessel's lines with the author's
// bytes among and inside them. `bytes` is the block as read, and each of Tessel's pieces in it
// (a piece of fixed text, a number, a value, a line's indent or end) stands at a mark: piece k
// from marks[2k] to marks[2k + 1]. Written again, every byte stays but for the numbers and the
// values, which are written anew. Empty: the block is in Tessel's own form.
struct BlockTemplate {
    // A line of Tessel's the author spelt otherwise (quotes, the order and case of attributes)
    // where a browser reads it alike: `bytes` holds it as Tessel spells it, `canonical`, and it
    // is written back as the author spelt it, `original`, while it comes out the same.
    struct KeptLine {
        qint32 firstPiece = 0, eolPiece = 0;
        QByteArray canonical, original;
        bool operator==(const KeptLine&) const = default;
    };

    QByteArray bytes;
    QList<qint32> marks;
    QList<KeptLine> kept;

    bool isEmpty() const { return bytes.isEmpty(); }
    // How many lines of the block are the author's alone, none of Tessel's pieces on them.
    qsizetype authorsLines() const {
        qsizetype lines = 0, mark = 0;
        for (qsizetype start = 0; start < bytes.size();) {
            const qsizetype newline = bytes.indexOf('\n', start);
            const qsizetype next = newline < 0 ? bytes.size() : newline + 1;
            const bool tessels = mark < marks.size() && marks[mark] < next;
            while (mark < marks.size() && marks[mark] < next)
                mark += 2; // each piece by where it starts
            lines += !tessels && !bytes.sliced(start, next - start).trimmed().isEmpty();
            start = next;
        }
        return lines;
    }
    bool operator==(const BlockTemplate&) const = default;
};

// The author's forms of a button's blocks, one per region after the count. Most buttons have
// none, so none takes no room, and copies of a button share them.
class ButtonForms {
public:
    using Forms = std::array<BlockTemplate, 3>;

    const BlockTemplate& operator[](std::size_t region) const { return all()[region]; }
    void set(std::size_t region, BlockTemplate form) {
        if (!forms_ && form.isEmpty())
            return;
        auto forms = std::make_shared<Forms>(all());
        (*forms)[region] = std::move(form);
        forms_ = std::move(forms);
    }
    Forms::const_iterator begin() const { return all().begin(); }
    Forms::const_iterator end() const { return all().end(); }
    bool operator==(const ButtonForms& other) const {
        return forms_ == other.forms_ || all() == other.all(); // shared: the same at once
    }

private:
    const Forms& all() const {
        static const Forms none = {};
        return forms_ ? *forms_ : none;
    }
    std::shared_ptr<const Forms> forms_;
};

// What a menu page is written from: plain data, no widgets.
struct MenuButton {
    QString normalImage; // file name of the picture shown normally
    QString overImage;   // file name of the picture shown under the mouse
    QString link;
    QString frame; // empty: open the link in the parent window
    // What the button says to a screen reader, and in a browser that shows no picture.
    QString text = {};
    // The author's form of the button's block in the script, the link function and the menu,
    // carried with the button wherever it goes.
    ButtonForms ownLines = {};
    // In a page of a site: the button's link leads to that page, which the button shows.
    bool current = false;

    bool operator==(const MenuButton&) const = default;
};

// The menu's direction: its buttons one under the other, or in a row. The numbers are those the
// command line takes.
enum class MenuType : qint16 { Vertical = 1, Horizontal = 2 };

// The page's form: the classic one, whose script opens each link, or HTML5, whose buttons are
// real links and swap their pictures by style alone, under the mouse and the keyboard's focus.
enum class PageForm : qint16 { Classic = 1, Html5 = 2 };

struct Menu {
    MenuType iMenuType = MenuType::Vertical;
    QList<MenuButton> buttons;
    PageForm form = PageForm::Classic;
    // A new HTML5 page's title and language; the author's own stand in a page they have.
    QString title = QStringLiteral("Menu");
    QString language = QStringLiteral("en");

    bool operator==(const Menu&) const = default;
    // The same menu, whatever form of their lines each page gives its buttons.
    bool sameValues(Menu other) const {
        Menu self = *this;
        for (Menu* menu : {&self, &other})
            for (MenuButton& button : menu->buttons)
                button.ownLines = {};
        return self == other;
    }
};
