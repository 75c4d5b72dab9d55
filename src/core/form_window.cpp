#include "form_window.h"

#include <QKeyEvent>
#include <QPushButton>

FormWindow::FormWindow(QWidget* owner, SettingsStore& store, const WindowGeometryKeys& placement)
    : QDialog(owner)
    , m_store(store)
    , m_placement(placement)
{
}

void FormWindow::restorePlacement()
{
    ::restorePlacement(*this, m_store, m_placement);
}

void FormWindow::savePosition()
{
    ::savePosition(*this, m_store, m_placement);
}

void FormWindow::unload()
{
    done(QDialog::Accepted);
}

void FormWindow::setCancelButton(QPushButton* button)
{
    m_cancelButton = button;
}

void FormWindow::done(int result)
{
    if (!m_unloaded) {
        m_unloaded = true;
        savePosition();
        Form_Unload();
    }
    QDialog::done(result);
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancelButton && m_cancelButton->isEnabled())
            m_cancelButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
