#pragma once

#include "generator/MenuPage.h"

// A page written in the classic form, taken into the HTML5 form: Tessel's own lines of the one
// give way to the other's, and every line of the author's stays, byte for byte, in the same
// part of the page. Lines of their own in the head go to the HTML5 head, those in the script
// into a script element of their own there, those before and after the menu, between its
// buttons and after the page's end where they stood. An author's title or charset takes the
// place of Tessel's.
namespace PageConversion {

// The HTML5 frame for the menu, from the classic page's frame; `menu` gives a title and a
// language only where the page has none of its own.
PageFrame toHtml5(const PageFrame& classic, const Menu& menu);

} // namespace PageConversion
