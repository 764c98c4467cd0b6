#include "forms/FileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

QString FileDrop::file(const QDropEvent& event) const {
    const QList<QUrl> urls = event.mimeData()->urls();
    if (!open_ || !open_() || urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

void FileDrop::enter(QDragEnterEvent& event) const {
    if (!file(event).isEmpty())
        event.acceptProposedAction();
}

QString FileDrop::take(QDropEvent& event) const {
    const QString path = file(event);
    if (!path.isEmpty())
        event.acceptProposedAction();
    return path;
}
