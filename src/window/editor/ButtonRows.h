#pragma once

#include <QHash>
#include <QIdentityProxyModel>
#include <QPixmap>

// The menu's buttons as the list of buttons shows them: each with its number and link, and its
// normal picture, small, loaded when its row is first drawn. It follows the menu row for row.
class ButtonRows : public QIdentityProxyModel {
    Q_OBJECT
public:
    // Each row's picture, as wide as two lines of text are high, in the proportions of the
    // button page's own picture boxes.
    static constexpr QSize iconSize{44, 12};

    explicit ButtonRows(QObject* parent);

    void setSourceModel(QAbstractItemModel* menu) override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QPixmap icon(const QString& path) const;
    // A button's picture chosen again, maybe from a file changed since: loaded anew.
    void forgetIcons(const QModelIndex& first, const QModelIndex& last);

    mutable QHash<QString, QPixmap> icons_;
};
