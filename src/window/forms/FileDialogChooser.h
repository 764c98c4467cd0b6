#pragma once

#include "forms/FileChooser.h"

#include <memory>

class QFileDialog;

// The real thing: a modal file-open dialog.
class FileDialogChooser : public FileChooser {
public:
    std::optional<QString> chooseFile(QWidget* parent, const QString& nameFilter,
                                      const QString& startFolder) override;

    // The dialog as it is shown, set up but not yet run.
    static std::unique_ptr<QFileDialog> makeDialog(QWidget* parent, const QString& nameFilter,
                                                   const QString& startFolder);
};
