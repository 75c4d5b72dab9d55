#include "multi_line_box.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QPushButton* defaultButton(const QWidget& window)
{
    const QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->isDefault() && button->window() == &window)
            return button;
    }
    return nullptr;
}

} // namespace

QString MultiLineBox::text() const
{
    return toPlainText().replace(QLatin1Char('\n'), kCrLf);
}

void MultiLineBox::setText(const QString& text)
{
    // The same text again leaves the box alone, so a selection survives; a
    // new text keeps the reader's place in it.
    if (text == this->text())
        return;
    const int vertical = verticalScrollBar()->value();
    const int horizontal = horizontalScrollBar()->value();
    setPlainText(QString(text).replace(kCrLf, QStringLiteral("\n")));
    verticalScrollBar()->setValue(vertical);
    horizontalScrollBar()->setValue(horizontal);
}

void MultiLineBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::ControlModifier) {
        if (!isReadOnly())
            textCursor().insertText(QStringLiteral("\n"));
        event->accept();
        return;
    }
    if (enter && modifiers == Qt::NoModifier) {
        if (QPushButton* button = defaultButton(*window()); button && button->isEnabled()) {
            button->click();
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}
