#include "qt_dialogs.h"

#include <QMessageBox>

void QtDialogs::showError(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox::warning(owner, title, text);
}
