#include "core/services/FilterCriteria.h"

#include "core/services/FilterExpression.h"

namespace FilterCriteria {

QString countryText(const CountryTicks& ticks)
{
    QString text;
    int ticked = 0;
    for (int i = 0; i < kCountryCount; ++i) {
        if (!ticks[size_t(i)])
            continue;
        const QString part = QStringLiteral("(codefuerflagge = ") + QString::number(i + 1) + u')';
        text += text.isEmpty() ? part : QStringLiteral(" or ") + part;
        ++ticked;
    }
    if (ticked > 1)
        text = u'(' + text + u')';
    return text;
}

QString expression(int bits, const QDate& filterDate, const QString& countryText,
                   const QLocale& locale)
{
    QString text;
    const auto addKind = [&text](const char* code) {
        const QString part = QStringLiteral("(kategorie = '") + QLatin1String(code)
                           + QStringLiteral("')");
        text += text.isEmpty() ? part : QStringLiteral(" or ") + part;
    };
    if (bits & Directories)
        addKind("V");
    if (bits & SpiderEngines)
        addKind("S");
    if (bits & Other)
        addKind("A");
    if (!text.isEmpty())
        text = u'(' + text + u')';

    const auto addPart = [&text](const QString& part) {
        text += text.isEmpty() ? part : QStringLiteral(" and ") + part;
    };
    if (bits & NeverSubmitted)
        addPart(QStringLiteral("(zuletztregistriert = null)"));
    if (bits & Top100)
        addPart(QStringLiteral("(bewertung > 1)"));
    if (bits & SubmittedBefore)
        addPart(QStringLiteral("((zuletztregistriert <= '")
                + FilterExpression::formatDate(filterDate, locale)
                + QStringLiteral("') and (zuletztregistriert<> null))"));
    if ((bits & Countries) && !countryText.isEmpty())
        addPart(countryText);
    return text;
}

} // namespace FilterCriteria
