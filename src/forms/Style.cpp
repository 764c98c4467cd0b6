#include "forms/Style.h"

#include <QWidget>

QFont Style::namedFont(const QString& family, double points, QFont::StyleHint kind, bool bold) {
    QFont font(family);
    font.setStyleHint(kind);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont Style::windowFont() {
    return namedFont("MS Sans Serif", 8);
}

void Style::setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

void Style::fill(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    setColour(widget, QPalette::Window, colour);
}
