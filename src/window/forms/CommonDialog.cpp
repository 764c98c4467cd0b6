#include "forms/CommonDialog.h"

#include "forms/FileDialogChooser.h"

#include <QCoreApplication>
#include <QStringList>

CommonDialog::CommonDialog(QString filter)
    : Filter(std::move(filter)), chooser_(std::make_shared<FileDialogChooser>()) {}

CommonDialog::~CommonDialog() = default;

void CommonDialog::setChooser(std::shared_ptr<FileChooser> chooser) {
    chooser_ = std::move(chooser);
}

bool CommonDialog::ShowOpen(QWidget* parent) {
    const std::optional<QString> chosen =
        chooser_->chooseFile(parent, qtNameFilter(Filter), InitDir);
    if (!chosen || chosen->isEmpty())
        return false;
    FileName = *chosen;
    return true;
}

namespace {
// The kinds of file the window's dialogs show, in the user's language.
[[maybe_unused]] const char* const kinds[] = {QT_TRANSLATE_NOOP("CommonDialog", "Pictures"),
                                              QT_TRANSLATE_NOOP("CommonDialog", "Pages")};
} // namespace

QString CommonDialog::qtNameFilter(const QString& filter) {
    QString description = filter.section(QLatin1Char('|'), 0, 0);
    const QString kind = description.section(QLatin1Char(' '), 0, 0);
    description.replace(0, kind.size(),
                        QCoreApplication::translate("CommonDialog", qPrintable(kind)));
    QStringList patterns;
    for (const QString& pattern : filter.section(QLatin1Char('|'), 1, 1).split(QLatin1Char(';'))) {
        // "*.gif" becomes "*.[gG][iI][fF]": Qt's dialog matches blank-separated patterns only.
        QString anyCase;
        for (const QChar ch : pattern.trimmed())
            anyCase += ch.isLetter() ? QStringLiteral("[%1%2]").arg(ch.toLower(), ch.toUpper())
                                     : QString(ch);
        if (!anyCase.isEmpty())
            patterns.append(anyCase);
    }
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}
