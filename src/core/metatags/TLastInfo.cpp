#include "core/metatags/TLastInfo.h"

#include "core/platform/HtmlText.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/SdError.h"
#include "core/platform/TextLines.h"
#include "core/platform/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// Windows-1252 codes (as Unicode characters) and entities, in replacement order.
constexpr std::array<std::pair<char16_t, const char*>, 104> kEntities { {
    { 34, "&quot;" }, { 60, "&lt;" },
    { 161, "&iexcl;" }, { 163, "&pound;" }, { 165, "&yen;" }, { 167, "&sect;" },
    { 169, "&copy;" }, { 171, "&laquo;" }, { 173, "&shy;" }, { 175, "&macr;" },
    { 177, "&plusmn;" }, { 179, "&sup3;" }, { 181, "&micro;" }, { 183, "&middot;" },
    { 185, "&sup1;" }, { 187, "&raquo;" }, { 189, "&frac12;" }, { 191, "&iquest;" },
    { 193, "&Aacute;" }, { 195, "&Atilde;" }, { 197, "&Aring;" }, { 199, "&Ccedil;" },
    { 201, "&Eacute;" }, { 203, "&Euml;" }, { 205, "&Iacute;" }, { 207, "&Iuml;" },
    { 209, "&Ntilde;" }, { 211, "&Oacute;" }, { 213, "&Otilde;" }, { 215, "&times;" },
    { 217, "&Ugrave;" }, { 219, "&Ucirc;" }, { 221, "&Yacute;" }, { 223, "&szlig;" },
    { 225, "&aacute;" }, { 227, "&atilde;" }, { 229, "&aring;" }, { 231, "&ccedil;" },
    { 233, "&eacute;" }, { 235, "&euml;" }, { 237, "&iacute;" }, { 239, "&iuml;" },
    { 241, "&ntilde;" }, { 243, "&oacute;" }, { 245, "&otilde;" }, { 247, "&divide;" },
    { 249, "&ugrave;" }, { 251, "&ucirc;" }, { 253, "&yacute;" }, { 255, "&yuml;" },
    { 0x2014, "&mdash;" }, { 0x2019, "&rsquo;" }, { 0x201D, "&rdquo;" }, { 62, "&gt;" },
    { 162, "&cent;" }, { 164, "&curren;" }, { 166, "&brvbar;" }, { 168, "&uml;" },
    { 170, "&ordf;" }, { 172, "&not;" }, { 174, "&reg;" }, { 176, "&deg;" },
    { 178, "&sup2;" }, { 180, "&acute;" }, { 184, "&cedil;" }, { 186, "&ordm;" },
    { 188, "&frac14;" }, { 190, "&frac34;" }, { 192, "&Agrave;" }, { 194, "&Acirc;" },
    { 196, "&Auml;" }, { 198, "&AElig;" }, { 200, "&Egrave;" }, { 202, "&Ecirc;" },
    { 204, "&Igrave;" }, { 206, "&Icirc;" }, { 208, "&ETH;" }, { 210, "&Ograve;" },
    { 212, "&Ocirc;" }, { 214, "&Ouml;" }, { 216, "&Oslash;" }, { 218, "&Uacute;" },
    { 220, "&Uuml;" }, { 222, "&THORN;" }, { 224, "&agrave;" }, { 226, "&acirc;" },
    { 228, "&auml;" }, { 230, "&aelig;" }, { 232, "&egrave;" }, { 234, "&ecirc;" },
    { 236, "&igrave;" }, { 238, "&icirc;" }, { 240, "&eth;" }, { 242, "&ograve;" },
    { 244, "&ocirc;" }, { 246, "&ouml;" }, { 248, "&oslash;" }, { 250, "&uacute;" },
    { 252, "&uuml;" }, { 254, "&thorn;" },
    { 0x2013, "&ndash;" }, { 0x2018, "&lsquo;" }, { 0x201C, "&ldquo;" }, { 0x20AC, "&euro;" },
} };

