#pragma once

#include "wizard/MenuModel.h"

#include <QFrame>
#include <QPointer>

#include <array>
#include <utility>

class ButtonRows;
class QListView;
class QPushButton;

// The list of the menu's buttons over the button page, opened with its List button: go to
// any button, insert one before or after it, remove it, or move it up or down the menu. It
// shows the menu as the model has it; the edits it asks for are the window's to make.
class ButtonList : public QFrame {
    Q_OBJECT
public:
    ButtonList(MenuModel* menu, QWidget* page);

    QListView* lstButtons = nullptr;
    QPushButton *cmdGo = nullptr, *cmdInsertBefore = nullptr, *cmdInsertAfter = nullptr,
                *cmdRemove = nullptr, *cmdUp = nullptr, *cmdDown = nullptr, *cmdClose = nullptr;

    // Shows the list with button `current` chosen; hide() shows the page again.
    void open(qint16 current);
    // The button chosen in the list, from 1.
    qint16 chosen() const;
    // Chooses button `current`, after a change of the menu too.
    void choose(qint16 current);

signals:
    void goChosen();
    // The list came up over its page, or left it.
    void shownOrHidden();
    void edit(MenuModel::Edit edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // What may be done with the button chosen now.
    void updateActions();
    bool act(MenuModel::Edit edit);

    const MenuModel* menu_;
    ButtonRows* rows_;
    std::array<std::pair<QPushButton*, MenuModel::Edit>, 5> edits_{};
    QList<QPointer<QWidget>> covered_; // the page's controls hidden while the list is over them
};
