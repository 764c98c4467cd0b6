#include "wizard/Form1.h"

#include "editor/PictureLoader.h"
#include "forms/ImageBox.h"
#include "wizard/Messenger.h"

#include <QDir>
#include <QFileInfo>

void Form1::cmdSelect_Click(qint16 Index) {
    // The select buttons can take the focus while another page covers them; a choice only
    // makes sense for a button's own page.
    if (state_.iStep < 1 || state_.iStep >= state_.iLastStep)
        return;
    CommonDialog& dialog = ui.CommonDialog1;
    if (!dialog.ShowOpen(this))
        return; // a cancel changes nothing
    ImageBox* box = ui.imgButtons(Index);
    const PictureLoader::Result loaded = PictureLoader::load(dialog.FileName, shownSize(box));
    if (!loaded.error.isEmpty()) {
        messenger_->warn(this, "Tessel",
                         QStringLiteral("The picture\n%1\ncannot be used: %2.")
                             .arg(QDir::toNativeSeparators(dialog.FileName), loaded.error));
        return;
    }
    box->setPicture(loaded.picture);
    box->setToolTip(QString());
    state_.sImageFile(state_.iStep, Index) = dialog.FileTitle;
    picturePaths_(state_.iStep, Index) = dialog.FileName;
    lastPictureFolder_ = QFileInfo(dialog.FileName).absolutePath();
}

void Form1::imgButtons_MouseMove(qint16 Index, qint16 Button, qint16 Shift, float X, float Y) {
    Q_UNUSED(Button)
    Q_UNUSED(Shift)
    Q_UNUSED(X)
    Q_UNUSED(Y)
    if (Index == 3)
        ui.imgButtons(3)->setPicture(ui.imgButtons(1)->picture());
}

void Form1::imgButtons_MouseDown(qint16 Index, qint16 Button, qint16 Shift, float X, float Y) {
    // The finished button has no pressed state, so neither has its preview.
    Q_UNUSED(Index)
    Q_UNUSED(Button)
    Q_UNUSED(Shift)
    Q_UNUSED(X)
    Q_UNUSED(Y)
}

void Form1::picStep_MouseMove(qint16 Index, qint16 Button, qint16 Shift, float X, float Y) {
    Q_UNUSED(Index)
    Q_UNUSED(Button)
    Q_UNUSED(Shift)
    Q_UNUSED(X)
    Q_UNUSED(Y)
    ui.imgButtons(3)->setPicture(ui.imgButtons(0)->picture());
}

void Form1::allocatePicturePaths() {
    picturePaths_.redim(1, state_.iNumberOfButtons, 0, 1);
}

void Form1::showStoredPictures() {
    // The stored names are bare; the full paths chosen in this run find the files again.
    for (qint16 kind = 0; kind <= 1; ++kind) {
        ImageBox* box = ui.imgButtons(kind);
        const QString path = picturePaths_(state_.iStep, kind);
        if (state_.sImageFile(state_.iStep, kind).isEmpty() || path.isEmpty()) {
            box->setPicture(Picture());
            box->setToolTip(QString());
            continue;
        }
        const PictureLoader::Result loaded = PictureLoader::load(path, shownSize(box));
        box->setPicture(loaded.picture);
        box->setToolTip(loaded.error.isEmpty()
                            ? QString()
                            : QStringLiteral("Missing picture: %1 (%2)")
                                  .arg(QDir::toNativeSeparators(path), loaded.error));
    }
}

QSize Form1::shownSize(const ImageBox* box) const {
    return box->contentsRect().size() * box->devicePixelRatioF();
}
