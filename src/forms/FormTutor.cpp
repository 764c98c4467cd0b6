#include "forms/FormTutor.h"

#include "forms/Twips.h"

#include <QLabel>

namespace {
constexpr int defaultPoints = 8;
constexpr double smallestPoints = 5;
} // namespace

FormTutor::FormTutor() : QWidget(nullptr, Qt::Window) {
    setObjectName("formTutor");
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(colours);
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(defaultPoints);
    setFont(font);

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
    font.setPointSizeF(defaultPoints);
    lblTutor->setFont(font);
    while (lblTutor->heightForWidth(lblTutor->width()) > lblTutor->height() &&
           font.pointSizeF() > smallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        lblTutor->setFont(font);
    }
}
