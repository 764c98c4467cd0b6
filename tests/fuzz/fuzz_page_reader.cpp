// Feeds the page reader any bytes (clang's libFuzzer, TESSEL_FUZZ), read as the window reads
// them and line by line, alike. A page read intact comes
// back byte for byte when its menu is written into its frame; any page read, once written
// back, reads again intact, with the same menu and the author's bytes before it, and writes
// the same bytes again.
//
// The same bytes also put an author's lines into a page Tessel wrote, at any line boundary,
// among the buttons too: the page reads intact with its menu, and after a link changes and a
// button is added every one of those lines is still there, in its order. And they are a page
// of an author's that a site's menu goes into at its marker.
#include "generator/MenuPage.h"
#include "generator/PageBuffer.h"
#include "generator/SitePage.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkAnyPage(const QByteArray& bytes) {
    const PageReading reading = MenuPage::read(bytes);
    if (!(reading == MenuPage::readLineByLine(bytes))) // the shortcut through a page agrees
        std::abort();
    if (reading.refusal != Refusal::None)
        return;
    const QByteArray page = MenuPage::text(reading.menu, reading.frame);
    if (reading.changedLine == 0 && page != bytes)
        std::abort();
    // Written as Finish writes it, the blocks unchanged since reading taken from the page.
    Menu changed = reading.menu;
    if (!changed.buttons.isEmpty())
        changed.buttons.last().link += "x";
    for (const Menu& menu : {reading.menu, changed}) {
        PageBuffer written;
        QByteArray pieced;
        for (const QByteArrayView piece : MenuPage::pieces(menu, reading.frame, written))
            pieced += piece;
        if (pieced != MenuPage::text(menu, reading.frame))
            std::abort();
    }
    const PageReading again = MenuPage::read(page);
    qsizetype head = bytes.size(); // the author's bytes before the first block
    for (const PageFrame::Region& region : reading.frame.regions)
        head = region.blocks.isEmpty() ? head : qMin(head, region.from()); // as the form has
    if (again.refusal != Refusal::None ||
        (again.changedLine != 0 && !MenuPage::keepsUnreadableBytes(again.menu)) ||
        !again.menu.sameValues(reading.menu) || MenuPage::text(again.menu, again.frame) != page ||
        page.first(head) != bytes.first(head))
        std::abort();
}

void checkAuthorsLines(const std::uint8_t* data, std::size_t size) {
    static const QByteArrayList authors = {
        "<hr class=\"sep\">",
        "</li><li>",
        "// a note",
        "/* OffMenuImage[1].src = \"old.gif\" */",
        "<!-- <img src=\"old.gif\" Name=\"But1\" border=0></a><br> -->",
        "// if (i == 1)",
        "<p>Caf\xC3\xA9</p>",
        "   ",
        "",
        "\t<!-- Button bar -->",
        "<li>",
        "-->"};
    static const QStringList values = {"a.gif", "", "caf\u00e9.html", "x\"y", "main", "_blank"};
    if (size < 2)
        return;
    Menu menu{data[0] & 1 ? MenuType::Horizontal : MenuType::Vertical,
              {},
              data[0] & 8 ? PageForm::Html5 : PageForm::Classic};
    for (int i = 0; i <= (data[0] >> 1) % 4; ++i)
        menu.buttons.append({values[(data[1] + i) % values.size()], "o.gif",
                             values[(data[1] / 6 + i) % values.size()],
                             values[(data[1] / 36 + i) % values.size()],
                             values[(data[0] / 16 + i) % values.size()]});
    QByteArrayList lines = MenuPage::text(menu).split('\n');
    lines.removeLast(); // after the last line end
    QList<bool> authorsLine(lines.size(), false);
    for (std::size_t i = 2; i + 2 < size && i < 200; i += 3) {
        const qsizetype at = (data[i] | data[i + 1] << 8) % (lines.size() + 1);
        lines.insert(at, authors[data[i + 2] % authors.size()] + "\r");
        authorsLine.insert(at, true);
    }
    const QByteArray page = lines.join('\n') + '\n';
    const PageReading reading = MenuPage::read(page);
    if (!(reading == MenuPage::readLineByLine(page)) || reading.refusal != Refusal::None ||
        reading.changedLine != 0 || MenuPage::text(reading.menu, reading.frame) != page)
        std::abort();
    for (qsizetype i = 0; i < menu.buttons.size(); ++i) {
        const MenuButton& read = reading.menu.buttons[i];
        const MenuButton& written = menu.buttons[i];
        if (read.normalImage != written.normalImage || read.link != written.link ||
            read.frame != written.frame ||
            // a text that is the link says no more than none, which the link stands for
            (read.text != written.text && !(read.text.isEmpty() && written.text == written.link)))
            std::abort();
    }
    Menu changed = reading.menu;
    changed.buttons.first().link = "changed.html";
    changed.buttons.append({"n.gif", "o.gif", "new.html", ""});
    const QByteArray rewritten = "\n" + MenuPage::text(changed, reading.frame);
    qsizetype at = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!authorsLine[i] || lines[i].trimmed().isEmpty())
            continue;
        at = rewritten.indexOf("\n" + lines[i] + "\n", at);
        if (at < 0)
            std::abort();
        at += lines[i].size();
    }
}

} // namespace

// The bytes as a page of the author's in the folder shop, the marker on a line of its own
// after their first line: where the site's menu goes in, every byte of theirs stays, in order,
// and the page reads back with the site's menu.
void checkInsertion(const QByteArray& bytes) {
    Menu site{MenuType::Vertical,
              {{"a.gif", "b.gif", "x/caf\u00e9.html", "", "Caf\u00e9 \"1\""},
               {"../c.gif", "d.gif", "", "main", ""}},
              bytes.size() % 2 ? PageForm::Classic : PageForm::Html5}; // both forms go in
    const qsizetype cut = bytes.indexOf('\n') + 1;                     // 0 where there is none
    const QByteArray page = bytes.first(cut) + "<!-- Tessel menu -->\n" + bytes.sliced(cut);
    const SitePage::Insertion put = SitePage::insert(page, site, "shop/index.html");
    if (put.page.isEmpty())
        return;
    qsizetype before = 0, after = 0;
    while (before < page.size() && put.page[before] == page[before])
        ++before;
    while (after < page.size() &&
           put.page[put.page.size() - 1 - after] == page[page.size() - 1 - after])
        ++after;
    const PageReading reading = MenuPage::read(put.page);
    if (put.page.size() <= page.size() || before + after < page.size() ||
        reading.changedLine != 0 || !reading.error.isEmpty() ||
        !SitePage::forSite(reading.menu, "shop/index.html").sameValues(site))
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkAnyPage(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkAuthorsLines(data, size);
    checkInsertion(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
