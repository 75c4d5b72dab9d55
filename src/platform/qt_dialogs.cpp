#include "qt_dialogs.h"

#include "executable.h"
#include "open_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

void QtDialogs::showError(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox::warning(owner, title, text);
}

std::optional<QString> QtDialogs::browseForFolder(QWidget* owner, const QString& title)
{
    const QString folder
        = QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

std::optional<QString> QtDialogs::openFile(QWidget* owner, const OpenFileRequest& request)
{
    QFileDialog dialog(owner);
    prepareOpenFileDialog(dialog, request, kExecutablesHaveExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}
