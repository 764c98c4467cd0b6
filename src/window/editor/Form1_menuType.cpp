#include "wizard/Form1.h"

#include <QLabel>
#include <QScrollBar>

void Form1::HScroll1_Change() {
    ui.lblNumberOfButtons->setText(QString::number(ui.HScroll1->value()));
}

// While the thumb is dragged the value is not final yet: show where the thumb stands.
void Form1::HScroll1_Scroll() {
    ui.lblNumberOfButtons->setText(QString::number(ui.HScroll1->sliderPosition()));
}
