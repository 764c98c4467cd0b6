#pragma once

#include "generator/Menu.h"

#include <QByteArray>

#include <initializer_list>
#include <string>
#include <string_view>

// The text of a menu page: an HTML page whose script swaps each button's picture under the
// mouse and opens its link. Lines end in CR LF, the last one too; the text is pure ASCII.
class MenuPage {
public:
    static QByteArray text(const Menu& menu);

private:
    explicit MenuPage(const Menu& menu);

    void writeHead();
    void writeImageArrays();
    void writeLinkFunction();
    void writeSwapFunctions();
    void writeButtons();
    void writeTail();

    // The two comment banners: one for the HTML, one for the script.
    void Html_Rem(std::string_view ToPrint);
    void Java_Rem(std::string_view ToPrint);

    // One line: the indent, then the parts joined with nothing between them, then CR LF.
    void line(int indent, std::initializer_list<std::string_view> parts);
    // The same in pieces, for lines that carry the user's text.
    void beginLine(int indent, std::initializer_list<std::string_view> parts);
    void endLine(std::string_view last);
    void emptyLines(int count);

    const Menu& menu_;
    std::string out_; // appends to std::string are cheaper than to QByteArray
};
