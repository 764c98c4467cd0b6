#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QDropEvent;

// Lets a control take one dropped local file while `open` says drops are taken; anything else
// (several files, a folder, a web address) is refused and changes nothing. Owned by the
// control, whose drag events it handles.
class FileDrop : public QObject {
    Q_OBJECT
public:
    FileDrop(QWidget* control, std::function<bool()> open);

signals:
    void dropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString file(const QDropEvent& event) const;

    std::function<bool()> open_;
};
