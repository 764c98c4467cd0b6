#include "forms/Form1Layout.h"

#include "forms/ImageBox.h"
#include "forms/PagePanel.h"
#include "forms/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

const QColor lightGrey(192, 192, 192);
const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);
const QColor darkRed(192, 0, 0);

QColor menuColour() {
    return QApplication::palette("QMenu").color(QPalette::Window);
}

// A named font, or the closest family of its kind where the system lacks it.
QFont namedFont(const QString& family, double points, QFont::StyleHint kind, bool bold = false) {
    QFont font(family);
    font.setStyleHint(kind);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont sansSerif(double points) {
    return namedFont("MS Sans Serif", points, QFont::SansSerif);
}

template <typename Control>
Control* place(Control* control, const QString& name, int left, int top, int width, int height) {
    control->setObjectName(name);
    control->setGeometry(Twips::rect(left, top, width, height));
    return control;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

struct LabelStyle {
    QColor colour = {}; // invalid: the default text colour
    Qt::Alignment alignment = Qt::AlignHCenter;
};

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips,
                  const LabelStyle& style = {}) {
    auto* label = place(new QLabel(caption, parent), name, twips.x(), twips.y(), twips.width(),
                        twips.height());
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(style.alignment | Qt::AlignTop);
    if (style.colour.isValid())
        setTextColour(label, style.colour);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* button = place(new QPushButton(caption, parent), name, left, top, width, height);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name, const QString& text, int left, int top,
                       int width, int height) {
    return place(new QLineEdit(text, parent), name, left, top, width, height);
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

Form1Layout::Form1Layout(QWidget* form) {
    buildWindowControls(form);
    buildMenuTypePage();
    buildEditorPage();
    buildFileNamePage();
    buildFinishPage();
    buildAboutPage();
    setTabOrder();
}

void Form1Layout::buildWindowControls(QWidget* form) {
    cmdStep.add(5, makeButton(form, indexed("cmdStep", 5), "&About", 120, 360, 1212, 372));

    // The banner is shown at its own size inside a sunken border, not stretched.
    Image1 = new QLabel(form);
    Image1->setObjectName("Image1");
    Image1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1->setLineWidth(1);
    Image1->setPixmap(QPixmap(":/forms/artwork/banner.bmp"));
    Image1->move(Twips::toPixels(1800), Twips::toPixels(120));
    Image1->resize(Image1->pixmap().size() + QSize(2, 2) * Image1->frameWidth());

    cmdStep.add(6, makeButton(form, indexed("cmdStep", 6), "&Tutor", 4920, 360, 1212, 372));

    const QColor backgrounds[] = {lightGrey, lightGrey, menuColour(), menuColour(), lightGrey};
    for (int i = 0; i < 5; ++i)
        picStep.add(i, place(new PagePanel(backgrounds[i], form), indexed("picStep", i), 120, 960,
                             6012, 2772));

    Line1 = new QFrame(form);
    Line1->setObjectName("Line1");
    Line1->setFrameStyle(QFrame::HLine | QFrame::Plain);
    Line1->setLineWidth(1);
    setTextColour(Line1, black);
    const QPoint from(Twips::toPixels(120), Twips::toPixels(3720));
    const QPoint to(Twips::toPixels(6120), Twips::toPixels(3720));
    Line1->setGeometry(QRect(from, QSize(to.x() - from.x() + 1, 1)));

    cmdStep.add(0, makeButton(form, indexed("cmdStep", 0), "&Exit", 120, 3840, 732, 372));
    cmdStep.add(1, makeButton(form, indexed("cmdStep", 1), "&New", 960, 3840, 732, 372));
    cmdStep.add(2, makeButton(form, indexed("cmdStep", 2), "<< &Back", 2640, 3840, 1212, 372));
    cmdStep.add(3, makeButton(form, indexed("cmdStep", 3), "&Next >>", 3840, 3840, 1092, 372));
    cmdStep.add(4, makeButton(form, indexed("cmdStep", 4), "&Finish", 5040, 3840, 1092, 372));
}

void Form1Layout::buildMenuTypePage() {
    QWidget* page = picStep(0);
    const LabelStyle question{blue};
    Label1.add(0, makeLabel(page, indexed("Label1", 0), "What type of Tessel do you want?",
                            {480, 240, 2052, 852}, question));
    Label1.add(2, makeLabel(page, indexed("Label1", 2), "How many Buttons do you want to create?",
                            {3600, 240, 2052, 852}, question));
    Label1(0)->setFont(sansSerif(12));
    Label1(2)->setFont(sansSerif(12));

    lblNumberOfButtons = makeLabel(page, "lblNumberOfButtons", "2", {4080, 1680, 1092, 372});
    lblNumberOfButtons->setFont(sansSerif(13.8));
    lblNumberOfButtons->setAutoFillBackground(true);
    QPalette colours = lblNumberOfButtons->palette();
    colours.setColor(QPalette::Window, lightGrey);
    lblNumberOfButtons->setPalette(colours);

    optMenuType.add(0, place(new QRadioButton("Vertical", page), indexed("optMenuType", 0), 960,
                             1800, 1812, 252));
    optMenuType.add(1, place(new QRadioButton("Horizontal", page), indexed("optMenuType", 1), 960,
                             2160, 1812, 252));
    optMenuType(0)->setChecked(true);

    HScroll1 = place(new QScrollBar(Qt::Horizontal, page), "HScroll1", 4080, 2160, 1092, 252);
    HScroll1->setRange(1, 1000);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(5);
    HScroll1->setValue(2);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    // Qt's scroll bars invert the arrow keys (Right would lower the count); the user means more.
    HScroll1->setInvertedControls(false);
}

void Form1Layout::buildEditorPage() {
    QWidget* page = picStep(1);
    const LabelStyle note{blue, Qt::AlignLeft};
    const LabelStyle plain{black};

    lblButtonNumber = makeLabel(page, "lblButtonNumber", "00", {0, 0, 492, 252});
    const int imageTops[] = {120, 600, 1080};
    const int imageIndexes[] = {0, 1, 3};
    for (int row = 0; row < 3; ++row)
        imgButtons.add(imageIndexes[row],
                       place(new ImageBox(page), indexed("imgButtons", imageIndexes[row]), 600,
                             imageTops[row], 1332, 372));
    for (int kind = 0; kind < 2; ++kind)
        cmdSelect.add(kind, makeButton(page, indexed("cmdSelect", kind), "select image", 2040,
                                       imageTops[kind], 1212, 372));

    Label1.add(1, makeLabel(page, indexed("Label1", 1), "Main image to display",
                            {3360, 120, 2292, 372}, note));
    Label1.add(3, makeLabel(page, indexed("Label1", 3), "Image to display when mouse passes over",
                            {3360, 600, 2292, 372}, note));
    Label1.add(5, makeLabel(page, indexed("Label1", 5),
                            "This is how it will look when loaded onto your browser",
                            {2040, 1080, 3612, 372}, note));
    Label1.add(9, makeLabel(page, indexed("Label1", 9), "Enter hyper link related to this button",
                            {120, 1560, 5652, 252}, plain));
    txtButtonLinks = makeTextBox(page, "txtButtonLinks", QString(), 120, 1800, 5772, 288);
    Label1.add(4, makeLabel(page, indexed("Label1", 4),
                            "Name of Frame to open link in (default = _Top - open without frame)",
                            {120, 2160, 5772, 252}, plain));
    txtFrameName = makeTextBox(page, "txtFrameName", QString(), 120, 2400, 5772, 288);
}

void Form1Layout::buildFileNamePage() {
    QWidget* page = picStep(2);
    const LabelStyle note{blue};
    Label1.add(6, makeLabel(page, indexed("Label1", 6), "Enter a Name for the Tessel file",
                            {120, 240, 5772, 252}, note));
    txtFileName = makeTextBox(page, "txtFileName", "Tessel", 720, 600, 4572, 288);
    Label1.add(7, makeLabel(page, indexed("Label1", 7), "Select Extension for Tessel file",
                            {120, 1080, 5772, 252}, note));
    optExtension.add(
        0, place(new QRadioButton("html", page), indexed("optExtension", 0), 2160, 1320, 732, 252));
    optExtension.add(
        1, place(new QRadioButton("htm", page), indexed("optExtension", 1), 3240, 1320, 732, 252));
    optExtension(0)->setChecked(true);
    Label1.add(8, makeLabel(page, indexed("Label1", 8), "Select the Finish button to write file",
                            {120, 2160, 5772, 252}, note));
}

void Form1Layout::buildFinishPage() {
    QWidget* page = picStep(3);
    const LabelStyle note{blue};
    Label1.add(10, makeLabel(page, indexed("Label1", 10),
                             "File has been saved as:", {120, 120, 5772, 252}, note));
    lblFileName = makeLabel(page, "lblFileName", "Label2", {120, 720, 5772, 372}, {darkRed});
    lblFileName->setFont(sansSerif(13.8));
    Label1.add(11, makeLabel(page, indexed("Label1", 11),
                             "Place Tessel file and Menu Images in the same directory",
                             {120, 1680, 5772, 252}, note));
    Label1.add(12, makeLabel(page, indexed("Label1", 12),
                             "Select Exit to quit Tessel, or select New to create a new Tessel",
                             {120, 2160, 5772, 252}, note));
}

void Form1Layout::buildAboutPage() {
    QWidget* page = picStep(4);
    const LabelStyle note{blue};
    Label1.add(14,
               makeLabel(page, indexed("Label1", 14), "version 1.0", {120, 120, 5772, 252}, note));
    Label1.add(17, makeLabel(page, indexed("Label1", 17),
                             "Made by the Tessel project: rollover menus without writing script",
                             {120, 360, 5772, 252}, note));
    const QFont contactFont = namedFont("Times New Roman", 10.2, QFont::Serif, true);
    Label1.add(19, makeLabel(page, indexed("Label1", 19),
                             "Questions, ideas and bug reports:", {120, 720, 5772, 252}, {black}));
    Label1.add(20, makeLabel(page, indexed("Label1", 20), "tessel@example.org",
                             {120, 960, 5772, 252}, {black}));
    Label1(19)->setFont(contactFont);
    Label1(20)->setFont(contactFont);
    cmdOk = makeButton(page, "cmdOk", "&Ok", 4440, 2160, 852, 372);
}

void Form1Layout::setTabOrder() {
    const QList<QWidget*> order = {
        cmdStep(3),   cmdStep(2),  cmdStep(4),      picStep(0),      cmdStep(1),     cmdStep(0),
        picStep(1),   HScroll1,    optMenuType(1),  optMenuType(0),  cmdSelect(0),   cmdSelect(1),
        picStep(2),   txtFileName, optExtension(0), optExtension(1), txtButtonLinks, picStep(3),
        txtFrameName, cmdStep(5),  cmdStep(6),      picStep(4),      cmdOk};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
