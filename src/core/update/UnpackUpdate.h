#pragma once

#include <QString>
#include <QStringList>

struct UnpackOutcome
{
    bool ok = true;
    // Entries that were refused or could not be extracted, and other failures, one line
    // each (for the log of a failed update; the user sees the kind's summary entry).
    QStringList problems;
};

// Puts an update's files into targetFolder (created when missing).
//
// A folder as source: every file directly in it is copied into targetFolder under the
// same name; a file that cannot be copied makes the result false and the others are
// still copied.
//
// Otherwise the source is read as a zip archive, whatever its name says. Every entry is
// first extracted into a hidden temporary folder inside targetFolder; only when all of
// them extracted are the files moved into place (replacing existing ones, renames on the
// same file system), so a broken or hostile archive leaves the target as it was. Entries
// whose names would leave the target ("../x", "/etc/x", "C:x", names with a backslash)
// and symbolic links are refused and count as failed entries. Nothing is ever written
// outside targetFolder: existing symbolic links inside it are not followed. When asked,
// the archive is deleted afterwards, also when the extraction failed.
UnpackOutcome unpackUpdate(const QString& source, const QString& targetFolder,
                           bool deleteAfterwards);

// The same, as a yes or no.
bool UnpackUpdate(const QString& source, const QString& targetFolder, bool deleteAfterwards);
