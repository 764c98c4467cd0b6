#include "forms/FileDialogChooser.h"

#include <QFileDialog>

std::unique_ptr<QFileDialog> FileDialogChooser::makeDialog(QWidget* parent,
                                                           const QString& nameFilter,
                                                           const QString& startFolder) {
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), startFolder, nameFilter);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // Show the filter's description as written, not the patterns Qt matches with.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    return dialog;
}

std::optional<QString> FileDialogChooser::chooseFile(QWidget* parent, const QString& nameFilter,
                                                     const QString& startFolder) {
    const auto dialog = makeDialog(parent, nameFilter, startFolder);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}
