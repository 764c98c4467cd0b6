#pragma once

#include "forms/Indexes.h"
#include "generator/Menu.h"
#include "wizard/BoundedArray.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// One button of the menu being edited: the names the page will hold, the files its pictures
// came from (for the preview and the copy offer), its link and frame, and the author's own
// form of its lines in an opened page. It goes wherever the button goes.
struct ButtonRecord {
    std::array<QString, 2> imageFile;   // bare names: normal, mouse-over
    std::array<QString, 2> picturePath; // the files chosen, where known
    QString link, frame;
    std::array<BlockTemplate, 3> ownLines = {};

    // Whether removing it loses anything.
    bool holdsAnything() const;
};

// Why a file in Finish's way may not simply be replaced.
struct Replacing {
    bool ask = false;
    QString why;
};

// Everything the wizard knows about the menu being built, in one place without widgets, held
// by the main window: the steps, the buttons with what each holds, and the files the window
// has opened or written. Counts, steps and indexes are 16-bit like the scroll bar that bounds
// them; buttons are numbered from 1.
struct WizardState {
    Q_DECLARE_TR_FUNCTIONS(WizardState)

public:
    static constexpr qint16 maxButtons = 1000;

    qint16 iLastStep = 0;        // number of the file-name step: buttons + 1
    QString sFileName;           // output name as typed, trimmed, set by Finish
    qint16 iNumberOfButtons = 0; // fixed on a new menu's first arrival at step 1
    qint16 iMenuType = 0;        // 1 vertical, 2 horizontal
    QString sExtension;          // "html" or "htm", set by Finish
    BoundedArray<bool> iStepButtons{
        "iStepButtons"};   // wanted state of Back (2), Next (3), Finish (4)
    bool bNewMenu = false; // true until the buttons exist
    qint16 iStep = 0;
    bool bTutor = false;

    // The buttons, by number: picture names by kind (0 normal, 1 mouse-over), links and
    // frames (trimmed where typed; empty frame: none), and the files the pictures came from.
    QString& sImageFile(qint16 button, qint16 kind) { return record(button).imageFile[slot(kind)]; }
    const QString& sImageFile(qint16 button, qint16 kind) const {
        return record(button).imageFile[slot(kind)];
    }
    QString& sImageFile(qint16 button, PictureKind kind) {
        return sImageFile(button, qint16(kind));
    }
    const QString& sImageFile(qint16 button, PictureKind kind) const {
        return sImageFile(button, qint16(kind));
    }
    QString& picturePath(qint16 button, PictureKind kind) {
        return record(button).picturePath[slot(qint16(kind))];
    }
    const QString& picturePath(qint16 button, PictureKind kind) const {
        return record(button).picturePath[slot(qint16(kind))];
    }
    QString& sLink(qint16 button) { return record(button).link; }
    const QString& sLink(qint16 button) const { return record(button).link; }
    QString& sFrame(qint16 button) { return record(button).frame; }
    const QString& sFrame(qint16 button) const { return record(button).frame; }
    ButtonRecord& record(qint16 button);
    const ButtonRecord& record(qint16 button) const;

    // A menu of `count` empty buttons; the file-name step follows it.
    void setButtonCount(qint16 count);
    // Editing the menu anywhere. Each keeps the count within 1 to maxButtons, the last step
    // after the last button, and says whether it did anything.
    bool insertButton(qint16 at); // an empty button as number `at`, from 1 to count + 1
    bool removeButton(qint16 at);
    bool moveButton(qint16 from, qint16 to);

    // The menu built so far: its type and every button from 1 to the count.
    Menu menu() const;

    // The files. The one this window opened or wrote last, and what it held then: Finish
    // replaces it without a question while it still holds that, and no other file.
    QString ownPath;
    QByteArray ownBytes;
    Menu writtenMenu; // as fixed, opened or last written: what New and Exit would not lose

    bool hasUnwrittenWork(const Menu& now) const { return !bNewMenu && !(now == writtenMenu); }
    void wrote(const QString& path, const QByteArray& bytes, const Menu& menu);
    // Whether Finish may replace the file at `path`, holding `bytes` (or that could not be read
    // for `error`) and maybe read-only, without a question, and else why not.
    Replacing replacing(const QString& path, const QByteArray& bytes, const QString& error,
                        bool readOnly) const;

private:
    static std::size_t slot(qint16 kind);
    QList<ButtonRecord> buttons_;
};
