#include "wizard/Form1.h"

#include "forms/ImageBox.h"

void Form1::allocatePicturePaths() {}

void Form1::showStoredPictures() {
    for (qint16 kind = 0; kind <= 1; ++kind)
        ui.imgButtons(kind)->setPicture(Picture::still(QImage(sImageFile(iStep, kind))));
}
