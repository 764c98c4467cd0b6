#pragma once

#include "forms/Twips.h"

#include <QMouseEvent>

// What a mouse event tells a handler: the buttons held (1 left, 2 right, 4 middle), the
// keys held (1 Shift, 2 Ctrl, 4 Alt) and where, in twips.
struct MouseReport {
    qint16 button = 0;
    qint16 shift = 0;
    float x = 0;
    float y = 0;

    static MouseReport from(const QMouseEvent& event) {
        const Qt::KeyboardModifiers keys = event.modifiers();
        const qint16 shift =
            qint16((keys & Qt::ShiftModifier ? 1 : 0) | (keys & Qt::ControlModifier ? 2 : 0) |
                   (keys & Qt::AltModifier ? 4 : 0));
        const qint16 button =
            qint16(event.buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
        return {button, shift, float(Twips::fromPixels(qRound(event.position().x()))),
                float(Twips::fromPixels(qRound(event.position().y())))};
    }
};
