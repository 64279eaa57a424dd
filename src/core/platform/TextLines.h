#pragma once

#include <QString>
#include <QStringList>

// Line lists as the program's text algorithms see them: a list's text is every line
// followed by CR LF, and a text is split at CR, LF or CR LF, where a final line break
// does not start another (empty) line.
namespace TextLines {

QStringList split(const QString& text);
QString join(const QStringList& lines);

// Removes leading and trailing characters up to and including the space (control
// characters and blanks) and nothing else: a no-break space stays.
QString trimBlanks(const QString& text);

} // namespace TextLines
