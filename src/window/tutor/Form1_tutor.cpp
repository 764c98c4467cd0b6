#include "wizard/Form1.h"

#include "forms/FormTutor.h"
#include "forms/Twips.h"
#include "tutor/TutorTexts.h"
#include "wizard/Blanks.h"

#include <QLabel>

namespace {
constexpr double gapTwips = 20;
constexpr double widthTwips = 1950;
constexpr double labelInsetTwips = 240;
} // namespace

void Form1::UpdateTutor() {
    const QString text = TutorTexts::forPage(Pages::ofStep(state_.iStep, state_.iLastStep));
    if (!formTutor_)
        formTutor_ = std::make_unique<FormTutor>();
    FormTutor& tutor = *formTutor_;

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
    state_.bTutor = false;
    formTutor_.reset();
}
