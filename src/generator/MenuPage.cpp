#include "generator/MenuPage.h"

#include "generator/PageEscaping.h"

#include <charconv>

namespace {

constexpr std::string_view slashes54 = "//////////////////////////////////////////////////////";
constexpr std::string_view slashes51 = "///////////////////////////////////////////////////";

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

} // namespace

QByteArray MenuPage::text(const Menu& menu) {
    MenuPage page(menu);
    page.writeHead();
    page.writeImageArrays();
    page.writeLinkFunction();
    page.writeSwapFunctions();
    page.writeButtons();
    page.writeTail();
    return QByteArray(page.out_.data(), qsizetype(page.out_.size()));
}

MenuPage::MenuPage(const Menu& menu) : menu_(menu) {
    // About 2.4 kB fixed and 600 bytes a button: one allocation for the whole page.
    out_.reserve(std::size_t(2600 + 700 * menu.buttons.size()));
}

void MenuPage::line(int indent, std::initializer_list<std::string_view> parts) {
    beginLine(indent, parts);
    endLine({});
}

void MenuPage::beginLine(int indent, std::initializer_list<std::string_view> parts) {
    out_.append(std::size_t(indent), ' ');
    for (const std::string_view part : parts)
        out_ += part;
}

void MenuPage::endLine(std::string_view last) {
    out_ += last;
    out_ += "\r\n";
}

void MenuPage::emptyLines(int count) {
    for (int i = 0; i < count; ++i)
        out_ += "\r\n";
}

void MenuPage::Html_Rem(std::string_view ToPrint) {
    line(0, {"<!--", slashes51, "-->"});
    line(0, {"<!-- ", ToPrint, " -->"});
}

void MenuPage::Java_Rem(std::string_view ToPrint) {
    line(0, {slashes54});
    line(0, {"// ", ToPrint});
    line(0, {slashes54});
}

void MenuPage::writeHead() {
    const Decimal count(menu_.buttons.size());
    line(0, {"<html>"});
    line(0, {"<head>"});
    emptyLines(1);
    Html_Rem("Enter your own Title between the > and < characters");
    line(0, {"<title>  </title>"});
    emptyLines(2);
    Html_Rem("Now we begin the javascript");
    emptyLines(1);
    line(3, {"<script language= \"javascript\">"});
    line(3, {"<!--Activate Cloaking Device"});
    line(3, {"// so the following code does"});
    line(3, {"// not get printed to the screen"});
    emptyLines(2);
    Java_Rem("Here are the declarations for the image arrays");
    emptyLines(1);
    line(3, {"OffMenuImage      = new Array(", count, ")"});
    line(3, {"OverMenuImage     = new Array(", count, ")"});
    emptyLines(2);
    Java_Rem("Now we will fill the arrays with images and links");
    emptyLines(1);
}

void MenuPage::writeImageArrays() {
    for (qsizetype i = 1; i <= menu_.buttons.size(); ++i) {
        const MenuButton& button = menu_.buttons.at(i - 1);
        const Decimal n(i);
        const std::string title = "Button " + std::string(std::string_view(n));
        Java_Rem(title);
        emptyLines(1);
        line(3, {"OffMenuImage[", n, "] = new Image()"});
        beginLine(3, {"OffMenuImage[", n, "].src = \""});
        PageEscaping::appendScriptString(out_, button.normalImage);
        endLine("\"");
        emptyLines(1);
        line(3, {"OverMenuImage[", n, "] = new Image()"});
        beginLine(3, {"OverMenuImage[", n, "].src = \""});
        PageEscaping::appendScriptString(out_, button.overImage);
        endLine("\"");
        emptyLines(1);
    }
}

void MenuPage::writeLinkFunction() {
    Java_Rem("Now we will create the functions needed");
    emptyLines(2);
    Java_Rem("When button is selected, load related Link");
    emptyLines(1);
    line(3, {"function LinkSelected(i)"});
    line(3, {"{"});
    line(6, {"// load the selected link"});
    for (qsizetype i = 1; i <= menu_.buttons.size(); ++i) {
        const MenuButton& button = menu_.buttons.at(i - 1);
        line(6, {"if (i == ", Decimal(i), ")"});
        beginLine(9, {});
        PageEscaping::appendLinkStatement(out_, button.frame, button.link);
        endLine({});
    }
    line(3, {"}"});
}

void MenuPage::writeSwapFunctions() {
    emptyLines(2);
    Java_Rem("When mouse passes over button, change image");
    emptyLines(1);
    line(3, {"function OverButton(loc, ImageNum)"});
    line(3, {"{"});
    line(6, {"// load OverMenuImage"});
    line(6, {"loc.src=OverMenuImage[ImageNum].src;"});
    line(3, {"}"});
    emptyLines(2);
    Java_Rem("When mouse moves off button, change image");
    emptyLines(1);
    line(3, {"function OffButton(loc, ImageNum)"});
    line(3, {"{"});
    line(6, {"// load OffMenuImage"});
    line(6, {"loc.src=OffMenuImage[ImageNum].src;"});
    line(3, {"}"});
    emptyLines(2);
    Java_Rem("variables and functions are declared");
    emptyLines(1);
    line(3, {"// Deactivate Cloaking -->"});
    line(3, {"</script>"});
    emptyLines(2);
    Html_Rem("Now on to loading the hmtl code");
    emptyLines(1);
    line(3, {"<body bgcolor=\"#000000\" Text=\"#ffffff\""});
    line(3, {"link=\"0000ff\" vlink=\"#0a0482\">"});
    emptyLines(1);
    line(3, {"<center>"});
    emptyLines(2);
    line(0, {"<!-- Enter any html code here that should be before the menu -->"});
    emptyLines(3);
    Html_Rem("Now the buttons");
    emptyLines(1);
}

void MenuPage::writeButtons() {
    // A vertical menu breaks the line after each button; a horizontal one runs on in a row.
    const std::string_view lineEnd = menu_.iMenuType == 1 ? "></a><br>" : "></a>";
    for (qsizetype i = 1; i <= menu_.buttons.size(); ++i) {
        const Decimal n(i);
        line(0, {"<!-- Button ", n, " -->"});
        line(3, {"<a href=\"javascript:LinkSelected(", n, ")\""});
        line(6, {"onMouseOver=\"OverButton(But", n, ",", n, ");"});
        line(6, {"return true\""});
        line(6, {"onMouseOut=\"OffButton(But", n, ",", n, ");"});
        line(6, {"return true\">"});
        beginLine(3, {"<img src=\""});
        PageEscaping::appendHtmlAttribute(out_, menu_.buttons.at(i - 1).normalImage);
        beginLine(0, {"\" Name=\"But", n, "\" border=0"});
        endLine(lineEnd);
        emptyLines(1);
    }
}

void MenuPage::writeTail() {
    emptyLines(1);
    line(0, {"<!-- Enter any html code here that should follow the menu -->"});
    emptyLines(3);
    line(0, {"</center>"});
    emptyLines(1);
    line(0, {"</body></html>"});
}