const char* entityFor(QChar c)
{
    for (const auto& [code, entity] : kEntities) {
        if (c.unicode() == code)
            return entity;
    }
    return nullptr;
}

// Texts of this file are looked up under one context, which lupdate sees too.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(TLastInfo)
};

const char* const kWeekdays[] = { "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun" };
const char* const kMonths[] = { "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };

// Where the support address belongs in the program's texts.
const char kSupportAddress[] = "support@sendora.example";

QString metaLine(const char* name, const QString& value)
{
    return TextLines::trimBlanks(QLatin1String("<META NAME=\"") + QLatin1String(name)
                                 + QLatin1String("\" CONTENT=\"") + value
                                 + QLatin1String("\">"));
}

// True when text ends with "&name" or "&#number", so that a following ";" completes a
// character reference. Such a ";" is kept: turning it into a blank would corrupt the
// entities the generator writes.
bool endsWithReferenceStart(const QString& text)
{
    qsizetype i = text.size();
    const qsizetype stop = std::max<qsizetype>(0, i - 32);
    while (i > stop) {
        const QChar c = text.at(i - 1);
        if (c == QLatin1Char('&'))
            return i < text.size();
        const char16_t u = c.unicode();
        if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '#'))
            return false;
        --i;
    }
    return false;
}

QString listValue(const QStringList& list)
{
    QString text = TextLines::join(list);
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    return text;
}

} // namespace

const std::array<TLastInfo::SonderZeichen, 104>& TLastInfo::sonderZeichen()
{
    static const std::array<SonderZeichen, 104> table = [] {
        std::array<SonderZeichen, 104> t {};
        for (std::size_t i = 0; i < kEntities.size(); ++i)
            t[i] = { QChar(kEntities[i].first), kEntities[i].second };
        return t;
    }();
    return table;
}

const std::array<const char*, 10>& TLastInfo::metaNames()
{
    static const std::array<const char*, 10> names { "=AUTHOR",     "=PUBLISHER",  "=COPYRIGHT",
                                                      "=KEYWORDS",   "=DESCRIPTION", "=PAGE-TOPIC",
                                                      "=PAGE-TYPE",  "=AUDIENCE",    "=EXPIRES",
                                                      "=ROBOTS" };
    return names;
}

QString TLastInfo::replaceSonderZeichen(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (const char* entity = entityFor(c))
            out.append(QLatin1String(entity));
        else
            out.append(c);
    }
    return out;
}

QString TLastInfo::expiresText(const QDate& date)
{
    return QLatin1String(kWeekdays[date.dayOfWeek() - 1]) + QLatin1String(", ")
        + QString::number(date.day()) + QLatin1Char(' ') + QLatin1String(kMonths[date.month() - 1])
        + QLatin1Char(' ') + QString::number(date.year()) + QLatin1String(" 00:00:00 GMT");
}

TLastInfo::ParsedExpires TLastInfo::parseExpiresText(const QString& afterComma)
{
    ParsedExpires parsed;
    const QStringList items = afterComma.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool dayOk = false;
    bool yearOk = false;
    const int day = TextLines::trimBlanks(items.value(0)).toInt(&dayOk);
    const QString month = TextLines::trimBlanks(items.value(1)).toUpper();
    const int year = TextLines::trimBlanks(items.value(2)).toInt(&yearOk);
    if (!dayOk || !yearOk)
        return parsed;
    parsed.isDate = true;
    for (int m = 0; m < 12; ++m) {
        if (month == QLatin1String(kMonths[m]).toString().toUpper()) {
            parsed.monthKnown = true;
            parsed.date = QDate(year, m + 1, day);
        }
    }
    return parsed;
}

