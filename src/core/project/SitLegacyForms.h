#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

class TSdProjectContainer;

// The two older forms of project files, read only. Their 8-bit texts are Windows-1252.
namespace SitLegacyForms {

// The text form: appends every project that begins in the file and returns whether at
// least one began. Throws SdError (a date that does not parse, a collection count
// larger than the text can hold); the projects read before stay in the container.
bool readTextForm(const QByteArray& bytes, TSdProjectContainer& container);

// The fixed record of 13,195 bytes: appends one project (modified flag set). Throws
// SdError for a shorter file, and clears the container and throws "Die Datei hat kein
// gültiges Format!" when a field cannot be copied.
void readRecordForm(const QByteArray& bytes, TSdProjectContainer& container);

inline constexpr qsizetype kRecordSize = 13195;

// A decimal integer of 32 bits after optional leading blanks and an optional sign.
std::optional<int> parseInteger(QStringView text);

// A date and time of the text form in the formats of locale's language: English
// month/day/year, German day.month.year, French day/month/year, each optionally
// followed by the time (hours:minutes[:seconds], English also with AM/PM).
std::optional<double> parseDateTime(QStringView text, const QLocale& locale);

} // namespace SitLegacyForms
