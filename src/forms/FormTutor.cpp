#include "forms/FormTutor.h"

#include "forms/Style.h"
#include "forms/Twips.h"

#include <QLabel>

namespace {
constexpr double smallestPoints = 5;
} // namespace

FormTutor::FormTutor() : QWidget(nullptr, Qt::Window) {
    setObjectName("formTutor");
    Style::fill(this, QColor(255, 255, 192));
    setFont(Style::windowFont());

    lblTutor = new QLabel(this);
    lblTutor->setObjectName("lblTutor");
    lblTutor->setTextFormat(Qt::PlainText);
    lblTutor->setWordWrap(true);
    lblTutor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTutor->move(Twips::toPixels(120), Twips::toPixels(120));
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
