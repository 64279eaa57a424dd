#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>

// The criteria of the filter dialog and the expression they give for the service view.
namespace FilterCriteria {

enum Bit {
    Directories = 1,
    SpiderEngines = 2,
    Other = 4,
    NeverSubmitted = 8,
    Top100 = 16,
    SubmittedBefore = 32,
    Countries = 64,
};

inline constexpr int kCountryCount = 54;
using CountryTicks = std::array<bool, kCountryCount>; // item i is country code i + 1

// "(codefuerflagge = 7)", or the ticked codes joined by " or " and wrapped once more
// when more than one is ticked; empty when none is.
QString countryText(const CountryTicks& ticks);

// The user filter expression for the criteria bits. filterDate is the day of the
// "submitted before" criterion, written in the locale's short date format.
QString expression(int bits, const QDate& filterDate, const QString& countryText,
                   const QLocale& locale);

} // namespace FilterCriteria
