#include "core/platform/TDateTime.h"

#include <cmath>

namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kMillisecondsPerDay = 86400000.0;

} // namespace

namespace TDateTime {

double fromDate(const QDate& date)
{
    return date.isValid() ? double(kEpoch.daysTo(date)) : kEmpty;
}

double fromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return kEmpty;
    const double days = fromDate(dateTime.date());
    const double fraction = dateTime.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
    return days >= 0 ? days + fraction : days - fraction;
}

QDate toDate(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 3000000.0)
        return {};
    const QDate date = kEpoch.addDays(qint64(std::trunc(value)));
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    return date;
}

QDateTime toDateTime(double value)
{
    const QDate date = toDate(value);
    if (!date.isValid())
        return {};
    const double fraction = std::fabs(value - std::trunc(value));
    qint64 ms = std::llround(fraction * kMillisecondsPerDay);
    // Rounding can reach the next midnight; the day is what the integer part says.
    ms = qBound<qint64>(0, ms, qint64(kMillisecondsPerDay) - 1);
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

double now()
{
    return fromDateTime(QDateTime::currentDateTime());
}

} // namespace TDateTime