bool TLastInfo::GenerateLines(QStringList& list) const
{
    const QString test = Author + Publisher + Copyright + TextLines::join(Keywords)
        + TextLines::join(Description) + PageTopic + Audience + PageType;
    bool replace = false;
    for (const QChar c : test) {
        if (entityFor(c)) {
            replace = Platform::messages().confirm(
                          Tr::tr("Special characters have been found. Do you wish to replace these "
                             "characters with HTML codes?"))
                == Messages::Result::Yes;
            break;
        }
    }
    auto value = [replace](const QString& text) {
        return replace ? replaceSonderZeichen(text) : text;
    };

    if (!Author.isEmpty())
        list.append(metaLine("author", value(Author)));
    if (!Publisher.isEmpty())
        list.append(metaLine("publisher", value(Publisher)));
    if (!Copyright.isEmpty())
        list.append(metaLine("copyright", value(Copyright)));
    if (!Keywords.isEmpty())
        list.append(metaLine("keywords", value(listValue(Keywords))));
    if (!Description.isEmpty())
        list.append(metaLine("description", value(listValue(Description))));
    if (!PageTopic.isEmpty())
        list.append(metaLine("page-topic", value(PageTopic)));
    if (!Audience.isEmpty())
        list.append(metaLine("audience", value(Audience)));
    if (ExpiresMode == 0)
        list.append(metaLine("expires", QStringLiteral("NEVER")));
    else if (ExpiresMode == 1)
        list.append(metaLine("expires", QStringLiteral("0")));
    else if (ExpiresMode == 2 && ExpiresDate.date().isValid())
        list.append(metaLine("expires", expiresText(ExpiresDate.date())));
    if (!PageType.isEmpty())
        list.append(metaLine("page-type", value(PageType)));
    static const char* const robots[] = { "INDEX,FOLLOW", "INDEX,NOFOLLOW", "NOINDEX,FOLLOW",
                                          "NOINDEX,NOFOLLOW" };
    if (Robots >= 0 && Robots <= 3)
        list.append(metaLine("robots", QLatin1String(robots[Robots])));

    if (list.isEmpty()) {
        Platform::messages().information(
            Tr::tr("To complete the desired process, enter at least one meta tag!"));
        return false;
    }
    return true;
}

QStringList TLastInfo::ExtractMetaTags(const QString& text)
{
    // Offsets instead of cutting the text keep this linear in the page size.
    static const QLatin1String meta("<META");
    QString joined;
    qsizetype pos = 0;
    const qsizetype length = text.size();
    while (pos < length) {
        const qsizetype at = TextLines::indexOfAscii(text, meta, pos);
        if (at < 0)
            break;
        const qsizetype start = std::min(at + meta.size() + 1, length);
        qsizetype end = text.indexOf(QLatin1Char('>'), start);
        // A tag without its ">" runs to the end of the text.
        if (end < 0)
            end = length;
        // Line breaks inside a tag count as blanks; CR separates the tags.
        for (qsizetype i = start; i < end; ++i) {
            const QChar c = text.at(i);
            joined.append(c == QLatin1Char('\r') || c == QLatin1Char('\n') ? QChar(u' ') : c);
        }
        joined.append(QLatin1Char('\r'));
        pos = end + 1;
    }
    qsizetype tagStart = 0;
    QStringList tags;
    const QString trimmed = TextLines::trimBlanks(joined);
    for (qsizetype i = 0; i <= trimmed.size(); ++i) {
        if (i == trimmed.size() || trimmed.at(i) == QLatin1Char('\r')) {
            if (i < trimmed.size() || i > tagStart)
                tags.append(trimmed.mid(tagStart, i - tagStart));
            tagStart = i + 1;
        }
    }
    return tags;
}

