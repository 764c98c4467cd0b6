#include "tutor/TutorTexts.h"

#include <QCoreApplication>

#include <initializer_list>
#include <utility>

namespace {

// Sentences are set apart by runs of blanks that push the next one towards a new line once
// the label wraps; the runs are part of the text.
QString joined(std::initializer_list<std::pair<const char*, int>> segments) {
    QString text;
    for (const auto& [sentence, blanks] : segments)
        text +=
            QCoreApplication::translate("TutorTexts", sentence) + QString(blanks, QLatin1Char(' '));
    return text;
}

} // namespace

QString TutorTexts::menuTypePage() {
    return joined({
        {QT_TRANSLATE_NOOP(
             "TutorTexts",
             "First, select the Type of menu to create - up/down (vertical) or left/right "
             "(horizontal)."),
         10},
        {QT_TRANSLATE_NOOP("TutorTexts", "Then select the number of buttons to create."), 10},
        {QT_TRANSLATE_NOOP("TutorTexts", "press the Next>> button to goto the next step."), 5},
        {QT_TRANSLATE_NOOP("TutorTexts", "press the Tutor button again to turn this tutor off."),
         0},
    });
}

QString TutorTexts::buttonPage() {
    return joined({
        {QT_TRANSLATE_NOOP(
             "TutorTexts",
             "First, press the top Select button to open image for main button display."),
         10},
        {QT_TRANSLATE_NOOP(
             "TutorTexts",
             "Then press the bottom Select button to open image file to display when mouse passes "
             "over button."),
         6},
        {QT_TRANSLATE_NOOP("TutorTexts",
                           "Now enter Page to open when button is selected (ie. www.example.com)."),
         10},
        {QT_TRANSLATE_NOOP("TutorTexts", "If link is to be loaded into a frame, enter the Frame "
                                         "Name (ie. Frame1) in the bottom "
                                         "box."),
         10},
        {QT_TRANSLATE_NOOP("TutorTexts", "Press the Next>> button to continue."), 10},
        {QT_TRANSLATE_NOOP("TutorTexts", "Press the Tutor button again to turn this tutor off."),
         0},
    });
}

QString TutorTexts::fileNamePage() {
    return joined({
        {QT_TRANSLATE_NOOP("TutorTexts",
                           "First, enter a Filename to save the animated button menu as."),
         10},
        {QT_TRANSLATE_NOOP("TutorTexts", "Then select the extension for the file."), 10},
        {QT_TRANSLATE_NOOP("TutorTexts", "Press the Finish button to write the file."), 10},
        {QT_TRANSLATE_NOOP("TutorTexts", "Press the Tutor button again to turn this tutor off."),
         0},
    });
}

QString TutorTexts::buttonList() {
    return joined({
        {QT_TRANSLATE_NOOP("TutorTexts", "The list shows every button of the menu."), 5},
        {QT_TRANSLATE_NOOP("TutorTexts",
                           "Choose one and press Go to to show its page; Insert before and "
                           "Insert after add an empty button, Remove takes it out, Move up and "
                           "Move down move it."),
         5},
        {QT_TRANSLATE_NOOP("TutorTexts", "Close goes back to the button you were on."), 0},
    });
}

QString TutorTexts::forPage(Page page) {
    switch (page) {
    case Page::MenuType:
        return menuTypePage();
    case Page::FileName:
        return fileNamePage();
    default:
        return buttonPage();
    }
}
