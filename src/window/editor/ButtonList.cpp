#include "editor/ButtonList.h"

#include "editor/ButtonRows.h"
#include "forms/Style.h"
#include "forms/Twips.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>

#include <tuple>

namespace {

// Draws each row's button number before its link.
class NumberedRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = ButtonRows::numbered(index);
    }
};

QPushButton* button(QWidget* parent, const QString& caption, QRect twips) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

} // namespace

ButtonList::ButtonList(MenuModel* menu, QWidget* page)
    : QFrame(page), menu_(menu), rows_(new ButtonRows(this)) {
    rows_->setSourceModel(menu);
    setObjectName("ButtonList");
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setGeometry(page->rect());
    lstButtons = new QListView(this);
    lstButtons->setObjectName("lstButtons");
    lstButtons->setGeometry(Twips::rect(120, 120, 3720, 2532));
    lstButtons->setModel(rows_);
    lstButtons->setItemDelegate(new NumberedRows(lstButtons));
    lstButtons->setIconSize(ButtonRows::iconSize);
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
    using Edit = MenuModel::Edit;
    const std::tuple<QPushButton*, Edit, QKeySequence> edits[] = {
        {cmdInsertBefore, Edit::InsertBefore, Qt::SHIFT | Qt::Key_Insert},
        {cmdInsertAfter, Edit::InsertAfter, Qt::Key_Insert},
        {cmdRemove, Edit::Remove, Qt::Key_Delete},
        {cmdUp, Edit::MoveUp, Qt::CTRL | Qt::Key_Up},
        {cmdDown, Edit::MoveDown, Qt::CTRL | Qt::Key_Down}};
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const auto& [button, edit, key] = edits[i];
        edits_[i] = {button, edit};
        // The key's name as the desktop's language writes it.
        button->setToolTip(
            tr("%1 (%2 in the list)")
                .arg(button->text().remove('&'), key.toString(QKeySequence::NativeText)));
        connect(button, &QPushButton::clicked, this,
                [this, edit = edit] { emit this->edit(edit); });
    }
    connect(cmdClose, &QPushButton::clicked, this, &ButtonList::hide);
    // Escape leaves the list wherever the focus is while it shows, on a step button too, as it
    // leaves a menu; a hidden list takes no key.
    auto* escape = new QShortcut(Qt::Key_Escape, this, this, &ButtonList::hide);
    escape->setContext(Qt::WindowShortcut);
    connect(lstButtons->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ButtonList::updateActions);
    connect(lstButtons, &QListView::activated, this, &ButtonList::goChosen);
    Style::mirror(this);
    hide();
}

void ButtonList::open(qint16 current) {
    choose(current);
    show();
    raise();
    lstButtons->setFocus();
}

qint16 ButtonList::chosen() const {
    const QModelIndex index = lstButtons->currentIndex();
    return qint16(index.isValid() ? index.row() + 1 : 1);
}

void ButtonList::choose(qint16 current) {
    const QModelIndex index = rows_->index(current - 1, 0);
    lstButtons->setCurrentIndex(index);
    lstButtons->scrollTo(index);
    updateActions();
}

void ButtonList::updateActions() {
    for (const auto& [button, edit] : edits_)
        button->setEnabled(menu_->mayEdit(edit, chosen()));
}

bool ButtonList::act(MenuModel::Edit edit) {
    if (menu_->mayEdit(edit, chosen()))
        emit this->edit(edit);
    return true;
}

// In the list, keys act at once: Escape leaves it as it leaves a menu, back on the button page
// the user was on; Insert, Delete and Ctrl with the arrows change the menu as the buttons
// beside it do.
bool ButtonList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool control = key->modifiers() & Qt::ControlModifier;
    using Edit = MenuModel::Edit;
    switch (key->key()) {
    case Qt::Key_Insert:
        return key->modifiers() & Qt::ShiftModifier ? act(Edit::InsertBefore)
                                                    : act(Edit::InsertAfter);
    case Qt::Key_Delete:
        return act(Edit::Remove);
    case Qt::Key_Up:
        return control ? act(Edit::MoveUp) : QFrame::eventFilter(watched, event);
    case Qt::Key_Down:
        return control ? act(Edit::MoveDown) : QFrame::eventFilter(watched, event);
    default:
        return QFrame::eventFilter(watched, event);
    }
}

// The page's controls under the list are hidden while it is open: neither Tab, a key nor a
// screen reader reaches what the user cannot see.
void ButtonList::showEvent(QShowEvent* event) {
    for (QWidget* control : parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != this && control->isVisibleTo(parentWidget())) {
            control->hide();
            covered_.append(control);
        }
    QFrame::showEvent(event);
    emit shownOrHidden();
}

void ButtonList::hideEvent(QHideEvent* event) {
    // Only a list closed on its own page gives the page back; a page covered by another keeps
    // the list open, to show it again with the page.
    if (parentWidget()->isVisible()) {
        for (QWidget* control : std::as_const(covered_))
            if (control)
                control->show();
        covered_.clear();
    }
    QFrame::hideEvent(event);
    emit shownOrHidden();
}
