#include "wizard/Form1.h"

#include "editor/PictureLoader.h"
#include "forms/ImageBox.h"
#include "wizard/Messenger.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>

// A choice only makes sense on a button's own page; a select button or a picture box under
// another page can still be sent a key or a drop by other programs.
bool Form1::onButtonPage() const {
    return shownPage_ == Page::Button;
}

void Form1::cmdSelect_Click(qint16 Index) {
    if (!onButtonPage())
        return;
    ui.CommonDialog1.InitDir = lastTriedFolder_;
    if (!ui.CommonDialog1.ShowOpen(this))
        return; // a cancel changes nothing
    useChosenPicture(PictureKind(Index), ui.CommonDialog1.FileName);
}

// A file dropped on an editor image is chosen just as through that image's select button.
void Form1::imgButtons_Drop(qint16 Index, const QString& path) {
    if (onButtonPage())
        useChosenPicture(PictureKind(Index), path);
}

void Form1::useChosenPicture(PictureKind kind, const QString& path) {
    lastTriedFolder_ = QFileInfo(path).absolutePath(); // the next dialog opens where the user was
    ImageBox* box = ui.imgButtons(kind);
    const PictureLoader::Result loaded = PictureLoader::load(path, shownSize(box));
    if (!loaded.error.isEmpty()) {
        messenger_->warn(this, "Tessel",
                         tr("The picture\n%1\ncannot be used: %2.")
                             .arg(QDir::toNativeSeparators(path), loaded.error));
        return;
    }
    box->setPicture(loaded.picture);
    box->setToolTip(QString());
    // A picture chosen by keyboard shows in the preview at once, not at the mouse's next move;
    // under the mouse the preview keeps the mouse-over picture.
    ImageBox* preview = ui.imgButtons(PictureKind::Preview);
    if (kind == PictureKind::Normal &&
        !preview->rect().contains(preview->mapFromGlobal(QCursor::pos())))
        preview->setPicture(loaded.picture);
    model_.choosePicture(iStep, kind, path);
    describePictures();
}

void Form1::imgButtons_MouseMove(qint16 Index, qint16, qint16, float, float) {
    if (PictureKind(Index) == PictureKind::Preview)
        ui.imgButtons(PictureKind::Preview)
            ->setPicture(ui.imgButtons(PictureKind::MouseOver)->picture());
}

// The finished button has no pressed state, so neither has its preview.
void Form1::imgButtons_MouseDown(qint16, qint16, qint16, float, float) {}

void Form1::picStep_MouseMove(qint16, qint16, qint16, float, float) {
    ui.imgButtons(PictureKind::Preview)->setPicture(ui.imgButtons(PictureKind::Normal)->picture());
}

void Form1::showStoredPictures() {
    // The stored names are bare; the full paths chosen in this run find the files again.
    for (const PictureKind kind : storedKinds) {
        ImageBox* box = ui.imgButtons(kind);
        const QString path = model_.picturePath(iStep, kind);
        if (model_.sImageFile(iStep, kind).isEmpty() || path.isEmpty()) {
            box->setPicture(Picture());
            box->setToolTip(QString());
            continue;
        }
        const PictureLoader::Result loaded = PictureLoader::load(path, shownSize(box));
        box->setPicture(loaded.picture);
        box->setToolTip(
            loaded.error.isEmpty()
                ? QString()
                : tr("Missing picture: %1 (%2)").arg(QDir::toNativeSeparators(path), loaded.error));
    }
}

QSize Form1::shownSize(const ImageBox* box) const {
    return box->contentsRect().size() * box->devicePixelRatioF();
}

void Form1::describePictures() {
    // What a screen reader says of the three boxes: which button, and which picture.
    const QString button = QString::number(iStep);
    for (const PictureKind kind : storedKinds) {
        const QString name = model_.sImageFile(iStep, kind);
        ui.imgButtons(kind)->setAccessibleName(
            (kind == PictureKind::Normal ? tr("Normal picture of button %1: %2")
                                         : tr("Mouse-over picture of button %1: %2"))
                .arg(button, name.isEmpty() ? tr("no picture chosen") : name));
    }
    ImageBox* preview = ui.imgButtons(PictureKind::Preview);
    preview->setAccessibleName(tr("Preview of button %1").arg(button));
    preview->setAccessibleDescription(
        tr("Shows the normal picture, and the mouse-over picture while the mouse is on it"));
}
