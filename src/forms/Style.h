#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// The few ways the windows dress their controls, kept in one place.
namespace Style {

// A named font, or the closest family of its kind where the system lacks it.
QFont namedFont(const QString& family, double points, QFont::StyleHint kind = QFont::SansSerif,
                bool bold = false);

// The window's own font: every control without a font of its own takes it.
QFont windowFont();

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// An opaque background in the given colour.
void fill(QWidget* widget, const QColor& colour);

} // namespace Style
