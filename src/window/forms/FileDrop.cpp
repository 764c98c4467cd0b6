#include "forms/FileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

FileDrop::FileDrop(QWidget* control, std::function<bool()> open)
    : QObject(control), open_(std::move(open)) {
    control->setAcceptDrops(true);
    control->installEventFilter(this);
}

QString FileDrop::file(const QDropEvent& event) const {
    const QList<QUrl> urls = event.mimeData()->urls();
    if (!open_() || urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto& drop = static_cast<QDropEvent&>(*event); // a drag's entry is a kind of drop event
    const QString path = file(drop);
    if (path.isEmpty()) {
        drop.ignore();
        return true;
    }
    drop.acceptProposedAction();
    if (event->type() == QEvent::Drop)
        emit dropped(path);
    return true;
}
