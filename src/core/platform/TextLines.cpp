#include "core/platform/TextLines.h"

namespace TextLines {

QStringList split(const QString& text)
{
    QStringList lines;
    const qsizetype length = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < length) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < length && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < length)
        lines.append(text.mid(start));
    return lines;
}

QString join(const QStringList& lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text.append(line);
        text.append(QLatin1String("\r\n"));
    }
    return text;
}

QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    if (begin == 0 && end == text.size())
        return text;
    return text.mid(begin, end - begin);
}

} // namespace TextLines
