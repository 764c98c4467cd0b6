#pragma once

// The menu page's lines in order, told once for every direction: the writer puts them down,
// the readers check them or find them among the author's lines, and an author's form of a
// button's lines is written again through them. A pass provides:
//   line(indent, {parts}, {rest})  a whole line of fixed text and numbers
//   beginLine(indent, {parts}), endLine(last)   a line around a value
//   emptyLines(count)
//   scriptString(text), linkStatement(frame, link), normalImageAttribute(name),
//   optionalAlt(text), lineBreak(menuType)           the classic form's values
//   address(text), target(frame), buttonText(text, link), sameText(text, link)
//                                  the HTML5 form's values
//   pageText(text)                 a new page's title and language, for the writer alone
//   key({parts})                   the next line is its block's key line, known by these parts
//   ok()                           false once the reader has given up
// `M` is `const Menu` for the writers and `Menu` for the readers, which fill it.
//
// Four regions hold the lines that depend on the menu in the classic form: the count lines, and
// one block per button in each of the script, the link function and the menu. The HTML5 form
// has two of them: the count, on the line that opens the menu, and a block per button in the
// menu, which holds all of the button. Everything else is the page's frame: a new page gets
// the one below, and a page its author has built on keeps its own, between the blocks too.

#include "generator/Menu.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <string>
#include <string_view>

