#include "core/settings/VersionNumber.h"

#include <QStringList>

#include <array>
#include <climits>

qint64 VersionToNumber(const QString& version)
{
    const QString text = version.trimmed();

    qint64 digitValue = 0;
    bool anyDigit = false;
    for (const QChar c : text) {
        if (c == u'.')
            continue;
        if (c < u'0' || c > u'9')
            return 0;
        anyDigit = true;
        digitValue = digitValue * 10 + (c.unicode() - u'0');
        if (digitValue > INT_MAX)
            return 0;
    }
    if (!anyDigit)
        return 0;

    const QStringList parts = text.split(u'.');
    if (parts.first().isEmpty())
        return 0;
    qint64 result = (parts.first().toLongLong() + 1) * 100000;

    constexpr std::array<qint64, 3> weights = { 10000, 1000, 100 };
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const qsizetype index = qsizetype(i) + 1;
        int firstDigit = 0;
        if (index < parts.size()) {
            if (parts[index].isEmpty())
                return 0;
            firstDigit = parts[index][0].unicode() - u'0';
        }
        result += (firstDigit + 1) * weights[i];
    }
    return result;
}
