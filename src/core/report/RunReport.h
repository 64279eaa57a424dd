#pragma once

#include "core/report/RtfText.h"

#include <QDate>
#include <QDateTime>
#include <QLatin1StringView>
#include <QString>

class TProjektDetails;
class TRegistryEintraege;
class TStatusbericht;

// The formatted report of a submission run: a Rich Text template whose placeholders are
// replaced by the run's date, the project's address and title, the counts and the lists
// of successful and failed services, written as "Report no.N.rtf" into a dated folder of
// the project below the report root.
namespace RunReport {

inline constexpr QLatin1StringView kPlaceholders {"#D#U#T#E#F#O#X"};
inline constexpr QChar kValueSeparator {u'^'};
// What ReportFolder returns when it fails.
inline constexpr QLatin1StringView kFolderFailed {"XXX"};
inline constexpr int kMaxReportNumber = 5000;

// placeholders: two-character placeholders one after the other; values: one value per
// placeholder, separated by "^" (the last takes the rest). Each placeholder is replaced
// wherever it occurs, in order, also inside values inserted for earlier placeholders;
// the search goes on after each inserted value, so a value holding its own placeholder
// is inserted once. Either argument empty: text unchanged.
QString FillTemplate(const QString& text, const QString& placeholders, const QString& values);

// The folder name of a project title: without \ / : * ? " < > |, at most 128
// characters; "Unbenannt" when nothing usable is left.
QString FolderNameOf(const QString& title);

// Creates root (one level) and below it date/name (order 0) or name/date (order 1) and
// returns that folder with a trailing "/"; kFolderFailed when root is empty or a level
// cannot be created. Any other order creates only the root and returns "".
QString ReportFolder(const QString& root, int order, const QString& title,
                     const QDate& date = QDate::currentDate());

// "Report no.N.rtf" with the smallest N from 1 to 5000 that folder does not hold yet;
// empty when all are taken.
QString ReportFileName(const QString& folder);

struct Lists
{
    int successes = 0;
    int failures = 0;
    QString successList; // Rich Text, "\par" between the entries
    QString failureList;
};
// The counts and lists of a run, the texts escaped for a document of codePage.
Lists BuildLists(const TStatusbericht& run, RtfText::CodePage codePage);

// The date and time shown in the report: short date and long time of the locale.
QString DateTimeText(const QDateTime& moment, const QLocale& locale);

// The report text for templateText: every value escaped, so the document shows the
// texts as they are, and no value can be taken for a placeholder or a separator.
QString FillReport(const QString& templateText, const TStatusbericht& run,
                   const TProjektDetails& details, const QString& dateTime);

// Writes the report of run from the configured template (or, after asking, from
// schablone.rtf in programFolder) and remembers its path in GlobaleVariablen. Every
// failure is shown through Platform::messages(); returns whether a report was written.
bool WriteRunReport(const TStatusbericht& run, const TProjektDetails& details,
                    const TRegistryEintraege& settings, const QString& programFolder);

} // namespace RunReport
