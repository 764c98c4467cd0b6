#pragma once

#include <QAbstractListModel>
#include <QFrame>
#include <QHash>
#include <QPixmap>

class QListView;
class QPushButton;
struct WizardState;

// The menu's buttons as rows: each with its number and link, and its normal picture, small,
// loaded when its row is first drawn.
class ButtonListModel : public QAbstractListModel {
    Q_OBJECT
public:
    ButtonListModel(const WizardState& state, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The menu changed: every row is read again.
    void refresh();

private:
    QPixmap icon(const QString& path) const;

    const WizardState& state_;
    mutable QHash<QString, QPixmap> icons_;
};

// The list of the menu's buttons over the button page, opened with its List button: go to
// any button, insert one before or after it, remove it, or move it up or down the menu.
class ButtonList : public QFrame {
    Q_OBJECT
public:
    enum class Edit { InsertBefore, InsertAfter, Remove, MoveUp, MoveDown };

    ButtonList(const WizardState& state, QWidget* page);

    QListView* lstButtons = nullptr;
    QPushButton *cmdGo = nullptr, *cmdInsertBefore = nullptr, *cmdInsertAfter = nullptr,
                *cmdRemove = nullptr, *cmdUp = nullptr, *cmdDown = nullptr, *cmdClose = nullptr;

    // Shows the list with button `current` chosen; hide() shows the page again.
    void open(qint16 current);
    // The button chosen in the list, from 1.
    qint16 chosen() const;
    // After a change of the menu: the rows again, `current` chosen, what may be done now.
    void refresh(qint16 current);
    // What may be done with the button chosen now.
    void updateActions();

signals:
    void goChosen();
    void edit(ButtonList::Edit edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const WizardState& state_;
    ButtonListModel* model_;
};
