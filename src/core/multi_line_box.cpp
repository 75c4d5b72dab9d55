#include "multi_line_box.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The text with every `from` replaced by `to`, built in one pass:
// QString::replace moves the rest of a long text again for every batch of
// matches, seconds for a block of several MB.
QString replaced(QStringView text, QStringView from, QStringView to)
{
    QString result;
    result.reserve(text.size());
    qsizetype done = 0;
    for (qsizetype at = text.indexOf(from); at >= 0; at = text.indexOf(from, done)) {
        result.append(text.sliced(done, at - done)).append(to);
        done = at + from.size();
    }
    return result.append(text.sliced(done));
}

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
    return replaced(toPlainText(), u"\n", kCrLf);
}

void MultiLineBox::setText(const QString& text)
{
    // Only the part between what the old and the new text share at their
    // start and at their end is replaced: the same text again leaves the box
    // alone, so a selection survives, and a long text that changed in one
    // place is not laid out again as a whole. The reader keeps their place.
    const QString shown = toPlainText();
    const QString wanted = replaced(text, kCrLf, u"\n");
    qsizetype start
        = std::mismatch(shown.begin(), shown.end(), wanted.begin(), wanted.end()).first - shown.begin();
    if (start == shown.size() && start == wanted.size())
        return;
    qsizetype end
        = std::mismatch(shown.rbegin(), shown.rend() - start, wanted.rbegin(), wanted.rend() - start).first
        - shown.rbegin();
    // A character of two halves is replaced whole.
    if (start > 0 && shown[start - 1].isHighSurrogate())
        --start;
    if (end > 0 && shown[shown.size() - end].isLowSurrogate())
        --end;

    const qsizetype replacedEnd = shown.size() - end;
    QTextCursor selection = textCursor();
    const qsizetype anchor = selection.anchor();
    const qsizetype position = selection.position();
    const int vertical = verticalScrollBar()->value();
    const int horizontal = horizontalScrollBar()->value();
    const bool undo = document()->isUndoRedoEnabled();
    document()->setUndoRedoEnabled(false); // a new text starts a new undo history
    QTextCursor cursor(document());
    cursor.setPosition(int(start));
    cursor.setPosition(int(replacedEnd), QTextCursor::KeepAnchor);
    cursor.insertText(wanted.sliced(start, wanted.size() - start - end));
    document()->setUndoRedoEnabled(undo);

    // A selection before or after the replaced part keeps its text; one that
    // reaches into it goes, and the cursor starts the text, as in a new text.
    const bool before = std::max(anchor, position) <= start;
    const bool after = std::min(anchor, position) >= replacedEnd;
    const qsizetype shift = before ? 0 : wanted.size() - shown.size();
    if (before || after) {
        selection.setPosition(int(anchor + shift));
        selection.setPosition(int(position + shift), QTextCursor::KeepAnchor);
    } else {
        selection.setPosition(0);
    }
    setTextCursor(selection);
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
