#pragma once

#include "forms/Indexes.h"
#include "generator/Menu.h"
#include "generator/MenuPage.h"
#include "generator/PicturePlaces.h"
#include "generator/SitePage.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// One button of the menu being edited: what the page holds of it, and the files its pictures
// were chosen from, for the preview and the copy offer. It goes wherever the button goes.
struct ButtonRecord {
    MenuButton button;
    std::array<QString, 2> picturePath; // normal, mouse-over; empty where not known

    // Whether removing it loses anything: a value, or lines of the author's among its own.
    bool holdsAnything() const;
};

// Why a file in Finish's way may not simply be replaced.
struct Replacing {
    bool ask = false;
    QString why;
};

// What opening a page gave: why it could not be opened, or what the menu-type and file-name
// pages show of it, and where its menu was changed by hand.
struct Opening {
    QString refusal;          // empty where the page opened
    bool holdsNoMenu = false; // refused as a page of the author's, which a menu may go into
    SitePage::Place place;    // where the menu would go into it
    bool atMarker = false;    // its menu stands at a marker in a page of the author's
    MenuType direction = MenuType::Vertical;
    qint16 count = 0;
    QString name;
    bool html = true; // its extension is .html, not .htm
    PageForm form = PageForm::Classic;
    int changedLine = 0;
};

// The menu being built and the page it goes into, without widgets: its buttons by number, the
// page this window opened (its author's frame, folder and name), the file it last wrote, and
// the rules that decide where Finish writes and what it may replace. Its rows are the buttons,
// so a view follows every insertion, removal, move and change as it happens. Buttons are
// numbered from 1, rows from 0.
class MenuModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr qint16 maxButtons = 1000;
    enum Role { LinkRole = Qt::UserRole, NormalNameRole, NormalPathRole, TextRole };
    // The edits of the list of buttons, at the button chosen there.
    enum class Edit { InsertBefore, InsertAfter, Remove, MoveUp, MoveDown };

    explicit MenuModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The menu as the wizard's pages ask for it.
    bool bNewMenu() const { return !fixed_; } // true until the buttons exist
    qint16 iNumberOfButtons() const { return qint16(buttons_.size()); }
    qint16 iLastStep() const; // the file-name step: after the last button
    qint16 iMenuType() const { return qint16(direction_); }
    const QString& sImageFile(qint16 button, PictureKind kind) const;
    const QString& sImageFile(qint16 button, qint16 kind) const;
    const QString& picturePath(qint16 button, PictureKind kind) const;
    const QString& sLink(qint16 button) const { return record(button).button.link; }
    const QString& sFrame(qint16 button) const { return record(button).button.frame; }
    const QString& sText(qint16 button) const { return record(button).button.text; }
    bool holdsAnything(qint16 button) const { return record(button).holdsAnything(); }
    // The lines of the author's own that stand among a button's lines in an opened page.
    qsizetype authorsLines(qint16 button) const;
    const QString& sFileName() const { return sFileName_; }
    const QString& sExtension() const { return sExtension_; }
    // The menu built so far: its direction, every button and the page's form, with a new
    // page's title and language in the wizard's.
    Menu menu() const;
    PageForm pageForm() const { return form_; }

    // New: no buttons, nothing opened, no file of this window's to replace freely.
    void startNew();
    // A new menu's first step to a button fixes its direction and size; an opened page's
    // buttons fill it, as many as the count asks for.
    void fix(MenuType direction, qint16 count);
    // The picture of `kind` chosen from the file at `path` for `button`.
    void choosePicture(qint16 button, PictureKind kind, const QString& path);
    void setLink(qint16 button, const QString& link);
    void setFrame(qint16 button, const QString& frame);
    void setText(qint16 button, const QString& text);
    // The form Finish writes the page in. An opened page written in the other form keeps every
    // line of its author's around Tessel's.
    void setPageForm(PageForm form) { form_ = form; }
    // Editing the menu anywhere. Each keeps the count within 1 to maxButtons, and says
    // whether it did anything.
    bool insertButton(qint16 at); // an empty button as number `at`, from 1 to count + 1
    bool removeButton(qint16 at);
    bool moveButton(qint16 from, qint16 to);
    // Whether the list may make `edit` at button `at`, and the edit made: the button to show
    // after it, or nothing.
    bool mayEdit(Edit edit, qint16 at) const;
    std::optional<qint16> edit(Edit edit, qint16 at);

    // Opening a page Tessel wrote, before a menu is fixed.
    Opening open(const QString& path);
    // The page of the author's at `path`, which holds no menu, opened with this window's menu
    // put into it (the opened page's, or else one of `count` empty buttons) at `place`: its
    // marker, or the line after which a marker is put too. The menu's addresses are
    // the opened page's, whose folder is the site's.
    Opening openWithMenu(const QString& path, MenuType direction, qint16 count,
                         const SitePage::Place& place);
    bool hasOpenedPage() const { return opened_.has_value(); }
    // Where the Open dialog starts: the opened page's folder, else the pictures'.
    QString openFolder() const { return opened_ ? opened_->folder : lastPictureFolder_; }

    // Work filled since the menu was fixed, opened or last written, as `now` holds it.
    bool hasUnwrittenWork(const Menu& now) const { return fixed_ && !(now == writtenMenu_); }

    // Finish's file name from the name box as typed and the extension chosen. An opened page's
    // name left as it was keeps its blanks and its extension's spelling; any other is trimmed.
    // False where no name is left.
    bool nameFile(const QString& typed, bool html);
    // Where Finish writes: an opened page in its own folder, a new one beside the picture
    // chosen last, or else in the working folder.
    QString pagePath() const;
    // Whether Finish may replace the file at `path` without a question, and else why not.
    Replacing replacing(const QString& path) const;
    // Writes the page at `path`, into the opened page's frame where there is one; why it could
    // not be saved, or nothing.
    QString write(const QString& path);
    // After a page of a site was written (one that holds its menu at a marker), the other pages
    // of the site that held the menu as it was before, the change written into each, and the
    // pages left out with why; nothing where the menu did not change.
    SitePage::Sync siteInStep() const;
    // Each chosen picture as the page names it, where it was chosen from.
    QList<PicturePlaces::Picture> chosenPictures() const;

