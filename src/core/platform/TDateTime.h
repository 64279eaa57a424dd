#pragma once

#include <QDateTime>

// Dates as the program stores them: days since 30 December 1899 as a double, the
// fraction being the time of day (local time, no zone). For days before that epoch the
// integer part counts the days back and the fraction is still the time of day, so
// -1.25 is 29 December 1899, 06:00.
namespace TDateTime {

inline constexpr double kEmpty = 0.0;

double fromDateTime(const QDateTime& dateTime);
double fromDate(const QDate& date);
// An invalid QDateTime for values outside the years 1 to 9999 or not finite.
QDateTime toDateTime(double value);
QDate toDate(double value);

// The current local date and time.
double now();

} // namespace TDateTime
