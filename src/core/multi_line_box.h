#pragma once

#include <QPlainTextEdit>

// A multi-line text box as the windows use it: its text has CR LF line
// breaks, as stored and as written into ".conf" files. In a window with a
// default button, Enter presses that button and Ctrl+Enter starts a new line.
// A new text replaces only what changed, so a long text stays quick to show.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    QString text() const;
    void setText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