signals:
    void countChanged(int count);

private:
    struct OpenedPage {
        PageFrame frame;
        QString folder, name, suffix;
        bool atMarker; // its menu stands at a marker in a page of the author's
    };

    ButtonRecord& record(qint16 button);
    const ButtonRecord& record(qint16 button) const;
    static std::size_t slot(qint16 kind);
    void changed(qint16 button);
    void takeOpenedButtons();
    // An opened page, as read, whose file held `bytes`: the page this window opened.
    Opening opened(const QFileInfo& file, PageReading reading, const QByteArray& bytes);
    // Why a file not this window's, holding `bytes` (or unreadable for `error`), may not simply
    // be replaced.
    QString whyAsk(const QByteArray& bytes, const QString& error) const;

    QList<ButtonRecord> buttons_;
    MenuType direction_ = MenuType::Vertical;
    PageForm form_ = PageForm::Classic;
    bool fixed_ = false;
    std::optional<Menu> pending_;      // an opened page's menu, until the menu is fixed
    std::optional<OpenedPage> opened_; // the page this window opened, until New
    // The file this window opened or wrote last and what it held then: Finish replaces it
    // without a question while it still holds that, and no other file. A page written is
    // written again to be compared, so that Finish need not hold it whole.
    QString ownPath_;
    std::function<QByteArray()> ownBytes_;
    Menu writtenMenu_; // as fixed, opened or last written: what New and Exit would not lose
    Menu beforeWrite_; // what it was before the last page was written
    QString sFileName_, sExtension_;
    QString lastPictureFolder_; // the folder of the picture chosen last, kept past New
};
