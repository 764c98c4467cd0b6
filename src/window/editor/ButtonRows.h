#pragma once

#include <QHash>
#include <QIdentityProxyModel>
#include <QPixmap>

// The menu's buttons as the list of buttons shows them: each with its link and its normal
// picture, small, loaded when its row is first drawn, and its number before them. It follows
// the menu row for row. The number is drawn, not part of the row's text, which a row keeps
// wherever it moves.
class ButtonRows : public QIdentityProxyModel {
    Q_OBJECT
public:
    // Each row's picture, as wide as two lines of text are high, in the proportions of the
    // button page's own picture boxes.
    static constexpr QSize iconSize{44, 12};

    explicit ButtonRows(QObject* parent);

    void setSourceModel(QAbstractItemModel* menu) override;
    QVariant data(const QModelIndex& index, int role) const override;
    // A row's text with its button's number, as the list shows it and a screen reader says it.
    static QString numbered(const QModelIndex& index);

private:
    QPixmap icon(const QString& path) const;
    // A button's picture chosen again, maybe from a file changed since: loaded anew.
    void forgetIcons(const QModelIndex& first, const QModelIndex& last);

    mutable QHash<QString, QPixmap> icons_;
};
