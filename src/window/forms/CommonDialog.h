#pragma once

#include <QString>

#include <memory>

class FileChooser;
class QWidget;

// The window's file-open dialog. It takes no room on the window; it holds the filter set in
// the design, opens in InitDir and gives the file chosen.
class CommonDialog {
public:
    explicit CommonDialog(QString filter);
    ~CommonDialog();

    // Shows the dialog, modal. True when a file was chosen; a cancel changes nothing.
    bool ShowOpen(QWidget* parent);

    // The window's dialogs share one chooser.
    void setChooser(std::shared_ptr<FileChooser> chooser);

    // "Description|*.a;*.b" in the form Qt's dialog takes, matching the patterns in any
    // letter case, since a Linux file system tells PHOTO.JPG from photo.jpg.
    static QString qtNameFilter(const QString& filter);

    const QString Filter;
    QString InitDir;  // the folder the dialog opens in; empty: the platform's choice
    QString FileName; // full path of the file chosen last

private:
    std::shared_ptr<FileChooser> chooser_;
};
