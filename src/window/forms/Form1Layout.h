#pragma once

#include "forms/CommonDialog.h"
#include "forms/ControlArray.h"
#include "forms/Indexes.h"
#include "forms/Style.h"

#include <QCoreApplication>
#include <QList>
#include <QPixmap>

#include <array>

class ImageBox;
class QCheckBox;
class LinkLabel;
class PagePanel;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

// How a label of the window shows its text.
struct LabelStyle {
    QColor colour = {}; // none given: the desktop's text colour
    Qt::Alignment alignment = Qt::AlignHCenter;
};

// Every control of the main window, created in place on construction and owned by the window
// through Qt's parent chain. Names and indexes are the ones the wizard's code uses.
struct Form1Layout {
    Q_DECLARE_TR_FUNCTIONS(Form1Layout)

public:
    explicit Form1Layout(QWidget* form);

    // A picture of the program's own, from its resources.
    static QPixmap artwork(const QString& name);

    // The window's client area, in twips. The page area is taller than the design's by room
    // for the button's text, and the line and step buttons below it move down by as much.
    static constexpr int grownTwips = 600;
    static constexpr int widthTwips = 6240, heightTwips = 4308 + grownTwips;

    // Chooses the pages' desktop colour and every text colour anew, after the desktop's
    // palette changed.
    void recolour();
    // Grows the controls of `page` to their texts, the first time it is about to be shown.
    void measure(Page page);

    ControlArray<QPushButton> cmdStep{"cmdStep"};
    ControlArray<PagePanel> picStep{"picStep"};
    ControlArray<QPushButton> cmdSelect{"cmdSelect"};
    ControlArray<ImageBox> imgButtons{"imgButtons"};
    ControlArray<QRadioButton> optMenuType{"optMenuType"};
    ControlArray<QRadioButton> optExtension{"optExtension"};
    ControlArray<QLabel> Label1{"Label1"};

    QLabel* Image1 = nullptr;
    QFrame* Line1 = nullptr;
    QLineEdit* txtButtonLinks = nullptr;
    QLineEdit* txtFrameName = nullptr;
    QLineEdit* txtButtonText = nullptr; // what the button says to a screen reader
    QLabel* lblButtonNumber = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* lblNumberOfButtons = nullptr;
    QLineEdit* txtFileName = nullptr;
    QCheckBox* chkHtml5 = nullptr; // the page in the HTML5 form, not the classic one
    LinkLabel* lblFileName = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdList = nullptr; // the list of buttons, to go to any and change the menu

    CommonDialog CommonDialog1{"Pictures (*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.webp)|"
                               "*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.webp"};
    CommonDialog CommonDialog2{"Pages (*.html;*.htm)|*.html;*.htm"}; // opens a written page

private:
    QLabel* style(QLabel* label, const LabelStyle& style = {});
    QLabel* label(QWidget* parent, const QString& caption, const LabelStyle& style = {});
    QRadioButton* option(const QString& caption, QWidget* parent);

    void buildWindowControls(QWidget* form);
    void buildMenuTypePage();
    void buildEditorPage();
    void buildFileNamePage();
    void buildFinishPage();
    void buildAboutPage();
    void setTabOrder();
    void nameForScreenReaders();

    // Every text and the colour it was given, to colour again when the desktop changes.
    QList<std::pair<QWidget*, QColor>> inks_;
    std::array<bool, std::size_t(Page::About) + 1> measured_{}; // by page
};
