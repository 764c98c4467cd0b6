#include "editor/ButtonRows.h"

#include "editor/PictureLoader.h"
#include "wizard/MenuModel.h"

ButtonRows::ButtonRows(QObject* parent) : QIdentityProxyModel(parent) {}

void ButtonRows::setSourceModel(QAbstractItemModel* menu) {
    QIdentityProxyModel::setSourceModel(menu);
    connect(menu, &QAbstractItemModel::dataChanged, this, &ButtonRows::forgetIcons);
    // A new menu: none of the old pictures is wanted any more.
    connect(menu, &QAbstractItemModel::modelReset, this, [this] { icons_.clear(); });
    // Rows that moved up or down the menu have new numbers.
    const auto renumber = [this](int from) {
        if (from < rowCount())
            emit dataChanged(index(from, 0), index(rowCount() - 1, 0), {Qt::AccessibleTextRole});
    };
    connect(menu, &QAbstractItemModel::rowsInserted, this,
            [renumber](const QModelIndex&, int first) { renumber(first); });
    connect(menu, &QAbstractItemModel::rowsRemoved, this,
            [renumber](const QModelIndex&, int first) { renumber(first); });
    connect(menu, &QAbstractItemModel::rowsMoved, this,
            [renumber](const QModelIndex&, int first, int, const QModelIndex&, int before) {
                renumber(qMin(first, before));
            });
}

QString ButtonRows::numbered(const QModelIndex& index) {
    return QStringLiteral("%1  %2").arg(index.row() + 1).arg(index.data().toString());
}

QVariant ButtonRows::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    // Only what the role asked for is read: rows are painted often.
    const auto source = [&](int sourceRole) {
        return QIdentityProxyModel::data(index, sourceRole).toString();
    };
    switch (role) {
    case Qt::DisplayRole: { // the button's text first, where it has one: how its author knows it
        const QString link = source(Qt::DisplayRole), text = source(MenuModel::TextRole);
        const QString shown = link.isEmpty() ? tr("(no link)") : link;
        return text.isEmpty() ? shown
                              : tr("%1: %2", "a button's text, then its link").arg(text, shown);
    }
    case Qt::AccessibleTextRole: // the number as the list draws it before the link
        return numbered(index);
    case Qt::DecorationRole:
        return icon(source(MenuModel::NormalPathRole));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString picture = source(MenuModel::NormalNameRole);
        return picture.isEmpty() ? tr("No picture chosen") : tr("Picture %1").arg(picture);
    }
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

QPixmap ButtonRows::icon(const QString& path) const {
    const auto cached = icons_.constFind(path);
    if (cached != icons_.constEnd())
        return *cached;
    // Room kept where there is no picture, so that every link starts in the same column.
    QPixmap pixmap(iconSize);
    pixmap.fill(Qt::transparent);
    if (!path.isEmpty())
        if (const PictureLoader::Result loaded = PictureLoader::load(path, iconSize);
            loaded.error.isEmpty())
            pixmap = QPixmap::fromImage(loaded.picture.currentFrame().scaled(
                iconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    icons_.insert(path, pixmap);
    return pixmap;
}

void ButtonRows::forgetIcons(const QModelIndex& first, const QModelIndex& last) {
    for (int row = first.row(); row <= last.row(); ++row)
        icons_.remove(sourceModel()
                          ->data(sourceModel()->index(row, 0), MenuModel::NormalPathRole)
                          .toString());
}
