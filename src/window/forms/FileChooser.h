#pragma once

#include <QString>

#include <optional>

class QWidget;

// Asks the user for a file to open. The program uses a real file dialog; tests script the
// answers so that no modal dialog ever waits for them.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or nothing when the user cancels. `nameFilter` is in Qt's
    // form ("Description (*.a *.b)"); `startFolder` may be empty.
    virtual std::optional<QString> chooseFile(QWidget* parent, const QString& nameFilter,
                                              const QString& startFolder) = 0;
};
