#include "forms/ButtonList.h"

#include "forms/Twips.h"
#include "wizard/WizardState.h"

#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListView>
#include <QPushButton>

#include <tuple>

namespace {

// Each row's picture, as wide as two lines of text are high, in the proportions of the
// button page's own picture boxes.
const QSize iconSize(44, 12);

QPushButton* button(QWidget* parent, const QString& caption, QRect twips) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

} // namespace

ButtonListModel::ButtonListModel(const WizardState& state, QObject* parent)
    : QAbstractListModel(parent), state_(state) {}

int ButtonListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || state_.bNewMenu ? 0 : state_.iNumberOfButtons;
}

QVariant ButtonListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const qint16 button = qint16(index.row() + 1);
    const QString& link = state_.sLink(button);
    const QString& picture = state_.sImageFile(button, PictureKind::Normal);
    switch (role) {
    case Qt::DisplayRole:
        return QStringLiteral("%1  %2").arg(button).arg(link.isEmpty() ? tr("(no link)") : link);
    case Qt::DecorationRole:
        return icon(state_.picturePath(button, PictureKind::Normal));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return picture.isEmpty() ? tr("No picture chosen") : tr("Picture %1").arg(picture);
    default:
        return {};
    }
}

void ButtonListModel::refresh() {
    beginResetModel();
    endResetModel();
}

QPixmap ButtonListModel::icon(const QString& path) const {
    if (path.isEmpty()) { // room kept, so that every link starts in the same column
        QPixmap none(iconSize);
        none.fill(Qt::transparent);
        return none;
    }
    const auto cached = icons_.constFind(path);
    if (cached != icons_.constEnd())
        return *cached;
    QImageReader reader(path);
    reader.setScaledSize(iconSize);
    const QPixmap pixmap = QPixmap::fromImage(reader.read());
    icons_.insert(path, pixmap);
    return pixmap;
}

ButtonList::ButtonList(const WizardState& state, QWidget* page)
    : QFrame(page), state_(state), model_(new ButtonListModel(state, this)) {
    setObjectName("ButtonList");
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setGeometry(page->rect());
    lstButtons = new QListView(this);
    lstButtons->setObjectName("lstButtons");
    lstButtons->setGeometry(Twips::rect(120, 120, 3720, 2532));
    lstButtons->setModel(model_);
    lstButtons->setIconSize(iconSize);
    lstButtons->setUniformItemSizes(true); // a thousand rows lay out at once
    lstButtons->setAccessibleName(tr("Buttons of the menu"));
    lstButtons->installEventFilter(this);
    // Beside the list, what can be done with the chosen button; every letter its own.
    cmdGo = button(this, tr("&Go to"), {3960, 120, 1932, 312});
    cmdInsertBefore = button(this, tr("&Insert before"), {3960, 480, 1932, 312});
    cmdInsertAfter = button(this, tr("Insert afte&r"), {3960, 840, 1932, 312});
    cmdRemove = button(this, tr("Re&move"), {3960, 1200, 1932, 312});
    cmdUp = button(this, tr("Move &up"), {3960, 1560, 1932, 312});
    cmdDown = button(this, tr("Move &down"), {3960, 1920, 1932, 312});
    cmdClose = button(this, tr("&Close"), {3960, 2340, 1932, 312});
    cmdGo->setAccessibleDescription(tr("Show the chosen button's page"));
    connect(cmdGo, &QPushButton::clicked, this, &ButtonList::goChosen);
    const std::tuple<QPushButton*, Edit, QKeySequence> edits[] = {
        {cmdInsertBefore, Edit::InsertBefore, Qt::SHIFT | Qt::Key_Insert},
        {cmdInsertAfter, Edit::InsertAfter, Qt::Key_Insert},
        {cmdRemove, Edit::Remove, Qt::Key_Delete},
        {cmdUp, Edit::MoveUp, Qt::CTRL | Qt::Key_Up},
        {cmdDown, Edit::MoveDown, Qt::CTRL | Qt::Key_Down}};
    for (const auto& [button, edit, key] : edits) {
        // The key's name as the desktop's language writes it.
        button->setToolTip(
            tr("%1 (%2 in the list)")
                .arg(button->text().remove('&'), key.toString(QKeySequence::NativeText)));
        connect(button, &QPushButton::clicked, this,
                [this, edit = edit] { emit this->edit(edit); });
    }
    connect(cmdClose, &QPushButton::clicked, this, &ButtonList::hide);
    connect(lstButtons->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ButtonList::updateActions);
    connect(lstButtons, &QListView::activated, this, &ButtonList::goChosen);
    hide();
}

void ButtonList::open(qint16 current) {
    refresh(current);
    show();
    raise();
    lstButtons->setFocus();
}

qint16 ButtonList::chosen() const {
    const QModelIndex index = lstButtons->currentIndex();
    return qint16(index.isValid() ? index.row() + 1 : 1);
}

void ButtonList::refresh(qint16 current) {
    model_->refresh();
    const QModelIndex index = model_->index(current - 1);
    lstButtons->setCurrentIndex(index);
    lstButtons->scrollTo(index);
    updateActions();
}

void ButtonList::updateActions() {
    const qint16 count = state_.iNumberOfButtons, current = chosen();
    cmdInsertBefore->setEnabled(count < WizardState::maxButtons);
    cmdInsertAfter->setEnabled(count < WizardState::maxButtons);
    cmdRemove->setEnabled(count > 1);
    cmdUp->setEnabled(current > 1);
    cmdDown->setEnabled(current < count);
}

// In the list, keys act at once: Escape leaves it as it leaves a menu, the page behind as it
// was; Insert, Delete and Ctrl with the arrows change the menu as the buttons beside it do.
bool ButtonList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool control = key->modifiers() & Qt::ControlModifier;
    const auto act = [this](QPushButton* button, Edit edit) {
        if (button->isEnabled())
            emit this->edit(edit);
        return true;
    };
    switch (key->key()) {
    case Qt::Key_Escape:
        hide();
        return true;
    case Qt::Key_Insert:
        return key->modifiers() & Qt::ShiftModifier ? act(cmdInsertBefore, Edit::InsertBefore)
                                                    : act(cmdInsertAfter, Edit::InsertAfter);
    case Qt::Key_Delete:
        return act(cmdRemove, Edit::Remove);
    case Qt::Key_Up:
        return control ? act(cmdUp, Edit::MoveUp) : QFrame::eventFilter(watched, event);
    case Qt::Key_Down:
        return control ? act(cmdDown, Edit::MoveDown) : QFrame::eventFilter(watched, event);
    default:
        return QFrame::eventFilter(watched, event);
    }
}
