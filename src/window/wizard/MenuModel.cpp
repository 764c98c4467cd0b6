#include "wizard/MenuModel.h"

#include "generator/PageBuffer.h"
#include "generator/PageFile.h"
#include "generator/SiteAddress.h"
#include "wizard/Blanks.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <numeric>

bool ButtonRecord::holdsAnything() const {
    return !button.normalImage.isEmpty() || !button.overImage.isEmpty() || !button.link.isEmpty() ||
           !button.frame.isEmpty() || !button.text.isEmpty() ||
           std::any_of(button.ownLines.begin(), button.ownLines.end(),
                       [](const BlockTemplate& form) { return form.authorsLines() > 0; });
}

namespace {

Opening refused(const QString& why) {
    Opening opening;
    opening.refusal = why;
    return opening;
}

} // namespace

MenuModel::MenuModel(QObject* parent) : QAbstractListModel(parent) {}

int MenuModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(buttons_.size());
}

QVariant MenuModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ButtonRecord& record = buttons_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return record.button.link;
    case NormalNameRole:
        return record.button.normalImage;
    case NormalPathRole:
        return record.picturePath[0];
    case TextRole:
        return record.button.text;
    default:
        return {};
    }
}

qint16 MenuModel::iLastStep() const {
    // A new menu's file name follows its first button page until the count is fixed.
    return fixed_ ? qint16(buttons_.size() + 1) : qint16(2);
}

std::size_t MenuModel::slot(qint16 kind) {
    if (kind != 0 && kind != 1)
        qFatal("sImageFile(%d) is not a picture a button stores", int(kind));
    return std::size_t(kind);
}

const ButtonRecord& MenuModel::record(qint16 button) const {
    if (button < 1 || button > buttons_.size())
        qFatal("button %d is outside the menu", int(button));
    return buttons_[button - 1];
}

ButtonRecord& MenuModel::record(qint16 button) {
    return const_cast<ButtonRecord&>(std::as_const(*this).record(button));
}

const QString& MenuModel::sImageFile(qint16 button, qint16 kind) const {
    const MenuButton& held = record(button).button;
    return slot(kind) == 0 ? held.normalImage : held.overImage;
}

const QString& MenuModel::sImageFile(qint16 button, PictureKind kind) const {
    return sImageFile(button, qint16(kind));
}

qsizetype MenuModel::authorsLines(qint16 button) const {
    const auto& forms = record(button).button.ownLines;
    return std::accumulate(
        forms.begin(), forms.end(), qsizetype(0),
        [](qsizetype sum, const BlockTemplate& form) { return sum + form.authorsLines(); });
}

const QString& MenuModel::picturePath(qint16 button, PictureKind kind) const {
    return record(button).picturePath[slot(qint16(kind))];
}

Menu MenuModel::menu() const {
    Menu menu{direction_, {}, form_};
    menu.title = tr("Menu", "the title of a new HTML5 page");
    menu.language = tr("en", "the language code (BCP 47) of the pages Tessel writes");
    menu.buttons.reserve(buttons_.size());
    for (const ButtonRecord& record : buttons_)
        menu.buttons.append(record.button);
    return menu;
}

void MenuModel::startNew() {
    beginResetModel();
    buttons_.clear();
    fixed_ = false;
    pending_.reset();
    opened_.reset();
    ownPath_.clear();
    ownBytes_ = {};
    endResetModel();
}

void MenuModel::fix(MenuType direction, qint16 count) {
    beginResetModel();
    direction_ = direction;
    buttons_ = QList<ButtonRecord>(qBound<qint16>(1, count, maxButtons));
    takeOpenedButtons();
    writtenMenu_ = menu(); // nothing filled yet
    fixed_ = true;
    endResetModel();
    emit countChanged(int(buttons_.size()));
}

// The opened page's buttons, with their pictures looked for where the page loads them from.
void MenuModel::takeOpenedButtons() {
    if (!pending_)
        return;
    const qsizetype kept = qMin(buttons_.size(), pending_->buttons.size());
    for (qsizetype i = 0; i < kept; ++i) {
        ButtonRecord& record = buttons_[i];
        record.button = pending_->buttons.at(i);
        record.picturePath = {PicturePlaces::fileNamed(record.button.normalImage, opened_->folder),
                              PicturePlaces::fileNamed(record.button.overImage, opened_->folder)};
    }
    pending_.reset();
}

void MenuModel::changed(qint16 button) {
    const QModelIndex row = index(button - 1);
    emit dataChanged(row, row);
}

void MenuModel::choosePicture(qint16 button, PictureKind kind, const QString& path) {
    ButtonRecord& held = record(button);
    const QString name = QFileInfo(path).fileName();
    (slot(qint16(kind)) == 0 ? held.button.normalImage : held.button.overImage) = name;
    held.picturePath[slot(qint16(kind))] = path;
    lastPictureFolder_ = QFileInfo(path).absolutePath();
    changed(button);
}

void MenuModel::setLink(qint16 button, const QString& link) {
    if (std::exchange(record(button).button.link, link) != link)
        changed(button);
}