QString TLastInfo::NormalizeTag(const QString& tag)
{
    QString out;
    out.reserve(tag.size());
    bool hasEquals = false;
    for (QChar c : tag) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\''))
            continue;
        if (c == QLatin1Char(';') && !endsWithReferenceStart(out))
            c = QLatin1Char(' ');
        if (c == QLatin1Char('='))
            hasEquals = true;
        out.append(c);
    }
    if (hasEquals) {
        QString joined;
        joined.reserve(out.size());
        for (const QChar c : out) {
            if (c == QLatin1Char(' ') && joined.endsWith(QLatin1Char('=')))
                continue;
            if (c == QLatin1Char('=')) {
                while (joined.endsWith(QLatin1Char(' ')))
                    joined.chop(1);
            }
            joined.append(c);
        }
        out = joined;
    }
    return TextLines::trimBlanks(out);
}

void TLastInfo::storeValue(int name, const QString& value)
{
    switch (name) {
    case 0: Author = value; break;
    case 1: Publisher = value; break;
    case 2: Copyright = value; break;
    case 3: Keywords = TextLines::split(value); break;
    case 4: Description = TextLines::split(value); break;
    case 5: PageTopic = value; break;
    case 6: PageType = value; break;
    case 7: Audience = value; break;
    case 8: {
        if (value == QLatin1String("0")) {
            ExpiresMode = 1;
        } else if (value.toUpper() == QLatin1String("NEVER")) {
            ExpiresMode = 0;
        } else if (const qsizetype comma = value.indexOf(QLatin1String(", ")); comma >= 0) {
            const ParsedExpires parsed = parseExpiresText(value.mid(comma + 2));
            if (parsed.isDate && (!parsed.monthKnown || parsed.date.isValid())) {
                if (parsed.monthKnown)
                    ExpiresDate = QDateTime(parsed.date, QTime(0, 0));
                ExpiresMode = 2;
            }
        }
        break;
    }
    case 9: {
        const QString upper = value.toUpper();
        static const char* const robots[] = { "INDEX,FOLLOW", "INDEX,NOFOLLOW", "NOINDEX,FOLLOW",
                                              "NOINDEX,NOFOLLOW" };
        Robots = -1;
        for (int i = 0; i < 4; ++i) {
            if (upper == QLatin1String(robots[i]))
                Robots = i;
        }
        break;
    }
    default: break;
    }
}

bool TLastInfo::ReadFromLines(const QStringList& list)
{
    std::array<int, 10> counters {};
    int total = 0;
    bool found = false;
    bool limitReported = false;
    const auto& names = metaNames();
    static const QLatin1String content("CONTENT");
    static const std::array<QByteArray, 10> tokens = [&names] {
        std::array<QByteArray, 10> t;
        for (std::size_t k = 0; k < t.size(); ++k)
            t[k] = QByteArray("NAME") + names[k];
        return t;
    }();

    const QStringList tags = ExtractMetaTags(TextLines::join(list));
    for (const QString& tag : tags) {
        const QString normalized = NormalizeTag(tag);
        if (normalized.isEmpty()) {
            Platform::messages().warning(Tr::tr("Empty string - non-critical error no. 881102"));
            return false;
        }
        if (TextLines::indexOfAscii(normalized, QLatin1String("NAME=")) < 0)
            continue;
        for (int k = 0; k < 10; ++k) {
            const QLatin1String token(tokens[std::size_t(k)]);
            QString line = normalized;
            qsizetype offset = 0; // the line is line.mid(offset)
            for (;;) {
                const qsizetype at = TextLines::indexOfAscii(line, token, offset);
                if (at < 0)
                    break;
                ++counters[k];
                ++total;
                if (total > 500) {
                    // One box per reading: a page with thousands of tags must not
                    // keep the user clicking.
                    if (!limitReported) {
                        Platform::messages().error(
                            Tr::tr("This file has seemingly caused a program error. Please forward "
                               "the file that has caused this error to")
                            + QLatin1Char(' ') + QLatin1String(kSupportAddress)
                            + Tr::tr(". Thank you!"));
                        limitReported = true;
                    }
                    break;
                }
                line.remove(at, token.size());
                const qsizetype contentAt = TextLines::indexOfAscii(line, content, offset);
                offset = contentAt < 0 ? line.size() : contentAt + content.size();
                if (offset < line.size() && line.at(offset) == QLatin1Char('='))
                    ++offset;
                found = true;
                if (counters[k] == 1)
                    storeValue(k, TextLines::trimBlanks(line.mid(offset)));
            }
        }
    }

    QStringList repeated;
    for (int k = 0; k < 10; ++k) {
        if (counters[k] > 1)
            repeated.append(QLatin1String(names[k] + 1) + QLatin1String(" x ")
                            + QString::number(counters[k]));
    }
    if (!repeated.isEmpty()) {
        Platform::messages().warning(
            Tr::tr("The following meta tags are found more than once:") + QLatin1Char('\r')
            + repeated.join(QLatin1String(", ")) + QLatin1String("\r\r")
            + Tr::tr("Only the first respective meta tag (of several identical ones) has been loaded!"));
    }
    if (!found) {
        Platform::messages().information(
            Tr::tr("HEAD found, but HEAD does not contain any (correct or mandatory) meta tags to be "
               "loaded!"));
        return false;
    }
    return true;
}

