#include "form_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace {

bool isEnter(const QKeyEvent& event)
{
    return (event.key() == Qt::Key_Return && event.modifiers() == Qt::NoModifier)
        || (event.key() == Qt::Key_Enter && event.modifiers() == Qt::KeypadModifier);
}

// The designed fractional point sizes, which the forms cannot hold.
void applyFractionalSizes(QWidget& window)
{
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        const QVariant size = widget->property("pointSizeF");
        if (!size.isValid())
            continue;
        QFont font = widget->font();
        font.setPointSizeF(size.toDouble());
        widget->setFont(font);
    }
}

} // namespace

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

void FormWindow::savePositionAndUnload()
{
    const SettingsStore::Batch batch(m_store);
    savePosition();
    unload();
}

void FormWindow::setCancelButton(QPushButton* button)
{
    m_cancelButton = button;
}

void FormWindow::done(int result)
{
    if (!m_unloaded) {
        m_unloaded = true;
        const SettingsStore::Batch batch(m_store);
        savePosition();
        Form_Unload();
    }
    QDialog::done(result);
}

QPushButton* FormWindow::enterButton() const
{
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
        return focused;
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons)
        if (button->isDefault() && button->window() == this)
            return button;
    return nullptr;
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancelButton && m_cancelButton->isEnabled())
            m_cancelButton->click();
        event->accept();
        return;
    }
    if (isEnter(*event)) {
        if (QPushButton* button = enterButton(); button && button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FormWindow::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        applyFractionalSizes(*this);
        // A focused button marks itself as the one Enter presses. Without a
        // default button the dialog would promote the first such button to
        // default; such windows keep no default and press the focused button here.
        const QList<QPushButton*> buttons = findChildren<QPushButton*>();
        const bool hasDefault = std::any_of(
            buttons.begin(), buttons.end(), [](const QPushButton* b) { return b->isDefault(); });
        if (!hasDefault)
            for (QPushButton* button : buttons)
                button->setAutoDefault(false);
    }
    QDialog::showEvent(event);
}
