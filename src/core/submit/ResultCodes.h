#pragma once

// The code in Fehlercode of a status report entry, and the places that judge it.
// A reply is judged by its code alone; each place has its own bounds, and a code outside
// them counts as a failure there.
namespace ResultCodes {

// HTTP status of the final reply: 100 to 401 (a status above 401 is recorded as kError).
inline constexpr int kError = -1;
inline constexpr int kTimeOut = 10060;
inline constexpr int kManualSubmission = 0;

// Successful and failed counts of the progress window.
constexpr bool countsAsSuccessInProgress(int code)
{
    return code >= 1 && code <= 398;
}

// The success colour of a worker slot's progress bar.
constexpr bool showsSuccessColour(int code)
{
    return code >= 1 && code <= 399;
}

// The "Success" column of the status report view.
constexpr bool isSuccessInReportView(int code)
{
    return code >= 0 && code <= 399;
}

// The counts and lists of the formatted report.
constexpr bool isSuccessInFormattedReport(int code)
{
    return code >= 0 && code <= 399;
}

// Whether a service's last-registered date is stamped.
constexpr bool stampsLastRegistered(int code)
{
    return code >= 0 && code <= 399;
}

} // namespace ResultCodes
