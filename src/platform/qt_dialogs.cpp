#include "qt_dialogs.h"

#include "executable.h"
#include "open_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A longer line (a whole command line, a path) shows its first and last
// characters only, and a message of more lines its first and last lines: a
// box must stay readable, within the screen and quick to lay out.
constexpr qsizetype kShownLineEnds = 200;
constexpr qsizetype kShownEndLines = 12;

// Lines break at blanks; a run of characters without one (a path) may also
// break after every this many, at an invisible zero-width space.
constexpr qsizetype kLongestUnbrokenRun = 60;

QString shortened(const QString& line)
{
    if (line.size() <= 2 * kShownLineEnds)
        return line;
    return line.first(kShownLineEnds) + QStringLiteral("...") + line.last(kShownLineEnds);
}

QString breakable(const QString& text)
{
    QString result;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestUnbrokenRun) {
            result += QChar(0x200B);
            run = 1;
        }
        result += c;
    }
    return result;
}

QString displayedText(const QString& text)
{
    QStringList lines = text.split(u'\n');
    if (lines.size() > 2 * kShownEndLines)
        lines = lines.first(kShownEndLines) + QStringList { QStringLiteral("...") }
            + lines.last(kShownEndLines);
    for (QString& line : lines)
        line = breakable(shortened(line));
    return lines.join(u'\n');
}

} // namespace

void QtDialogs::showError(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, displayedText(text), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText); // the text may quote a program's output or a client's error
    box.exec();
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
