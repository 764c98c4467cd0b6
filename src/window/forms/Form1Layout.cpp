#include "forms/Form1Layout.h"

#include "forms/AltKeys.h"

#include "forms/ControlMarks.h"
#include "forms/ImageBox.h"
#include "forms/Indexes.h"
#include "forms/LinkLabel.h"
#include "forms/PagePanel.h"
#include "forms/Style.h"
#include "forms/Twips.h"

#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <limits>
#include <utility>

namespace {

const QColor lightGrey(192, 192, 192);
const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);
const QColor darkRed(192, 0, 0);

// Every place below is a rectangle in twips: left, top, width, height.
template <typename Control> Control* place(Control* control, const QString& name, QRect twips) {
    control->setObjectName(name);
    control->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return control;
}

// Names a control after its array and index, places it and adds it to the array.
template <typename Control, typename Index>
Control* place(ControlArray<Control>& array, Index index, Control* control, QRect twips) {
    const int at = int(index);
    array.add(at, place(control, QStringLiteral("%1(%2)").arg(array.name()).arg(at), twips));
    return control;
}

// A text box whose edge stands out from the page under it.
QLineEdit* textBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max()); // a link read from a page may be long
    new ControlMarks(box, ControlMarks::Edge);
    new AltKeys(box);
    return box;
}

