#include "qt_dialogs.h"

#include "executable.h"
#include "open_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

void QtDialogs::showError(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox::warning(owner, title, text);
}

bool QtDialogs::askToProceed(QWidget* owner, const QString& title, const QString& text,
    const QString& proceedText, const QString& backText)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText); // the text quotes what the user typed
    QPushButton* proceed = box.addButton(proceedText, QMessageBox::AcceptRole);
    QPushButton* back = box.addButton(backText, QMessageBox::RejectRole);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    return box.clickedButton() == proceed;
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
