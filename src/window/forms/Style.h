#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// The few ways the windows dress their controls, kept in one place: fonts, fills, and text
// colours that stay readable whatever palette and widget style the desktop brings.
namespace Style {

// A named font, or the closest family of its kind where the system lacks it.
QFont namedFont(const QString& family, double points, QFont::StyleHint kind = QFont::SansSerif,
                bool bold = false);

// The window's own font: every control without a font of its own takes it.
QFont windowFont();

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// An opaque background in the given colour.
void fill(QWidget* widget, const QColor& colour);

// The desktop's menu colour, which some pages take as their background.
QColor menuColour();

// The text with a chance to wrap in every long run of characters without one, so that a long
// file name or path wraps in its box instead of being cut off or widening it past the screen.
QString breakable(const QString& text);

// The contrast ratio of two colours as WCAG 2 defines it: from 1 (none) to 21 (black on white).
double contrast(const QColor& one, const QColor& other);

// The least contrast with which small text still reads well, and a control's mark stands out.
constexpr double readableContrast = 4.5;
constexpr double markContrast = 3;

// The given colour where it stands out from the surface as a control's mark, else black or
// white, whichever stands out more.
QColor markOn(const QColor& surface, const QColor& given);

// Colours a control's text with the given colour, or without one the desktop's, where that
// reads against what the control is drawn on; else with the desktop's text colour, else with
// black or white. Text on a fixed light background thus stays dark, and text on a background
// that follows the desktop takes the desktop's own text colour where a given one would fade.
void keepReadable(QWidget* control, const QColor& given = {});

// Grows a control that cannot show its whole text in the current style and font: a wrapping
// label downwards, an option button to the right, each only as far as its size hint asks.
void growToText(QWidget* control);

// On a right-to-left desktop, every control of `container` (and of the pages in it) where a
// mirror would show it, as Qt's layouts place theirs; nothing on a left-to-right one.
void mirror(QWidget* container);

} // namespace Style
