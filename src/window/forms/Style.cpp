#include "forms/Style.h"

#include "forms/PagePanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

double relativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor blackOrWhiteOn(const QColor& background) {
    const QColor black(Qt::black), white(Qt::white);
    return Style::contrast(black, background) >= Style::contrast(white, background) ? black : white;
}

QColor readableOn(const QColor& background, const QColor& wanted, const QColor& desktopText) {
    for (const QColor& colour : {wanted, desktopText})
        if (Style::contrast(colour, background) >= Style::readableContrast)
            return colour;
    return blackOrWhiteOn(background);
}

// What a transparent control is drawn on: the nearest filled widget behind it.
const QWidget* surfaceBehind(const QWidget* control) {
    while (!control->autoFillBackground() && !control->isWindow())
        control = control->parentWidget();
    return control;
}

} // namespace

QColor Style::markOn(const QColor& surface, const QColor& given) {
    return contrast(given, surface) >= markContrast ? given : blackOrWhiteOn(surface);
}

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

QColor Style::menuColour() {
    return QApplication::palette("QMenu").color(QPalette::Window);
}

double Style::contrast(const QColor& one, const QColor& other) {
    const auto [darker, lighter] = std::minmax({relativeLuminance(one), relativeLuminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}

void Style::keepReadable(QWidget* control, const QColor& given) {
    const QPalette desktop = QApplication::palette(control);
    const QPalette& behind = surfaceBehind(control)->palette();
    const QPalette::ColorRole role = control->foregroundRole();
    QPalette colours = control->palette();
    // Every group alike: these texts are never disabled, and must read in a window in the
    // background too.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor surface = behind.color(group, QPalette::Window);
        const QColor wanted = given.isValid() ? given : desktop.color(group, role);
        const QColor ink = readableOn(surface, wanted, desktop.color(group, role));
        colours.setColor(group, role, ink);
        // Some styles draw an option button's caption in the Text colour, which is also that
        // of the mark on its Base, and a scroll bar's thumb from it: all must agree with the
        // background.
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QScrollBar*>(control)) {
            const QColor base = desktop.color(group, QPalette::Base);
            colours.setColor(group, QPalette::Text, ink);
            colours.setColor(group, QPalette::Base,
                             contrast(ink, base) >= readableContrast ? base : surface);
        }
    }
    control->setPalette(colours);
}

namespace {

// The width a control may take without reaching the next control to its right on its row.
int roomToTheRight(const QWidget* control) {
    int right = control->parentWidget()->width();
    for (const QObject* child : control->parentWidget()->children())
        if (const auto* other = qobject_cast<const QWidget*>(child);
            other && other != control && other->x() > control->x() && !other->isWindow() &&
            other->y() < control->geometry().bottom() && other->geometry().bottom() > control->y())
            right = std::min(right, other->x() - 2);
    return right - control->x();
}

// The width a push button needs for its caption: the text, the style's margins around it and
// the style's own room between them, so that no caption touches its edges. Its size hint holds
// the style's least width as well, room the text does not need.
int neededWidth(QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect inside =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int room = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
    return button->width() - inside.width() + 2 * room +
           button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&'));
}

} // namespace

void Style::growToText(QWidget* control) {
    QSize size = control->size();
    if (const auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap())
        size.setHeight(std::max(size.height(), label->heightForWidth(size.width())));
    else if (qobject_cast<QRadioButton*>(control))
        size.setWidth(std::max(size.width(), control->sizeHint().width()));
    else if (auto* button = qobject_cast<QPushButton*>(control)) { // a longer word of a language
        const int room = std::max(size.width(), roomToTheRight(button));
        // Where even all the room there is would not keep it off the edges, its letters get a
        // little smaller, as far as they stay easy to read.
        for (int step = 0; neededWidth(button) > room && step < 4; ++step) {
            QFont smaller = button->font();
            smaller.setPointSizeF(smaller.pointSizeF() * 0.95);
            button->setFont(smaller);
        }
        size.setWidth(std::max(size.width(), std::min(neededWidth(button), room)));
    }
    control->resize(size);
}

QString Style::breakable(const QString& text) {
    constexpr int longestRun = 30;
    const QChar zeroWidthSpace(0x200B);
    QString broken;
    int run = 0;
    for (const QChar ch : text) {
        run = ch.isSpace() ? 0 : run + 1;
        if (run > longestRun && !ch.isLowSurrogate()) { // never inside a character's pair
            broken += zeroWidthSpace;
            run = 1;
        }
        broken += ch;
    }
    return broken;
}

void Style::mirror(QWidget* container) {
    if (!container->isRightToLeft())
        return;
    for (QWidget* control : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow())
            continue;
        control->move(container->width() - control->x() - control->width(), control->y());
        if (qobject_cast<PagePanel*>(control))
            mirror(control);
    }
}