void MenuModel::setFrame(qint16 button, const QString& frame) {
    if (std::exchange(record(button).button.frame, frame) != frame)
        changed(button);
}

void MenuModel::setText(qint16 button, const QString& text) {
    if (std::exchange(record(button).button.text, text) != text)
        changed(button);
}

bool MenuModel::mayEdit(Edit edit, qint16 at) const {
    const qint16 count = iNumberOfButtons();
    if (!fixed_ || at < 1 || at > count)
        return false;
    switch (edit) {
    case Edit::InsertBefore:
    case Edit::InsertAfter:
        return count < maxButtons;
    case Edit::Remove:
        return count > 1;
    case Edit::MoveUp:
        return at > 1;
    case Edit::MoveDown:
        return at < count;
    }
    return false;
}

std::optional<qint16> MenuModel::edit(Edit edit, qint16 at) {
    if (!mayEdit(edit, at))
        return std::nullopt;
    switch (edit) {
    case Edit::InsertBefore:
        insertButton(at);
        return at;
    case Edit::InsertAfter:
        insertButton(qint16(at + 1));
        return qint16(at + 1);
    case Edit::Remove: // the button that took its place, or the new last one
        removeButton(at);
        return qMin(at, iNumberOfButtons());
    case Edit::MoveUp:
        moveButton(at, qint16(at - 1));
        return qint16(at - 1);
    case Edit::MoveDown:
        moveButton(at, qint16(at + 1));
        return qint16(at + 1);
    }
    return std::nullopt;
}

bool MenuModel::insertButton(qint16 at) {
    if (!fixed_ || iNumberOfButtons() >= maxButtons || at < 1 || at > iNumberOfButtons() + 1)
        return false;
    beginInsertRows({}, at - 1, at - 1);
    buttons_.insert(at - 1, ButtonRecord());
    endInsertRows();
    emit countChanged(int(buttons_.size()));
    return true;
}

bool MenuModel::removeButton(qint16 at) {
    if (iNumberOfButtons() <= 1 || at < 1 || at > iNumberOfButtons())
        return false;
    beginRemoveRows({}, at - 1, at - 1);
    buttons_.remove(at - 1);
    endRemoveRows();
    emit countChanged(int(buttons_.size()));
    return true;
}

bool MenuModel::moveButton(qint16 from, qint16 to) {
    if (from < 1 || to < 1 || from > iNumberOfButtons() || to > iNumberOfButtons() || from == to)
        return false;
    // A row moved down goes before the row after its new place.
    beginMoveRows({}, from - 1, from - 1, {}, to > from ? to : to - 1);
    buttons_.move(from - 1, to - 1);
    endMoveRows();
    return true;
}

Opening MenuModel::open(const QString& path) {
    const QFileInfo file(path);
    const QString suffix = file.suffix().toLower();
    PageReading reading = MenuPage::open(path);
    if (reading.refusal == Refusal::NotOurs && (suffix == "html" || suffix == "htm") &&
        !file.completeBaseName().isEmpty()) {
        Opening none = refused(reading.error);
        none.holdsNoMenu = true;
        none.place = SitePage::placeFor(PageFile::load(path, MenuPage::maxBytes).bytes);
        return none;
    }
    if (reading.refusal != Refusal::None)
        return refused(reading.error);
    if (suffix != "html" && suffix != "htm")
        return refused(
            tr("its name does not end in .html or .htm, so Finish could not write it back"));
    if (file.completeBaseName().isEmpty()) // Finish never writes a bare extension
        return refused(tr("its name is no more than its extension, so Finish could not write "
                          "it back; give it a name before the extension"));
    const QByteArray bytes = reading.frame.bytes;
    return opened(file, std::move(reading), bytes);
}

Opening MenuModel::openWithMenu(const QString& path, MenuType direction, qint16 count,
                                const SitePage::Place& place) {
    const PageFile::Loaded loaded = PageFile::load(path, MenuPage::maxBytes);
    if (!loaded.error.isEmpty())
        return refused(loaded.error);
    const QByteArray marked =
        place.marked ? loaded.bytes : SitePage::withMarker(loaded.bytes, place.line);
    Menu menu = pending_ ? *pending_ : this->menu();
    if (!pending_)
        menu.form = PageForm::Html5; // the form a site would use, unless a page's menu has its own
    if (menu.buttons.isEmpty()) {
        menu.iMenuType = direction;
        menu.buttons.resize(count);
    }
    const QFileInfo file(path);
    const QString inSite =
        opened_ ? QDir(opened_->folder).relativeFilePath(file.absoluteFilePath()) : QString();
    const SitePage::Insertion put = SitePage::insert(
        marked, menu, inSite.isEmpty() || inSite.startsWith("..") ? file.fileName() : inSite);
    if (!put.error.isEmpty())
        return refused(put.error);
    return opened(file, MenuPage::read(put.page), loaded.bytes);
}

