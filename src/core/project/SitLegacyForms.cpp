#include "core/project/SitLegacyForms.h"

#include "core/platform/SdError.h"
#include "core/platform/TDateTime.h"
#include "core/platform/Windows1252.h"
#include "core/project/TSdProjectContainer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <array>

namespace {

using Field = TProjektDetails::Field;

const QString kInvalidFormat = QString::fromUtf8("Die Datei hat kein gültiges Format!");

// Lines as the original program's string lists split them: at CR LF, CR or LF.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

// Looks values up in the joined text of one project.
class TextValues
{
public:
    TextValues(QString text, qsizetype lineCount)
        : m_text(std::move(text))
        , m_lineCount(lineCount)
    {
    }

    QString value(const QString& key) const
    {
        const QString needle = key + u'=';
        const qsizetype at = m_text.indexOf(needle);
        if (at < 0)
            return {};
        const qsizetype from = at + needle.size();
        qsizetype to = from;
        while (to < m_text.size() && m_text.at(to) != u'\r' && m_text.at(to) != u'\n')
            ++to;
        return m_text.mid(from, to - from);
    }

    int integer(const QString& key) const
    {
        return SitLegacyForms::parseInteger(value(key)).value_or(0);
    }

    double date(const QString& key) const
    {
        const QString text = value(key);
        const auto parsed = SitLegacyForms::parseDateTime(text, QLocale());
        if (!parsed) {
            throw SdError(QCoreApplication::translate("TSdProjectContainer",
                                                      "'%1' is not a valid date and time")
                              .arg(text));
        }
        return *parsed;
    }

