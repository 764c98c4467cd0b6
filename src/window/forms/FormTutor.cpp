#include "forms/FormTutor.h"

#include "forms/Style.h"
#include "forms/Twips.h"

#include <QEvent>
#include <QLabel>

namespace {
constexpr double smallestPoints = 5;
} // namespace

FormTutor::FormTutor(QWidget* parent) : QWidget(parent, parent ? Qt::Widget : Qt::Window) {
    setObjectName("formTutor");
    setAccessibleName(tr("Tutor"));
    setFont(Style::windowFont());

    lblTutor = new QLabel(this);
    lblTutor->setObjectName("lblTutor");
    lblTutor->setTextFormat(Qt::PlainText);
    lblTutor->setWordWrap(true);
    lblTutor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTutor->move(Twips::toPixels(120), Twips::toPixels(120));
    // Filled once the label is there: the palette change this sends colours its text too.
    Style::fill(this, QColor(255, 255, 192));
}

void FormTutor::changeEvent(QEvent* event) {
    // The light yellow stays whatever the desktop; the text keeps the desktop's colour where
    // that reads on it, so it follows a switch between light and dark.
    if (event->type() == QEvent::PaletteChange)
        Style::keepReadable(lblTutor, {});
    QWidget::changeEvent(event);
}

void FormTutor::setText(const QString& text) {
    lblTutor->setText(text);
    QFont font = lblTutor->font();
    font.setPointSizeF(Style::windowFont().pointSizeF());
    lblTutor->setFont(font);
    while (lblTutor->heightForWidth(lblTutor->width()) > lblTutor->height() &&
           font.pointSizeF() > smallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        lblTutor->setFont(font);
    }
}