Opening MenuModel::opened(const QFileInfo& file, PageReading reading, const QByteArray& bytes) {
    const QString suffix = file.suffix().toLower();
    ownPath_ = file.absoluteFilePath();
    ownBytes_ = [bytes] { return bytes; }; // as on the disk: Finish replaces it unasked
    const bool atMarker = SitePage::atMarker(reading);
    opened_ = {std::move(reading.frame), file.absolutePath(), file.completeBaseName(),
               file.suffix(), atMarker};
    Opening opening;
    opening.direction = reading.menu.iMenuType;
    opening.count = qint16(reading.menu.buttons.size());
    opening.name = file.completeBaseName();
    opening.html = suffix == "html";
    opening.form = form_ = reading.menu.form;
    opening.changedLine = reading.changedLine;
    opening.atMarker = atMarker;
    pending_ = std::move(reading.menu);
    return opening;
}

bool MenuModel::nameFile(const QString& typed, bool html) {
    const bool openedName = opened_ && typed == opened_->name;
    sFileName_ = openedName ? typed : trimBlanks(typed);
    sExtension_ = html ? "html" : "htm";
    if (openedName && opened_->suffix.toLower() == sExtension_)
        sExtension_ = opened_->suffix;
    return !sFileName_.isEmpty(); // a bare extension would make a hidden file nobody asked for
}

QString MenuModel::pagePath() const {
    const QString folder = opened_                         ? opened_->folder
                           : !lastPictureFolder_.isEmpty() ? lastPictureFolder_
                                                           : QDir::currentPath();
    return QDir::cleanPath(QDir(folder).filePath(sFileName_ + "." + sExtension_));
}

// A file in the way is replaced without a question only where it is the one this window
// opened or wrote, as it was then; anything else may be the user's.
Replacing MenuModel::replacing(const QString& path) const {
    const QFileInfo existing(path);
    if (!existing.exists() || existing.isDir())
        return {}; // nothing there, or a folder, which the save refuses by itself
    if (!(existing.permissions() & QFileDevice::WriteOwner)) // even where root could write it
        return {true, tr("It is read-only.")};
    const PageFile::Loaded there = PageFile::load(path, MenuPage::maxBytes);
    const bool own = ownPath_ == existing.absoluteFilePath();
    if (own && there.error.isEmpty() && ownBytes_ && there.bytes == ownBytes_())
        return {};
    return {true, own ? tr("It was changed since Tessel opened or wrote it.")
                      : whyAsk(there.bytes, there.error)};
}

QString MenuModel::whyAsk(const QByteArray& bytes, const QString& error) const {
    if (!error.isEmpty())
        return tr("Tessel cannot read it: %1.").arg(error);
    const PageReading reading = MenuPage::read(bytes);
    if (reading.refusal == Refusal::NotOurs)
        return tr("Tessel did not write it.");
    if (reading.refusal != Refusal::None)
        return tr("Tessel cannot read it back as one of its pages: %1.").arg(reading.error);
    return MenuPage::text(reading.menu) == bytes
               ? tr("It is a Tessel page that holds another menu.")
               : tr("It is a Tessel page with its author's own HTML.");
}

QString MenuModel::write(const QString& path) {
    const Menu now = menu();
    Menu written = now;
    // A page of a site marks the button that leads to itself, whatever its links are now.
    if (opened_ && opened_->atMarker)
        for (MenuButton& button : written.buttons)
            button.current = SiteAddress::leadsTo(button.link, QFileInfo(path).fileName());
    // An opened page's blocks that did not change are written from the page as it was read.
    std::optional<PageFrame> frame;
    if (opened_)
        frame = opened_->frame;
    PageBuffer changed;
    const QString failure = frame ? PageFile::save(path, MenuPage::pieces(written, *frame, changed))
                                  : PageFile::save(path, MenuPage::text(written));
    if (failure.isEmpty()) {
        ownPath_ = QFileInfo(path).absoluteFilePath();
        ownBytes_ = [written, frame] {
            return frame ? MenuPage::text(written, *frame) : MenuPage::text(written);
        };
        beforeWrite_ = std::exchange(writtenMenu_, now);
    }
    return failure;
}

SitePage::Sync MenuModel::siteInStep() const {
    // A page of a site is one this window opened with its menu at a marker, written since.
    if (ownPath_.isEmpty() || !opened_ || !opened_->atMarker)
        return {};
    const QString site = SitePage::siteFolder(beforeWrite_, QFileInfo(ownPath_).absolutePath());
    const QString page = QDir(site).relativeFilePath(ownPath_);
    const Menu before = SitePage::forSite(beforeWrite_, page);
    const Menu after = SitePage::forSite(writtenMenu_, page);
    if (before.sameValues(after))
        return {};
    return SitePage::sync(after, site, site, ownPath_, &before);
}

QList<PicturePlaces::Picture> MenuModel::chosenPictures() const {
    QList<PicturePlaces::Picture> chosen;
    for (const ButtonRecord& record : buttons_)
        for (const std::size_t kind : {0u, 1u}) {
            const QString& name = kind == 0 ? record.button.normalImage : record.button.overImage;
            if (!record.picturePath[kind].isEmpty() && !name.isEmpty())
                chosen.append({record.picturePath[kind], PicturePlaces::Place::Elsewhere, name});
        }
    return chosen;
}
