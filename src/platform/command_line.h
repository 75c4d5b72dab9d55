#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A command line as the user's settings hold it, split once into the program
// and its arguments by the rules of QProcess::splitCommand: blanks separate
// arguments, double quotes group blanks into one argument and are removed,
// three double quotes in a row stand for one literal double quote, and a
// backslash is an ordinary character, so Windows-style paths survive. The
// text stays as it was given: it is what is stored and shown.
class CommandLine {
public:
    // One word of the line (the program or an argument) and where it stands in the text.
    struct Word {
        QString text; // as the program receives it
        qsizetype begin = 0; // its first character in the text, an opening quote included
        qsizetype end = 0; // one past its last character in the text, a closing quote included
        qsizetype valueBegin = -1; // in the text, one past its first '=', or -1 when it has none
        bool valueQuoted = false; // whether that '=' stands inside double quotes
    };

    CommandLine() = default;
    explicit CommandLine(const QString& text);

    const QString& text() const { return m_text; }
    const QList<Word>& words() const { return m_words; }
    // A quote that is never closed makes the last word run to the end of the text.
    bool quoteLeftOpen() const { return m_quoteLeftOpen; }
    // Whether the line names no program: it is empty or blank.
    bool isEmpty() const { return m_words.isEmpty(); }
    QString program() const;
    QStringList arguments() const; // those after the program

    // The line with its last argument replaced by `argument`, quoted where it
    // needs quotes; the rest of the text stays as it is. A line without
    // arguments gets it at its end.
    CommandLine withLastArgument(const QString& argument) const;

private:
    QString m_text;
    QList<Word> m_words;
    bool m_quoteLeftOpen = false;
};

// The line for CreateProcessW: the same program and arguments, quoted by the
// rules by which Windows programs split their command line (backslashes
// before a double quote escape it), so that a Windows program receives the
// arguments listed above. A quote left open is kept as it splits here.
QString windowsCommandLine(const CommandLine& line);
