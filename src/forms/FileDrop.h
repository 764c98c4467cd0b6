#pragma once

#include <QString>

#include <functional>

class QDragEnterEvent;
class QDropEvent;

// Takes one dropped local file while `open` says drops are taken; anything else (several
// files, a folder, a web address) is refused and changes nothing.
class FileDrop {
public:
    void setOpen(std::function<bool()> open) { open_ = std::move(open); }

    // Accepts the drag where its drop would be taken.
    void enter(QDragEnterEvent& event) const;
    // The dropped file's path, accepted, or nothing.
    QString take(QDropEvent& event) const;

private:
    QString file(const QDropEvent& event) const;

    std::function<bool()> open_;
};
