#include "wizard/Form1.h"

#include "editor/ButtonList.h"
#include "forms/FileChooser.h"
#include "forms/FileDrop.h"
#include "forms/FormTutor.h"
#include "forms/ImageBox.h"
#include "forms/LinkLabel.h"
#include "forms/PagePanel.h"
#include "forms/Style.h"
#include "forms/Twips.h"
#include "wizard/Messenger.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>
#include <QScrollBar>
#include <QSessionManager>
#include <QShortcut>

Form1::Form1(QWidget* parent)
    : QWidget(parent), ui(this), messenger_(std::make_unique<BoxMessenger>()) {
    setObjectName("Form1");
    setWindowTitle("Tessel 1.0");
    setWindowIcon(QIcon(Form1Layout::artwork("icon.bmp")));
    // Nothing reacts to a resize, so the window keeps its designed client area.
    setFixedSize(Twips::toPixels(Form1Layout::widthTwips),
                 Twips::toPixels(Form1Layout::heightTwips));
    Style::mirror(this); // the design's places as a right-to-left desktop reads them

    connectControls();
    connectButtonList();
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Form1::endOfSession);
    Form_Load();
    ui.cmdStep(StepButton::Next)->setFocus();
}

Form1::~Form1() {
    // The list goes with the pages, after this window's own parts: it may not call back.
    disconnect(buttonList_, nullptr, this, nullptr);
}

void Form1::changeEvent(QEvent* event) {
    // The desktop switched between light and dark: the pages that follow it, and every text,
    // take the new colours before the next repaint.
    if (event->type() == QEvent::PaletteChange)
        ui.recolour();
    QWidget::changeEvent(event);
}

void Form1::connectControls() {
    for (const int index : ui.cmdStep.indexes())
        connect(ui.cmdStep(index), &QPushButton::clicked, this,
                [this, index] { cmdStep_Click(qint16(index)); });
    connect(ui.cmdOk, &QPushButton::clicked, this, &Form1::cmdOk_Click);
    for (const int index : ui.cmdSelect.indexes())
        connect(ui.cmdSelect(index), &QPushButton::clicked, this,
                [this, index] { cmdSelect_Click(qint16(index)); });
    for (const int index : ui.imgButtons.indexes()) {
        ImageBox* box = ui.imgButtons(index);
        connect(box, &ImageBox::mouseMoved, this, [this, index](const MouseReport& report) {
            imgButtons_MouseMove(qint16(index), report.button, report.shift, report.x, report.y);
        });
        connect(box, &ImageBox::mousePressed, this, [this, index](const MouseReport& report) {
            imgButtons_MouseDown(qint16(index), report.button, report.shift, report.x, report.y);
        });
    }
    for (const int kind : ui.cmdSelect.indexes()) {
        auto* drop = new FileDrop(ui.imgButtons(kind), [this] { return onButtonPage(); });
        connect(drop, &FileDrop::dropped, this,
                [this, kind](const QString& path) { imgButtons_Drop(qint16(kind), path); });
    }
    connect(ui.lblFileName, &LinkLabel::activated, this, &Form1::openWrittenPage);
    for (const int index : ui.picStep.indexes())
        connect(ui.picStep(index), &PagePanel::surfaceMouseMoved, this,
                [this, index](const MouseReport& report) {
                    picStep_MouseMove(qint16(index), report.button, report.shift, report.x,
                                      report.y);
                });
    connect(ui.HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(ui.cmdOpen, &QPushButton::clicked, this, &Form1::choosePageToOpen);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            &Form1::choosePageToOpen);
    // A page dropped anywhere on the menu-type page opens it.
    auto* pageDrop =
        new FileDrop(ui.picStep(Page::MenuType), [this] { return shownPage_ == Page::MenuType; });
    connect(pageDrop, &FileDrop::dropped, this, &Form1::openPage);
    connect(ui.HScroll1, &QScrollBar::sliderMoved, this, &Form1::HScroll1_Scroll);
}

void Form1::setMessenger(std::unique_ptr<Messenger> messenger) {
    messenger_ = std::move(messenger);
}

void Form1::setFileChooser(std::unique_ptr<FileChooser> chooser) {
    const std::shared_ptr<FileChooser> shared = std::move(chooser);
    ui.CommonDialog1.setChooser(shared);
    ui.CommonDialog2.setChooser(shared);
}

void Form1::Form_Load() {
    Initialize_New();
}

// Exit, the window's close button and the end of the desktop session all ask first where
// unwritten work would be lost.
void Form1::closeEvent(QCloseEvent* event) {
    if (!mayDropUnwrittenWork(tr("Exit Tessel and lose them?"), tr("Exit"))) {
        event->ignore();
        return;
    }
    // The tutor has no owner, so it would keep the process alive on its own.
    formTutor_.reset();
    event->accept();
}

void Form1::exitProgram() {
    if (close())
        QCoreApplication::quit();
}

void Form1::endOfSession(QSessionManager& manager) {
    if (manager.allowsInteraction()) {
        if (!mayDropUnwrittenWork(tr("Log out and lose them?"), tr("Log out")))
            manager.cancel();
        manager.release();
    }
}
