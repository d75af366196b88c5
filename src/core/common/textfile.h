#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The comma-and-quote text files every data file of the game uses: Windows-1252 bytes,
// CR LF on write, CR LF or LF on read.

QString fromwindows1252(const QByteArray& bytes);
// Characters the code page lacks are written as '?', so a file always stays single-byte.
QByteArray towindows1252(const QString& text);
// One character as the code page has it, and back: -1 for a character the page lacks.
int windows1252byte(QChar c);
QChar windows1252char(unsigned char byte);
// Whether a byte of the code page is a letter, looked up rather than worked out.
bool windows1252letter(unsigned char byte);
// Whether every character survives towindows1252: a name the player types into a file must,
// or it comes back as '?' after a restart.
bool fitswindows1252(const QString& text);

// The format has no escape for a double quote inside a quoted text, so the game's files keep one
// as a single quote: the field then reads back whole.
QString quotabletext(const QString& text);

// Reads one field at a time. next() returns false when asked to read past the end of the data,
// or on a quoted field that never closes (the rest of the file is then unreadable).
class FieldReader {
public:
    explicit FieldReader(QByteArray bytes);
    bool next(QString& field);
    // The same, keeping only the first `longest` characters of the field; `cut` tells whether
    // it held more. A huge field then costs nothing to skip.
    bool next(QString& field, qsizetype longest, bool& cut);
    // The field's bytes as they lie in the data, undecoded: a reader that only compares them
    // or reads digits need not make a string of every field.
    bool nextbytes(QByteArrayView& field);
    bool atend() const { return pos >= data.size() && !fieldpending; }
    // Whether the read stopped at a quoted field that never closes, rather than at the end.
    bool unclosedquote() const { return brokenquote; }

private:
    // Where the next field's text lies in the data.
    bool nextspan(qsizetype& start, qsizetype& length);
    void skipdelimiter();
    const QByteArray data;
    qsizetype pos = 0;
    bool fieldpending = false; // a comma was read, so one more (possibly empty) field follows
    bool brokenquote = false;
};

// Builds one line: quoted texts (written unchanged, as the format has no escape), plain
// decimal numbers, commas between, CR LF at the end.
class LineWriter {
public:
    LineWriter& text(const QString& value);
    LineWriter& number(qint64 value);
    QByteArray line() const;

private:
    QStringList fields;
};