int TLastInfo::RefreshDelay(const QString& text)
{
    QString normalized;
    {
        QString joined = TextLines::trimBlanks(ExtractMetaTags(text).join(QLatin1Char('\r')));
        // The normalisation of a tag line, without its final trimming.
        QString out;
        out.reserve(joined.size());
        for (QChar c : joined) {
            if (c == QLatin1Char('"') || c == QLatin1Char('\''))
                continue;
            if (c == QLatin1Char(';') && !endsWithReferenceStart(out))
                c = QLatin1Char(' ');
            if (c == QLatin1Char(' ') && out.endsWith(QLatin1Char('=')))
                continue;
            if (c == QLatin1Char('=')) {
                while (out.endsWith(QLatin1Char(' ')))
                    out.chop(1);
            }
            out.append(c);
        }
        normalized = out;
    }
    const qsizetype refresh = TextLines::indexOfAscii(normalized, QLatin1String("HTTP-EQUIV=REFRESH"));
    if (refresh < 0)
        return -1;
    const qsizetype contentAt = TextLines::indexOfAscii(normalized, QLatin1String("CONTENT="), refresh + 1);
    if (contentAt < 0)
        return -1;
    const QStringView rest = QStringView(normalized).mid(contentAt + 8);
    // The number ends at the first blank; the end of the tag (a line break between the
    // tags) ends it as well, else a refresh tag followed by another tag never reads.
    qsizetype end = 0;
    while (end < rest.size() && rest.at(end) != QLatin1Char(' ') && rest.at(end) != QLatin1Char('\r'))
        ++end;
    QStringView number;
    if (end > 0 && end < rest.size()) {
        number = rest.left(end);
    } else {
        qsizetype digits = 0;
        while (digits < rest.size() && rest.at(digits).isDigit() && rest.at(digits).unicode() < 128)
            ++digits;
        number = rest.left(digits);
    }
    bool ok = false;
    const int delay = number.toInt(&ok, 10);
    return ok && delay >= 0 ? delay : -1;
}

bool TLastInfo::LoadFile(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw SdError(QDir::toNativeSeparators(name) + QLatin1String(": ") + file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw SdError(QDir::toNativeSeparators(name) + QLatin1String(": ") + file.errorString());
    return ReadFromLines(TextLines::split(Windows1252::decode(bytes)));
}

bool TLastInfo::SaveFile(const QString& name) const
{
    QStringList lines;
    if (!GenerateLines(lines))
        return false;
    // Characters outside Windows-1252 become character references rather than "?".
    const QByteArray bytes = HtmlText::encode(TextLines::join(lines), QByteArrayLiteral("windows-1252"));
    // Unbuffered: a failing write must be seen by QSaveFile, which checks its writes
    // but not the flush of a buffer inside commit().
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() || !file.commit())
        throw SdError(QDir::toNativeSeparators(name) + QLatin1String(": ") + file.errorString());
    return true;
}
