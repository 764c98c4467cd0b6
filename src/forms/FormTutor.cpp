#include "forms/FormTutor.h"

#include "forms/Twips.h"

#include <QLabel>

FormTutor::FormTutor() : QWidget(nullptr, Qt::Window) {
    setObjectName("formTutor");
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(colours);

    lblTutor = new QLabel(this);
    lblTutor->setObjectName("lblTutor");
    lblTutor->setTextFormat(Qt::PlainText);
    lblTutor->setWordWrap(true);
    lblTutor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTutor->move(Twips::toPixels(120), Twips::toPixels(120));
}
