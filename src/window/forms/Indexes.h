#pragma once

#include <QtGlobal>

// The indexes of the window's control arrays, by name.

// The five pages of the page area, in picStep.
enum class Page : qint16 { MenuType = 0, Button = 1, FileName = 2, Finished = 3, About = 4 };

// The seven step buttons, in cmdStep.
enum class StepButton : qint16 {
    Exit = 0,
    New = 1,
    Back = 2,
    Next = 3,
    Finish = 4,
    About = 5,
    Tutor = 6
};

// The pictures of a button page, in imgButtons; the first two also in cmdSelect and as the
// second index of the stored picture names. The preview has no select button and no name.
enum class PictureKind : qint16 { Normal = 0, MouseOver = 1, Preview = 3 };

// The two kinds a button stores, in order.
inline constexpr PictureKind storedKinds[] = {PictureKind::Normal, PictureKind::MouseOver};