namespace PageLayout {

constexpr std::string_view slashes54 = "//////////////////////////////////////////////////////";
constexpr std::string_view slashes51 = "///////////////////////////////////////////////////";

constexpr std::string_view bannerButton = "// Button ";
constexpr std::string_view offImage = "OffMenuImage[";
constexpr std::string_view overImage = "OverMenuImage[";
constexpr std::string_view sourceIs = "].src = \"";
// A vertical menu breaks the line after each button; a horizontal one runs on in a row.
constexpr std::string_view lineBreak = "<br>";
// Where a page's HTML ends: a page whose menu is not whole before it was cut short.
constexpr std::string_view htmlEnd = "</html>";

// A number's decimal digits without a heap allocation.
class Decimal {
public:
    explicit Decimal(qsizetype value) {
        size_ = std::size_t(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr - digits_);
    }
    operator std::string_view() const { return {digits_, size_}; }

private:
    char digits_[24] = {};
    std::size_t size_ = 0;
};

// A piece of a line: fixed text, or a number (a button's, or the count).
struct Part {
    constexpr Part(std::string_view text) : text(text) {}
    template <std::size_t N> constexpr Part(const char (&text)[N]) : text(text, N - 1) {}
    Part(const Decimal& number) : text(number), isNumber(true) {}
    std::string_view text;
    bool isNumber = false;
};

// A block's key line: the one that names its button (or the count) in live code, by which a
// reader finds the block wherever the author's HTML puts it. A reader knows it by its parts
// up to `known`, each part's leading blanks standing for any run of blanks; `rest` follows.
template <typename Pass>
void keyLine(Pass& p, int indent, std::initializer_list<Part> known,
             std::initializer_list<Part> rest = {}) {
    p.key(known);
    p.line(indent, known, rest);
}

// The two comment banners: one for the HTML, one for the script.
template <typename Pass> void Html_Rem(Pass& p, std::string_view ToPrint) {
    p.line(0, {"<!--", slashes51, "-->"});
    p.line(0, {"<!-- ", ToPrint, " -->"});
}

template <typename Pass> void Java_Rem(Pass& p, std::string_view ToPrint) {
    p.line(0, {slashes54});
    p.line(0, {"// ", ToPrint});
    p.line(0, {slashes54});
}

// The notes that show an author where their HTML before and after the menu goes.
constexpr std::string_view beforeMenuNote =
    "<!-- Enter any html code here that should be before the menu -->";
constexpr std::string_view afterMenuNote =
    "<!-- Enter any html code here that should follow the menu -->";

// Where an author's HTML before the menu goes, and the menu's banner; in both forms.
template <typename Pass> void beforeTheMenu(Pass& p) {
    p.line(0, {beforeMenuNote});
    p.emptyLines(3);
    Html_Rem(p, "Now the buttons");
    p.emptyLines(1);
}

// ... and after it.
template <typename Pass> void afterTheMenu(Pass& p) {
    p.line(0, {afterMenuNote});
    p.emptyLines(3);
}

// The frame's head, up to the count lines.
template <typename Pass> void headStart(Pass& p) {
    p.line(0, {"<html>"});
    p.line(0, {"<head>"});
    p.emptyLines(1);
    Html_Rem(p, "Enter your own Title between the > and < characters");
    p.line(0, {"<title>  </title>"});
    p.emptyLines(2);
    Html_Rem(p, "Now we begin the javascript");
    p.emptyLines(1);
    p.line(3, {"<script language= \"javascript\">"});
    p.line(3, {"<!--Activate Cloaking Device"});
    p.line(3, {"// so the following code does"});
    p.line(3, {"// not get printed to the screen"});
    p.emptyLines(2);
    Java_Rem(p, "Here are the declarations for the image arrays");
    p.emptyLines(1);
}

template <typename Pass, typename M> void countBlock(Pass& p, M& menu, qsizetype) {
    const Decimal n(menu.buttons.size());
    keyLine(p, 3, {"OffMenuImage", "      =", " new Array(", n, ")"});
    p.line(3, {"OverMenuImage", "     =", " new Array(", n, ")"});
}

template <typename Pass> void headEnd(Pass& p) {
    p.emptyLines(2);
    Java_Rem(p, "Now we will fill the arrays with images and links");
    p.emptyLines(1);
}

template <typename Pass, typename M> void scriptBlock(Pass& p, M& menu, qsizetype i) {
    auto& button = menu.buttons[i - 1];
    const Decimal n(i);
    p.line(0, {slashes54});
    p.line(0, {bannerButton, n});
    p.line(0, {slashes54});
    p.emptyLines(1);
    keyLine(p, 3, {offImage, n, "]", " ="}, {" new Image()"});
    p.beginLine(3, {offImage, n, sourceIs});
    p.scriptString(button.normalImage);
    p.endLine("\"");
    p.emptyLines(1);
    p.line(3, {overImage, n, "] = new Image()"});
    p.beginLine(3, {overImage, n, sourceIs});
    p.scriptString(button.overImage);
    p.endLine("\"");
    p.emptyLines(1);
}

template <typename Pass> void linkStart(Pass& p) {
    Java_Rem(p, "Now we will create the functions needed");
    p.emptyLines(2);
    Java_Rem(p, "When button is selected, load related Link");
    p.emptyLines(1);
    p.line(3, {"function LinkSelected(i)"});
    p.line(3, {"{"});
    p.line(6, {"// load the selected link"});
}

template <typename Pass, typename M> void linkBlock(Pass& p, M& menu, qsizetype i) {
    auto& button = menu.buttons[i - 1];
    keyLine(p, 6, {"if (i == ", Decimal(i), ")"});
    p.beginLine(9, {});
    p.linkStatement(button.frame, button.link);
    p.endLine({});
}

// The end of the link function, and the functions that swap a button's pictures.
template <typename Pass> void scriptFunctions(Pass& p) {
    p.line(3, {"}"});
    p.emptyLines(2);
    Java_Rem(p, "When mouse passes over button, change image");
    p.emptyLines(1);
    p.line(3, {"function OverButton(loc, ImageNum)"});
    p.line(3, {"{"});
    p.line(6, {"// load OverMenuImage"});
    p.line(6, {"loc.src=OverMenuImage[ImageNum].src;"});
    p.line(3, {"}"});
    p.emptyLines(2);
    Java_Rem(p, "When mouse moves off button, change image");
    p.emptyLines(1);
    p.line(3, {"function OffButton(loc, ImageNum)"});
    p.line(3, {"{"});
    p.line(6, {"// load OffMenuImage"});
    p.line(6, {"loc.src=OffMenuImage[ImageNum].src;"});
    p.line(3, {"}"});
}

// From the end of the link function to the menu.
template <typename Pass> void swapFunctions(Pass& p) {
    scriptFunctions(p);
    p.emptyLines(2);
    Java_Rem(p, "variables and functions are declared");
    p.emptyLines(1);
    p.line(3, {"// Deactivate Cloaking -->"});
    p.line(3, {"</script>"});
    p.emptyLines(2);
    Html_Rem(p, "Now on to loading the hmtl code");
    p.emptyLines(1);
    p.line(3, {"<body bgcolor=\"#000000\" Text=\"#ffffff\""});
    p.line(3, {"link=\"0000ff\" vlink=\"#0a0482\">"});
    p.emptyLines(1);
    p.line(3, {"<center>"});
    p.emptyLines(2);
    beforeTheMenu(p);
}

template <typename Pass, typename M> void menuBlock(Pass& p, M& menu, qsizetype i) {
    const Decimal n(i);
    keyLine(p, 0, {"<!-- Button ", n, " -->"});
    p.line(3, {"<a href=\"javascript:LinkSelected(", n, ")\""});
    p.line(6, {"onMouseOver=\"OverButton(But", n, ",", n, ");"});
    p.line(6, {"return true\""});
    p.line(6, {"onMouseOut=\"OffButton(But", n, ",", n, ");"});
    p.line(6, {"return true\">"});
    p.beginLine(3, {"<img src=\""});
    p.normalImageAttribute(menu.buttons[i - 1].normalImage);
    p.beginLine(0, {"\" Name=\"But", n, "\" border=0"});
    p.optionalAlt(menu.buttons[i - 1].text); // only where the author gave a text
    p.beginLine(0, {"></a>"});
    p.lineBreak(menu.iMenuType);
    p.endLine({});
    p.emptyLines(1);
}

template <typename Pass> void tail(Pass& p) {
    p.emptyLines(1);
    afterTheMenu(p);
    p.line(0, {"</center>"});
    p.emptyLines(1);
    p.line(0, {"</body>", htmlEnd});
}

// ---- The HTML5 form: each button a link that works without a script, its pictures swapped by
// style alone, under the mouse and while the button has the keyboard's focus. The mouse-over
// picture is an image of the page, hidden until then, so it is loaded with the page.

constexpr std::string_view menuStart = "<nav class=\"tessel-menu\" data-buttons=\"";
// After a button's target, in the page its link leads to.
constexpr std::string_view currentMark = "\" aria-current=\"page";

// The style that swaps a button's pictures, in the page's own head or with a menu put into a
// page of the author's.
template <typename Pass> void menuStyle(Pass& p) {
    p.line(3, {".tessel-menu img { border: 0; }"});
    p.line(3, {".tessel-menu a img + img { display: none; }"});
    p.line(3, {".tessel-menu a:hover img, .tessel-menu a:focus img { display: none; }"});
    p.line(3, {".tessel-menu a:hover img + img, .tessel-menu a:focus img + img "
               "{ display: inline; }"});
}

template <typename Pass, typename M> void html5Head(Pass& p, M& menu) {
    p.line(0, {"<!DOCTYPE html>"});
    p.beginLine(0, {"<html lang=\""});
    p.pageText(menu.language);
    p.endLine("\">");
    p.line(0, {"<head>"});
    p.line(0, {"<meta charset=\"utf-8\">"});
    p.line(0, {"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"});
    p.beginLine(0, {"<title>"});
    p.pageText(menu.title);
    p.endLine("</title>");
    p.emptyLines(1);
    Html_Rem(p, "Each button shows its mouse-over picture under the mouse and in the focus");
    p.line(0, {"<style>"});
    p.line(3, {"body { background-color: #000000; color: #ffffff; text-align: center; }"});
    p.line(3, {"a { color: #ffffff; }"});
    menuStyle(p);
    p.line(0, {"</style>"});
    p.line(0, {"</head>"});
    p.emptyLines(1);
    p.line(0, {"<body>"});
    p.emptyLines(1);
    beforeTheMenu(p);
}

template <typename Pass, typename M> void html5CountBlock(Pass& p, M& menu, qsizetype) {
    keyLine(p, 0, {menuStart, Decimal(menu.buttons.size()), "\">"});
}

template <typename Pass, typename M> void html5MenuBlock(Pass& p, M& menu, qsizetype i) {
    auto& button = menu.buttons[i - 1];
    keyLine(p, 0, {"<!-- Button ", Decimal(i), " -->"});
    p.beginLine(3, {"<a href=\""});
    p.address(button.link);
    p.beginLine(0, {"\" target=\""});
    p.target(button.frame);
    p.currentPage(button.current);
    p.beginLine(0, {"\"><img src=\""});
    p.address(button.normalImage);
    p.beginLine(0, {"\" alt=\""});
    p.buttonText(button.text, button.link);
    p.beginLine(0, {"\"><img src=\""});
    p.address(button.overImage);
    p.beginLine(0, {"\" alt=\""});
    p.sameText(button.text, button.link);
    p.beginLine(0, {"\"></a>"});
    p.lineBreak(menu.iMenuType);
    p.endLine({});
    p.emptyLines(1);
}

template <typename Pass> void html5Tail(Pass& p) {
    p.line(0, {"</nav>"});
    p.emptyLines(1);
    afterTheMenu(p);
    p.line(0, {"</body>"});
    p.line(0, {htmlEnd});
}

// The line by which an author marks where in a page of theirs the menu goes, and the menu put
// in after it: its style, which shows the mouse-over picture of the button that leads to the
// page too, then the menu as Tessel's own page has it.
constexpr std::string_view menuMarker = "<!-- Tessel menu -->";

template <typename Pass, typename M> void insertedMenu(Pass& p, M& menu) {
    p.line(0, {"<style>"});
    menuStyle(p);
    p.line(3, {".tessel-menu a[aria-current] img { display: none; }"});
    p.line(3, {".tessel-menu a[aria-current] img + img { display: inline; }"});
    p.line(0, {"</style>"});
    html5CountBlock(p, menu, 0);
    p.emptyLines(1);
    for (qsizetype i = 1; i <= menu.buttons.size() && p.ok(); ++i)
        html5MenuBlock(p, menu, i);
    p.line(0, {"</nav>"});
}

// The classic form's menu put in: its script, then its buttons.
template <typename Pass, typename M> void insertedClassicMenu(Pass& p, M& menu) {
    p.line(0, {"<script>"});
    countBlock(p, menu, 0);
    headEnd(p);
    for (qsizetype i = 1; i <= menu.buttons.size() && p.ok(); ++i)
        scriptBlock(p, menu, i);
    linkStart(p);
    for (qsizetype i = 1; i <= menu.buttons.size() && p.ok(); ++i)
        linkBlock(p, menu, i);
    scriptFunctions(p);
    p.line(0, {"</script>"});
    for (qsizetype i = 1; i <= menu.buttons.size() && p.ok(); ++i)
        menuBlock(p, menu, i);
}

enum Region { Count, Script, Link, Buttons };

// The HTML5 form has no script: its buttons stand in the menu alone.
constexpr bool hasRegion(PageForm form, int region) {
    return form == PageForm::Classic || region == Count || region == Buttons;
}

// The regions whose lines stand in the script; the menu's buttons stand in the HTML.
constexpr bool inScript(PageForm form, int region) {
    return form == PageForm::Classic && region != Buttons;
}

// The block of each region: the count region has one, the others one per button.
template <typename Pass, typename M> using Block = void (*)(Pass&, M&, qsizetype);
template <typename Pass, typename M> Block<Pass, M> block(PageForm form, int region) {
    static constexpr std::array<Block<Pass, M>, 4> classic = {
        countBlock<Pass, M>, scriptBlock<Pass, M>, linkBlock<Pass, M>, menuBlock<Pass, M>};
    if (form == PageForm::Classic)
        return classic[std::size_t(region)];
    return region == Count ? html5CountBlock<Pass, M> : html5MenuBlock<Pass, M>;
}

// A new page, frame and menu, in order.
template <typename Pass, typename M> void page(Pass& p, M& menu) {
    const qsizetype buttons = menu.buttons.size();
    if (menu.form == PageForm::Html5) {
        html5Head(p, menu);
        html5CountBlock(p, menu, 0);
        p.emptyLines(1);
        for (qsizetype i = 1; i <= buttons && p.ok(); ++i)
            html5MenuBlock(p, menu, i);
        html5Tail(p);
        return;
    }
    headStart(p);
    countBlock(p, menu, 0);
    headEnd(p);
    for (qsizetype i = 1; i <= buttons && p.ok(); ++i)
        scriptBlock(p, menu, i);
    linkStart(p);
    for (qsizetype i = 1; i <= buttons && p.ok(); ++i)
        linkBlock(p, menu, i);
    swapFunctions(p);
    for (qsizetype i = 1; i <= buttons && p.ok(); ++i)
        menuBlock(p, menu, i);
    tail(p);
}

} // namespace PageLayout