    // A collection's item count. The writer of this form put several lines into the
    // file for each item, so a count above the number of lines is not a count of items
    // (and would have us create billions of them).
    int count(const QString& key) const
    {
        const int n = integer(key);
        if (n < 0)
            return 0;
        if (n > m_lineCount)
            throw SdError(kInvalidFormat);
        return n;
    }

private:
    QString m_text;
    qsizetype m_lineCount;
};

// Each reader sets the properties in the order of their names (without regard to
// case), as the original reader did.
void readDetails(TProjektDetails& details, const TextValues& values, const QString& path)
{
    for (Field field : TProjektDetails::fieldsInNameOrder()) {
        const QString key = path + u'.' + TProjektDetails::fieldName(field);
        if (TProjektDetails::isIntegerField(field))
            details.SetInteger(field, values.integer(key));
        else
            details.SetText(field, values.value(key));
    }
}

// Appends as many items as the collection's count says; readItem gets each item and
// the path of its properties ("name[i].").
template <typename Collection, typename ReadItem>
void readItems(Collection& collection, const TextValues& values, const QString& path,
               ReadItem readItem)
{
    collection.Clear();
    const int count = values.count(path);
    for (int i = 0; i < count; ++i)
        readItem(*collection.Add(), path + u'[' + QString::number(i) + QLatin1String("]."));
}

void readAnmeldeStatus(TSDAnmeldeStatus& states, const TextValues& values, const QString& path)
{
    readItems(states, values, path, [&values](TSDAnmeldeStatusItem& item, const QString& p) {
        item.SetCode(values.integer(p + QLatin1String("Code")));
        item.SetComment(values.value(p + QLatin1String("Comment")));
        item.SetDate(values.date(p + QLatin1String("Date")));
        item.SetNumber(values.integer(p + QLatin1String("Number")));
        item.SetText(values.value(p + QLatin1String("Text")));
    });
}

void readStatus(TStatusbericht& status, const TextValues& values, const QString& path)
{
    readItems(status, values, path, [&values](TStatusberichtItem& item, const QString& p) {
        item.SetDate(values.date(p + QLatin1String("Date")));
        TStatusberichtDetails& d = item.Details();
        const QString dp = p + QLatin1String("Details.");
        d.SetEngineNr(values.integer(dp + QLatin1String("EngineNr")));
        d.SetFehlercode(values.integer(dp + QLatin1String("Fehlercode")));
        d.SetFehlermeldung(values.value(dp + QLatin1String("Fehlermeldung")));
        d.SetPfadAntwortSeite(values.value(dp + QLatin1String("PfadAntwortSeite")));
        d.SetSubmittedURL(values.value(dp + QLatin1String("SubmittedURL")));
        d.SetURLAnmeldeseite(values.value(dp + QLatin1String("URLAnmeldeseite")));
        item.SetSuchdienst(values.value(p + QLatin1String("Suchdienst")));
    });
}

void readTextFiles(TTextFiles& files, const TextValues& values, const QString& path)
{
    readItems(files, values, path, [&values](TTextFileItem& item, const QString& p) {
        item.SetFilePath(values.value(p + QLatin1String("FilePath")));
        item.SetTitle(values.value(p + QLatin1String("Title")));
    });
}

struct RecordText
{
    Field field;
    int offset;
    int capacity;
};

// The text fields of the record in the order they are copied (Age, the integers and
// Greeting are copied in between, see readRecordForm).
constexpr std::array<RecordText, 22> kRecordTextsBeforeGreeting {{
    { Field::Address, 284, 60 },
    { Field::Firstname, 0, 30 },
    { Field::Lastname, 31, 30 },
    { Field::Title_person, 62, 30 },
    { Field::mobile, 93, 30 },
    { Field::tollfree, 124, 30 },
    { Field::Fax, 155, 30 },
    { Field::phone, 186, 30 },
    { Field::Postcode, 217, 15 },
    { Field::City, 233, 50 },
    { Field::GeneralEmail, 345, 60 },
    { Field::Company, 406, 50 },
    { Field::products, 457, 50 },
    { Field::State, 508, 30 },
    { Field::Title, 539, 50 },
    { Field::URL, 590, 100 },
    { Field::DescriptionShort, 691, 60 },
    { Field::FirstLastNameWebMaster, 752, 100 },
    { Field::WebmasterEmail, 853, 60 },
    { Field::Password, 914, 15 },
    { Field::AKeywords, 933, 255 },
    { Field::DescriptionLong, 1189, 255 },
}};

// A short string of the record; a length byte above the field's capacity is cut to it.
QString recordText(const QByteArray& record, int offset, int capacity)
{
    const int length = qMin(int(quint8(record.at(offset))), capacity);
    return Windows1252::decode(record.mid(offset + 1, length));
}

int recordInteger(const QByteArray& record, int offset)
{
    const auto* p = reinterpret_cast<const uchar*>(record.constData() + offset);
    return int(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
}

int twoDigitYear(int year)
{
    // Two-digit years fall into the century window that ends 50 years after today.
    const int now = QDate::currentDate().year();
    int full = now / 100 * 100 + year;
    if (full > now + 50)
        full -= 100;
    return full;
}

} // namespace

namespace SitLegacyForms {

std::optional<int> parseInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        negative = text.at(i++) == u'-';
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return int(value);
}

std::optional<double> parseDateTime(QStringView text, const QLocale& locale)
{
    const QString trimmed = text.trimmed().toString();
    const QChar separator = locale.language() == QLocale::German ? u'.' : u'/';
    const bool monthFirst = locale.language() != QLocale::German
                         && locale.language() != QLocale::French;

    const qsizetype blank = trimmed.indexOf(u' ');
    const QString datePart = blank < 0 ? trimmed : trimmed.left(blank);
    const QString timePart = blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed();

    const QStringList parts = datePart.split(separator);
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> numbers {};
    for (int i = 0; i < 3; ++i) {
        const auto n = parseInteger(parts[i]);
        if (!n || parts[i].startsWith(u' ') || *n < 0)
            return std::nullopt;
        numbers[std::size_t(i)] = *n;
    }
    const int month = monthFirst ? numbers[0] : numbers[1];
    const int day = monthFirst ? numbers[1] : numbers[0];
    int year = numbers[2];
    if (parts[2].size() <= 2)
        year = twoDigitYear(year);
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1 || year > 9999)
        return std::nullopt;