QPushButton* button(QWidget* parent, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

QPixmap Form1Layout::artwork(const QString& name) {
    // Read as the bitmap it is: left to guess its format, Qt would load every image plug-in
    // to ask each, which cost the start a fifth of its time (bench_startup).
    QImageReader reader(":/forms/artwork/" + name, "bmp");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

Form1Layout::Form1Layout(QWidget* form) {
    // Set first, so that every control is measured in the font it shows.
    form->setFont(Style::windowFont());
    buildWindowControls(form);
    buildMenuTypePage();
    buildEditorPage();
    buildFileNamePage();
    buildFinishPage();
    buildAboutPage();
    setTabOrder();
    nameForScreenReaders();
    recolour();
    // The window's own controls now, a page's when it is first shown: measuring the texts of
    // pages not yet seen would load their fonts before the window is up (bench_startup).
    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        Style::growToText(control);
}

void Form1Layout::measure(Page page) {
    if (std::exchange(measured_[std::size_t(page)], true))
        return;
    for (QWidget* control : picStep(page)->findChildren<QWidget*>())
        Style::growToText(control);
}

QLabel* Form1Layout::style(QLabel* label, const LabelStyle& style) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(style.alignment | Qt::AlignTop);
    inks_.append({label, style.colour});
    return label;
}

QLabel* Form1Layout::label(QWidget* parent, const QString& caption, const LabelStyle& style) {
    return this->style(new QLabel(caption, parent), style);
}

QRadioButton* Form1Layout::option(const QString& caption, QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    inks_.append({option, QColor()});
    return option;
}

void Form1Layout::recolour() {
    // The file-name and finish pages take the desktop's menu colour; the others keep grey.
    for (const int index : picStep.indexes()) {
        const auto page = Page(index);
        Style::fill(picStep(page), page == Page::FileName || page == Page::Finished
                                       ? Style::menuColour()
                                       : lightGrey);
    }
    for (const auto& [control, colour] : inks_)
        Style::keepReadable(control, colour);
}

void Form1Layout::buildWindowControls(QWidget* form) {
    place(cmdStep, StepButton::About, button(form, tr("&About")), {120, 360, 1212, 372});

    // The banner is shown at its own size inside a sunken border, not stretched.
    Image1 = new QLabel(form);
    Image1->setObjectName("Image1");
    Image1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1->setLineWidth(1);
    Image1->setPixmap(artwork("banner.bmp"));
    Image1->setAccessibleName("Tessel");
    Image1->move(Twips::toPixels(1800), Twips::toPixels(120));
    Image1->resize(Image1->pixmap().size() + QSize(2, 2) * Image1->frameWidth());

    place(cmdStep, StepButton::Tutor, button(form, tr("&Tutor")), {4920, 360, 1212, 372});

    for (const Page page :
         {Page::MenuType, Page::Button, Page::FileName, Page::Finished, Page::About})
        place(picStep, page, new PagePanel(form), {120, 960, 6012, 2772 + grownTwips});

    Line1 = new QFrame(form);
    Line1->setObjectName("Line1");
    Line1->setFrameStyle(QFrame::HLine | QFrame::Plain);
    Line1->setLineWidth(1);
    Style::setColour(Line1, QPalette::WindowText, black);
    const int lineTop = 3720 + grownTwips, row = 3840 + grownTwips;
    const QPoint from(Twips::toPixels(120), Twips::toPixels(lineTop));
    const QPoint to(Twips::toPixels(6120), Twips::toPixels(lineTop));
    Line1->setGeometry(QRect(from, QSize(to.x() - from.x() + 1, 1)));

    place(cmdStep, StepButton::Exit, button(form, tr("&Exit")), {120, row, 732, 372});
    // Next keeps Alt+N, the road forward; New takes a letter of its own.
    place(cmdStep, StepButton::New, button(form, tr("Ne&w")), {960, row, 732, 372});
    place(cmdStep, StepButton::Back, button(form, tr("<< &Back")), {2640, row, 1212, 372});
    place(cmdStep, StepButton::Next, button(form, tr("&Next >>")), {3840, row, 1092, 372});
    place(cmdStep, StepButton::Finish, button(form, tr("&Finish")), {5040, row, 1092, 372});
}

void Form1Layout::buildMenuTypePage() {
    QWidget* page = picStep(Page::MenuType);
    const LabelStyle question{blue};
    place(Label1, 0, label(page, tr("What type of Tessel do you want?"), question),
          {480, 240, 2052, 852});
    place(Label1, 2, label(page, tr("How many Buttons do you want to create?"), question),
          {3600, 240, 2052, 852});
    Label1(0)->setFont(Style::namedFont("MS Sans Serif", 12));
    Label1(2)->setFont(Style::namedFont("MS Sans Serif", 12));

    lblNumberOfButtons = place(label(page, "2"), "lblNumberOfButtons", {4080, 1680, 1092, 372});
    lblNumberOfButtons->setFont(Style::namedFont("MS Sans Serif", 13.8));
    Style::fill(lblNumberOfButtons, lightGrey);

    place(optMenuType, 0, option(tr("Vertical"), page), {960, 1800, 1812, 252});
    place(optMenuType, 1, option(tr("Horizontal"), page), {960, 2160, 1812, 252});
    optMenuType(0)->setChecked(true);

    HScroll1 = place(new QScrollBar(Qt::Horizontal, page), "HScroll1", {4080, 2160, 1092, 252});
    HScroll1->setRange(1, 1000);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(5);
    HScroll1->setValue(2);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    new ControlMarks(HScroll1, ControlMarks::FocusFrame);
    inks_.append({HScroll1, black}); // its thumb is drawn from its text colour in some styles
    // Qt's scroll bars invert the arrow keys (Right would lower the count); the user means more.
    HScroll1->setInvertedControls(false);

    // Opening a page Tessel wrote, in the free middle of the page, level with "Horizontal".
    cmdOpen = place(button(page, tr("O&pen...")), "cmdOpen", {2856, 2100, 1092, 372});
    cmdOpen->setToolTip(tr("Open a menu page Tessel wrote, to change it (Ctrl+O)"));
}

void Form1Layout::buildEditorPage() {
    QWidget* page = picStep(Page::Button);
    const LabelStyle note{blue, Qt::AlignLeft};
    const LabelStyle plain{black};

    lblButtonNumber = place(label(page, "00"), "lblButtonNumber", {0, 0, 492, 252});
    // Under the number, in the page's free left margin: the list of every button.
    cmdList = place(button(page, tr("&List")), "cmdList", {30, 300, 540, 312});
    cmdList->setToolTip(tr("Go to any button; insert, remove and move buttons (Alt+L)"));
    place(imgButtons, PictureKind::Normal, new ImageBox(page), {600, 120, 1332, 372});
    place(imgButtons, PictureKind::MouseOver, new ImageBox(page), {600, 600, 1332, 372});
    place(imgButtons, PictureKind::Preview, new ImageBox(page), {600, 1080, 1332, 372});
    place(cmdSelect, PictureKind::Normal, button(page, tr("select image")), {2040, 120, 1212, 372});
    place(cmdSelect, PictureKind::MouseOver, button(page, tr("select image")),
          {2040, 600, 1212, 372});

    place(Label1, 1, label(page, tr("Main image to display"), note), {3360, 120, 2292, 372});
    place(Label1, 3, label(page, tr("Image to display when mouse passes over"), note),
          {3360, 600, 2292, 372});
    place(Label1, 5,
          label(page, tr("This is how it will look when loaded onto your browser"), note),
          {2040, 1080, 3612, 372});
    place(Label1, 9, label(page, tr("Enter hyper link related to this button"), plain),
          {120, 1560, 5652, 252});
    txtButtonLinks = place(textBox(page), "txtButtonLinks", {120, 1800, 5772, 288});
    place(Label1, 4,
          label(page, tr("Name of Frame to open link in (default = _Top - open without frame)"),
                plain),
          {120, 2160, 5772, 252});
    txtFrameName = place(textBox(page), "txtFrameName", {120, 2400, 5772, 288});
    // In the room the page area grew by: what a visitor who cannot see the pictures is told.
    place(Label1, 21,
          label(page, tr("Text of this button (read aloud, and shown where pictures are not)"),
                plain),
          {120, 2760, 5772, 252});
    txtButtonText = place(textBox(page), "txtButtonText", {120, 3000, 5772, 288});
    txtButtonText->setToolTip(tr("Written as the pictures' alt text: say where the link goes"));
}

void Form1Layout::buildFileNamePage() {
    QWidget* page = picStep(Page::FileName);
    const LabelStyle note{blue};
    place(Label1, 6, label(page, tr("Enter a Name for the Tessel file"), note),
          {120, 240, 5772, 252});
    txtFileName = place(textBox(page), "txtFileName", {720, 600, 4572, 288});
    txtFileName->setText("Tessel");
    place(Label1, 7, label(page, tr("Select Extension for Tessel file"), note),
          {120, 1080, 5772, 252});
    place(optExtension, 0, option("html", page), {2160, 1320, 732, 252});
    place(optExtension, 1, option("htm", page), {3240, 1320, 732, 252});
    optExtension(0)->setChecked(true);
    chkHtml5 = place(new QCheckBox(tr("&HTML5 page: links that work without JavaScript"), page),
                     "chkHtml5", {120, 1680, 5772, 288});
    chkHtml5->setToolTip(tr("Real links a visitor can open in a new tab, with the rollover under "
                            "the mouse and the keyboard alike; without it, the classic page "
                            "whose script opens each link"));
    inks_.append({chkHtml5, QColor()});
    place(Label1, 8, label(page, tr("Select the Finish button to write file"), note),
          {120, 2160, 5772, 252});
}

void Form1Layout::buildFinishPage() {
    QWidget* page = picStep(Page::Finished);
    const LabelStyle note{blue};
    place(Label1, 10, label(page, tr("File has been saved as:"), note), {120, 120, 5772, 252});
    // Empty until a page is written: no design text for a screen reader to come across.
    lblFileName = new LinkLabel(QString(), page);
    style(lblFileName, {darkRed});
    place(lblFileName, "lblFileName", {120, 720, 5772, 372});
    lblFileName->setWordWrap(true); // a long name wraps into the free space below it
    lblFileName->setFont(Style::namedFont("MS Sans Serif", 13.8));
    place(Label1, 11,
          label(page, tr("Place Tessel file and Menu Images in the same directory"), note),
          {120, 1680, 5772, 252});
    place(Label1, 12,
          label(page, tr("Select Exit to quit Tessel, or select New to create a new Tessel"), note),
          {120, 2160, 5772, 252});
}

void Form1Layout::buildAboutPage() {
    QWidget* page = picStep(Page::About);
    const LabelStyle note{blue};
    place(Label1, 14, label(page, tr("version 1.0"), note), {120, 120, 5772, 252});
    place(
        Label1, 17,
        label(page, tr("Made by the Tessel project: rollover menus without writing script"), note),
        {120, 360, 5772, 252});
    const QFont contactFont = Style::namedFont("Times New Roman", 10.2, QFont::Serif, true);
    place(Label1, 19, label(page, tr("Questions, ideas and bug reports:"), {black}),
          {120, 720, 5772, 252});
    place(Label1, 20, label(page, "tessel@example.org", {black}), {120, 960, 5772, 252});
    Label1(19)->setFont(contactFont);
    Label1(20)->setFont(contactFont);
    cmdOk = place(button(page, tr("&Ok")), "cmdOk", {4440, 2160, 852, 372});
}

void Form1Layout::setTabOrder() {
    using S = StepButton;
    using P = Page;
    using K = PictureKind;
    // clang-format off
    const QList<QWidget*> order = {
        cmdStep(S::Next), cmdStep(S::Back), cmdStep(S::Finish), picStep(P::MenuType),
        cmdStep(S::New), cmdStep(S::Exit), picStep(P::Button), HScroll1, optMenuType(1),
        optMenuType(0), cmdOpen, cmdSelect(K::Normal), cmdSelect(K::MouseOver),
        picStep(P::FileName), txtFileName, optExtension(0), optExtension(1), chkHtml5,
        txtButtonLinks, picStep(P::Finished), lblFileName, txtFrameName, txtButtonText, cmdList,
        cmdStep(S::About),
        cmdStep(S::Tutor),
        picStep(P::About), cmdOk};
    // clang-format on
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1Layout::nameForScreenReaders() {
    // A text box is read by the question above it, and the count by its question.
    const std::pair<QLabel*, QWidget*> questions[] = {{Label1(9), txtButtonLinks},
                                                      {Label1(4), txtFrameName},
                                                      {Label1(21), txtButtonText},
                                                      {Label1(6), txtFileName},
                                                      {Label1(2), HScroll1}};
    for (const auto& [question, control] : questions) {
        question->setBuddy(control);
        control->setAccessibleName(question->text());
    }
    imgButtons(PictureKind::Normal)->setAccessibleName(tr("Normal picture"));
    imgButtons(PictureKind::MouseOver)->setAccessibleName(tr("Mouse-over picture"));
    imgButtons(PictureKind::Preview)->setAccessibleName(tr("Preview"));
    cmdSelect(PictureKind::Normal)->setAccessibleName(tr("Select the normal picture"));
    cmdSelect(PictureKind::MouseOver)->setAccessibleName(tr("Select the mouse-over picture"));
    cmdOpen->setAccessibleName(tr("Open a page Tessel wrote"));
    cmdList->setAccessibleName(tr("List of buttons"));
    cmdList->setAccessibleDescription(tr("Go to any button; insert, remove and move buttons"));
    lblButtonNumber->setAccessibleDescription(tr("The number of the button on this page"));
    lblFileName->setAccessibleName(tr("Open the written page")); // until Finish names the page
    lblFileName->setAccessibleDescription(tr("Opens the written page in your web browser"));
    const std::pair<Page, const char*> pages[] = {{Page::MenuType, QT_TR_NOOP("Menu type")},
                                                  {Page::Button, QT_TR_NOOP("Button")},
                                                  {Page::FileName, QT_TR_NOOP("File name")},
                                                  {Page::Finished, QT_TR_NOOP("Finished")},
                                                  {Page::About, QT_TR_NOOP("About")}};
    for (const auto& [page, name] : pages)
        picStep(page)->setAccessibleName(tr(name));
}
