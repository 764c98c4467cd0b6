#include "wizard/Form1.h"

#include "editor/ButtonList.h"
#include "forms/FormTutor.h"
#include "forms/Twips.h"
#include "tutor/TutorTexts.h"
#include "wizard/Blanks.h"

#include <QGuiApplication>
#include <QLabel>

namespace {
constexpr double gapTwips = 20;
constexpr double widthTwips = 1950;
constexpr double labelInsetTwips = 240;
} // namespace

// A Wayland desktop places every window itself and ignores where a program would put one:
// there the tutor stands inside the main window, on its right, and the window grows to take it.
bool Form1::tutorInside() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void Form1::UpdateTutor() {
    const QString text = buttonList_->isVisible()
                             ? TutorTexts::buttonList()
                             : TutorTexts::forPage(Pages::ofStep(iStep, model_.iLastStep()));
    if (!formTutor_)
        formTutor_ = std::make_unique<FormTutor>(tutorInside() ? this : nullptr);
    FormTutor& tutor = *formTutor_;
    if (tutorInside()) {
        const int wizardWidth = Twips::toPixels(Form1Layout::widthTwips),
                  gap = Twips::toPixels(gapTwips);
        const int width = Twips::toPixels(widthTwips),
                  height = Twips::toPixels(Form1Layout::heightTwips);
        setFixedSize(wizardWidth + gap + width, height);
        tutor.setGeometry(wizardWidth + gap, 0, width, height);
        tutor.lblTutor->resize(Twips::toPixels(widthTwips - labelInsetTwips),
                               height - Twips::toPixels(labelInsetTwips));
        tutor.setText(trimBlanks(text));
        tutor.show();
        return;
    }

    // Outer measures of both windows, in twips, summed in floating point.
    const QRect main = frameGeometry();
    const double top = Twips::fromPixels(main.top());
    const double left = Twips::fromPixels(main.left()) + Twips::fromPixels(main.width()) + gapTwips;
    const double height = Twips::fromPixels(main.height());

    // Qt sizes a window by its client area; the frame's share is known once it is shown.
    const auto place = [&] {
        const QSize frameExtra = tutor.frameGeometry().size() - tutor.size();
        tutor.resize(Twips::toPixels(widthTwips) - frameExtra.width(),
                     Twips::toPixels(height) - frameExtra.height());
        tutor.move(Twips::toPixels(left), Twips::toPixels(top));
    };
    place();
    tutor.lblTutor->resize(Twips::toPixels(widthTwips - labelInsetTwips),
                           Twips::toPixels(height - labelInsetTwips));
    tutor.setText(trimBlanks(text));

    tutor.show();
    place();
    tutor.raise();
    tutor.activateWindow();
}

void Form1::EndTutor() {
    bTutor = false;
    formTutor_.reset();
    setFixedSize(Twips::toPixels(Form1Layout::widthTwips),
                 Twips::toPixels(Form1Layout::heightTwips)); // the tutor's room goes with it
}
