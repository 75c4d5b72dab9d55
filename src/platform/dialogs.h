#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

// One entry of an open-file dialog's filter list: the caption the user sees
// and the pattern of the names it shows. "*.*" means every file and "*.exe"
// means programs, as on Windows; platforms where these differ translate them.
struct FileFilter {
    QString caption;
    QString pattern;
};

// What an open-file dialog is asked to show.
struct OpenFileRequest {
    QString title;
    QList<FileFilter> filters; // the first is offered when the dialog opens
    QString defaultExtension; // without the dot
    QString initialFolder;
};

// Modal dialogs that the program shows, behind one seam so that a test can
// answer them without a real dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Tells the user that something failed; the program keeps running.
    virtual void showError(QWidget* owner, const QString& title, const QString& text) = 0;

    // Asks whether to go on despite what the text says. True when the user
    // chooses the proceed button; the back button, Esc and closing answer false.
    virtual bool askToProceed(QWidget* owner, const QString& title, const QString& text,
        const QString& proceedText, const QString& backText)
        = 0;

    // Lets the user choose a folder; the browser starts at its own default.
    // Gives the folder's path in the platform's form (a root keeps its
    // separator), or nothing when the user cancels.
    virtual std::optional<QString> browseForFolder(QWidget* owner, const QString& title) = 0;

    // Lets the user choose one existing file. Gives its full path in the
    // platform's form, or nothing when the user cancels.
    virtual std::optional<QString> openFile(QWidget* owner, const OpenFileRequest& request) = 0;
};
