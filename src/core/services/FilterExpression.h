#pragma once

#include <QLocale>
#include <QString>
#include <QVariantList>

// The filter language of the service view, turned into an SQL condition on dba with
// bound values. The syntax:
//   expression := term { ("and" | "or") term }      "and" binds tighter than "or"
//   term       := "(" expression ")" | field operator value
//   operator   := = <> < > <= >=
//   value      := 'text' ('' for a quote) | number | null
// Keywords and field names are matched without regard to case. Boolean fields are
// compared with 'True' or 'False' (an empty Boolean counts as false); "= null" and
// "<> null" test for an empty field (empty text and the date 0 count as empty); date
// fields take quoted dates in the short date format of the locale. Field names come
// only from the table's own list and every value is bound, so no text can reach the
// database as SQL.
namespace FilterExpression {

struct Sql
{
    QString where;       // empty: every row
    QVariantList values; // bound to the "?" of where, in order
};

// Throws SdError with a text for the user when the expression is not valid.
Sql toSql(const QString& expression, const QLocale& locale);

// The date format used in filter texts: the locale's short format, with a four-digit
// year so that a date means the same in every century.
QString dateFormat(const QLocale& locale);
QString formatDate(const QDate& date, const QLocale& locale);

} // namespace FilterExpression
