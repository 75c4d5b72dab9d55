#pragma once

#include <QString>

class QWidget;

// Modal dialogs that the program shows, behind one seam so that a test can
// answer them without a real dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Tells the user that something failed; the program keeps running.
    virtual void showError(QWidget* owner, const QString& title, const QString& text) = 0;
};
