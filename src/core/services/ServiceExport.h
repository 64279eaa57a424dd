#pragma once

#include <QString>
#include <QStringList>

class TDatenmodul;

// The export file: a numbered list of service names in an HTML page, by name.
namespace ServiceExport {

// onlyTicked false: every service of the table, whatever the view shows; true: the
// ticked services of the current view. The view is not changed.
QStringList lines(const TDatenmodul& data, bool onlyTicked);

// Windows-1252, CR LF after every line, written atomically. Throws SdError.
void write(const QString& path, const QStringList& lines);

// Both in one: when listing fails part-way, the lines so far are closed and written
// before the error is passed on.
void exportServices(const TDatenmodul& data, bool onlyTicked, const QString& path);

} // namespace ServiceExport
