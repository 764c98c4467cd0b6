#pragma once

#include "forms/Form1Layout.h"
#include "wizard/BoundedArray.h"
#include "wizard/MenuModel.h"
#include "wizard/Pages.h"

#include <QWidget>

#include <memory>

class ButtonList;
class FileChooser;
class FormTutor;
class ImageBox;
class Messenger;
class QLineEdit;
class QSessionManager;

// The wizard's main window. It owns the menu's model and shows it; it holds every control, the
// step the user is on and the tutor, and decides only what needs a widget. Its methods live
// beside the part of the wizard they belong to, in the files listed below. Everything the user
// does arrives through the controls, so the handlers are private.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const Form1Layout& controls() const { return ui; }
    const MenuModel& model() const { return model_; }
    qint16 step() const { return iStep; }
    // The page the user sees; the others are hidden, so neither Tab nor a key reaches them.
    Page shownPage() const { return shownPage_; }
    FormTutor* formTutor() const { return formTutor_.get(); }
    ButtonList* buttonList() const { return buttonList_; }

    // Opens a menu page Tessel wrote, as the command line, Ctrl+O, the Open button and a drop
    // on the menu-type page do. Only there, before a menu is fixed; a page that cannot be
    // opened is named in a message and changes nothing.
    void openPage(const QString& path);

    // Seams for the dialogs, so that tests never wait on a modal one.
    void setMessenger(std::unique_ptr<Messenger> messenger);
    void setFileChooser(std::unique_ptr<FileChooser> chooser);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // wizard/Form1.cpp: the controls' wiring, the load handler, leaving the program.
    void connectControls();
    void Form_Load();
    void exitProgram();
    void endOfSession(QSessionManager& manager);

    // wizard/Form1_enableRule.cpp: the reset, the enable rule and the page in front.
    void Initialize_New();
    void Check_iStep();
    void holdStepButtons(Hold hold);
    void Manipulate_Buttons();
    void showPage(Page page);

    // wizard/Form1_navigation.cpp: the step buttons and the About page's OK.
    void cmdStep_Click(qint16 Index);
    void cmdOk_Click();
    bool mayDropUnwrittenWork(const QString& question, const QString& yes);
    static QString typedOr(const QLineEdit* box, const QString& stored);
    void goNext();
    void goBack();
    void showAbout();
    void switchTutor();
    void Do_Step();
    void focusFirstBox();
    void fixMenu();
    void Complete_Step();

    // editor/Form1_menuType.cpp: the menu-type page.
    void HScroll1_Change();
    void HScroll1_Scroll();

    // editor/Form1_buttons.cpp: going to any button, inserting, removing and moving them.
    void connectButtonList();
    void openButtonList();
    void keepTypedValues();
    void showButton(qint16 button);
    void editMenu(MenuModel::Edit edit);
    bool mayRemove(qint16 button);

    // editor/Form1_pictures.cpp: choosing pictures and the rollover preview.
    void cmdSelect_Click(qint16 Index);
    void imgButtons_MouseMove(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);
    void imgButtons_MouseDown(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);
    void picStep_MouseMove(qint16 Index, qint16 Button, qint16 Shift, float X, float Y);
    void imgButtons_Drop(qint16 Index, const QString& path);
    bool onButtonPage() const;
    void useChosenPicture(PictureKind kind, const QString& path);
    void showStoredPictures();
    QSize shownSize(const ImageBox* box) const;
    void describePictures();

    // finish/Form1_finish.cpp: writing the page. Do_Finish returns why the page could not be
    // saved, or nothing.
    void Show_Finish();
    QString Do_Finish();
    bool mayReplace(const QString& path);
    void returnToFileNamePage();
    // After a page of a site is written: its other pages that held the menu as it was, named,
    // and the change written into all of them or none, where the user wants it.
    void keepSiteInStep();
    bool putMenuInto(const QString& path, const QString& shown, Opening& opening);
    void tellWherePicturesBelong();
    void openWrittenPage();

    // finish/Form1_open.cpp: opening a page Tessel wrote.
    void choosePageToOpen();

    // tutor/Form1_tutor.cpp.
    void UpdateTutor();
    void EndTutor();
    static bool tutorInside();

    Form1Layout ui;
    MenuModel model_;
    qint16 iStep = 0;
    BoundedArray<bool> iStepButtons{"iStepButtons"}; // wanted state of Back, Next and Finish
    bool bTutor = false;
    Hold hold_ = Hold::None; // what holds the step buttons now
    Page shownPage_ = Page::MenuType;
    Page pageUnderAbout_ = Page::MenuType; // where OK returns to
    std::unique_ptr<FormTutor> formTutor_;
    ButtonList* buttonList_ = nullptr; // over the button page, owned by it
    std::unique_ptr<Messenger> messenger_;
    QString lastTriedFolder_; // folder of the last picture file offered, usable or not
};