    QTime time(0, 0);
    if (!timePart.isEmpty()) {
        QString clock = timePart;
        int pm = -1;
        const QString upper = clock.toUpper();
        if (upper.endsWith(QLatin1String("AM")) || upper.endsWith(QLatin1String("PM"))) {
            pm = upper.endsWith(QLatin1String("PM")) ? 1 : 0;
            clock = clock.chopped(2).trimmed();
        }
        const QStringList fields = clock.split(u':');
        if (fields.size() < 2 || fields.size() > 3)
            return std::nullopt;
        std::array<int, 3> hms {};
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const auto n = parseInteger(fields[i]);
            if (!n || fields[i].isEmpty() || fields[i].startsWith(u' ') || *n < 0)
                return std::nullopt;
            hms[std::size_t(i)] = *n;
        }
        int hour = hms[0];
        if (pm >= 0) {
            if (hour < 1 || hour > 12)
                return std::nullopt;
            hour = hour % 12 + (pm ? 12 : 0);
        }
        time = QTime(hour, hms[1], hms[2]);
        if (!time.isValid())
            return std::nullopt;
    }
    return TDateTime::fromDateTime(QDateTime(date, time));
}

bool readTextForm(const QByteArray& bytes, TSdProjectContainer& container)
{
    const QStringList lines = splitLines(Windows1252::decode(bytes));
    const QLatin1StringView start("/*** Start");
    const QLatin1StringView end("/*** End");
    bool began = false;
    qsizetype top = 0;
    while (top < lines.size()) {
        while (top < lines.size() && !lines.at(top).startsWith(start))
            ++top;
        if (top == lines.size())
            break;
        began = true;
        TSdProjectData* project = container.AddProject();
        project->ReadProjectText(lines.mid(top));
        project->SetGeaendert(false);

        qsizetype endLine = top;
        while (endLine < lines.size() && !lines.at(endLine).startsWith(end))
            ++endLine;
        if (endLine == lines.size())
            break;
        top = endLine + 1;
    }
    if (began)
        container.SetAllModified(false);
    return began;
}

void readRecordForm(const QByteArray& bytes, TSdProjectContainer& container)
{
    if (bytes.size() < kRecordSize) {
        throw SdError(
            QCoreApplication::translate("TSdProjectContainer", "Read beyond end of file"));
    }
    const QByteArray record = bytes.left(kRecordSize);
    TSdProjectData* project = container.AddProject();
    project->SetGeaendert(true);
    TProjektDetails& d = project->ProjektDetails();

    const auto age = parseInteger(recordText(record, 930, 2));
    if (!age) {
        container.ClearProjects();
        throw SdError(kInvalidFormat);
    }
    d.SetAge(*age);
    d.SetLanguage(recordInteger(record, 1445));
    d.SetWebtype(recordInteger(record, 1449));
    d.SetCategory(recordInteger(record, 1453));
    d.SetCountry(recordInteger(record, 1457));
    for (const RecordText& t : kRecordTextsBeforeGreeting)
        d.SetText(t.field, recordText(record, t.offset, t.capacity));
    d.SetGreeting(recordInteger(record, 1461));
    for (int n = 1; n <= TProjektDetails::KeyCount; ++n)
        d.SetKey(n, recordText(record, 1469 + 31 * (n - 1), 30));
    d.SetNameVorname(recordText(record, 1934, 255));
}

} // namespace SitLegacyForms

void TSdProjectData::ReadProjectText(const QStringList& lines)
{
    QString name;
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty() && line.startsWith(QLatin1String("/***"))) {
            const qsizetype colon = line.indexOf(u':');
            name = line.mid(colon + 1).trimmed();
            const qsizetype stars = name.indexOf(QLatin1String("***"));
            if (stars >= 0)
                name = name.left(stars).trimmed();
            break;
        }
    }
    QString prefix = name;
    prefix.replace(u' ', u'_');
    const TextValues values(lines.join(QLatin1String("\r\n")), lines.size());

    // In name order: AnmeldeStatus, ProjectDescription, ProjektDetails, Status,
    // TextFiles. The name comes from the start line, the flags are not read.
    SetProjectName(name);
    readAnmeldeStatus(AnmeldeStatus(), values, prefix + QLatin1String(".AnmeldeStatus"));
    SetProjectDescription(values.value(prefix + QLatin1String(".ProjectDescription")));
    readDetails(ProjektDetails(), values, prefix + QLatin1String(".ProjektDetails"));
    readStatus(Status(), values, prefix + QLatin1String(".Status"));
    readTextFiles(TextFiles(), values, prefix + QLatin1String(".TextFiles"));
}
