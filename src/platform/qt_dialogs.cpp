#include "qt_dialogs.h"

#include "executable.h"
#include "open_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

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

// Each line of a text as a box shows it.
QStringList displayedLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = breakable(shortened(line));
    return lines;
}

// The first and last of the lines, `kept` in all, with "..." between them
// where lines are left out.
QStringList middleCut(const QStringList& lines, qsizetype kept)
{
    if (lines.size() <= kept)
        return lines;
    const qsizetype head = (kept + 1) / 2;
    return lines.first(head) + QStringList { QStringLiteral("...") } + lines.last(kept - head);
}

// What the window system's title bar and frame may add to a box's height.
constexpr int kFrameAllowance = 48;

// A warning box with a plain text that stays within its screen, its buttons
// in view: a text too tall for the screen loses lines from its middle as
// the box shows, before it is drawn.
class FittingMessageBox final : public QMessageBox {
public:
    FittingMessageBox(const QString& title, const QStringList& lines, QWidget* owner)
        : QMessageBox(QMessageBox::Warning, title, QString(), QMessageBox::NoButton, owner)
        , m_lines(lines)
    {
        setTextFormat(Qt::PlainText); // the text may quote a program's output or what the user typed
        setText(m_lines.join(u'\n'));
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        const int room = screen()->availableGeometry().height() - kFrameAllowance;
        for (qsizetype kept = m_lines.size(); height() > room && kept > 1;) {
            kept = std::max<qsizetype>(1, kept * 3 / 4);
            setText(middleCut(m_lines, kept).join(u'\n'));
        }
    }

private:
    QStringList m_lines;
};

} // namespace

void QtDialogs::showError(QWidget* owner, const QString& title, const QString& text)
{
    FittingMessageBox box(title, middleCut(displayedLines(text), 2 * kShownEndLines), owner);
    box.addButton(QMessageBox::Ok);
    box.exec();
}

bool QtDialogs::askToProceed(QWidget* owner, const QString& title, const QString& text,
    const QString& proceedText, const QString& backText)
{
    FittingMessageBox box(title, displayedLines(text), owner);
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
