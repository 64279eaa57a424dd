#pragma once

#include <QByteArray>
#include <QString>

// A strict reader of the Rich Text the program writes, for tests: checks that a
// document is well formed and returns the text a reader would show.
namespace RtfCheck {

struct Result
{
    bool ok = false;
    QString error; // what is wrong, with the byte offset
    // The text of the body (destinations such as the font table and \* groups left
    // out): \par and \line as "\n", \tab as "\t", escapes decoded.
    QString text;
};

// Well formed means: starts with "{\rtf1"; 7-bit bytes only; groups balanced, the
// first one closing at the end (only line breaks may follow); every control word
// letters with an optional number; every control symbol one of the known ones; \'
// followed by two hex digits; \u with a number from -32768 to 32767.
Result check(const QByteArray& document);

} // namespace RtfCheck
