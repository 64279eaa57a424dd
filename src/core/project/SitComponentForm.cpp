#include "core/project/SitComponentForm.h"

#include "core/platform/SdError.h"
#include "core/platform/Windows1252.h"
#include "core/project/TSdProjectContainer.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

using Field = TProjektDetails::Field;

enum ValueType : unsigned char {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05,
    vaString = 0x06,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaLString = 0x0C,
    vaCollection = 0x0E,
    vaWString = 0x12,
    vaUTF8String = 0x14,
};

constexpr QByteArrayView kSignature("TPF0");
constexpr QByteArrayView kClassName("TSdProjectData");
constexpr qsizetype kFlushSize = 1 << 16;

bool isAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// --- writing ---------------------------------------------------------------------------

class Writer
{
public:
    explicit Writer(QIODevice* device)
        : m_device(device)
    {
    }

    QByteArray& buffer() { return m_buffer; }

    void project(const TSdProjectData& p)
    {
        m_buffer.append(kSignature.data(), kSignature.size());
        shortString(kClassName);
        shortString({});

        boolProperty("Geaendert", p.Geaendert());
        boolProperty("URLFehler", p.URLFehler());
        textProperty("ProjectName", p.ProjectName());
        textProperty("ProjectDescription", p.ProjectDescription());

        const TProjektDetails& details = p.ProjektDetails();
        for (int i = 0; i < TProjektDetails::FieldCount; ++i) {
            const Field field = Field(i);
            const QLatin1StringView name = TProjektDetails::fieldName(field);
            if (TProjektDetails::isIntegerField(field)) {
                prefixedName("ProjektDetails.", name);
                integer(details.Integer(field));
            } else if (!details.Text(field).isEmpty()) {
                prefixedName("ProjektDetails.", name);
                text(details.Text(field));
            }
        }

        name("AnmeldeStatus");
        m_buffer.append(char(vaCollection));
        const TSDAnmeldeStatus& states = p.AnmeldeStatus();
        for (int i = 0; i < states.Count(); ++i) {
            const TSDAnmeldeStatusItem& item = *states.Items(i);
            m_buffer.append(char(vaList));
            textProperty("Text", item.Text());
            dateProperty("Date", item.Date());
            intProperty("Number", item.Number());
            intProperty("Code", item.Code());
            textProperty("Comment", item.Comment());
            m_buffer.append(char(vaNull));
            flushIfFull();
        }
        m_buffer.append(char(vaNull));

        name("Status");
        m_buffer.append(char(vaCollection));
        const TStatusbericht& status = p.Status();
        for (int i = 0; i < status.Count(); ++i) {
            const TStatusberichtItem& item = *status.Items(i);
            const TStatusberichtDetails& d = item.Details();
            m_buffer.append(char(vaList));
            textProperty("Suchdienst", item.Suchdienst());
            dateProperty("Date", item.Date());
            textProperty("Details.Fehlermeldung", d.Fehlermeldung());
            intProperty("Details.Fehlercode", d.Fehlercode());
            intProperty("Details.EngineNr", d.EngineNr());
            textProperty("Details.URLAnmeldeseite", d.URLAnmeldeseite());
            textProperty("Details.PfadAntwortSeite", d.PfadAntwortSeite());
            textProperty("Details.SubmittedURL", d.SubmittedURL());
            m_buffer.append(char(vaNull));
            flushIfFull();
        }
        m_buffer.append(char(vaNull));

        name("TextFiles");
        m_buffer.append(char(vaCollection));
        const TTextFiles& files = p.TextFiles();
        for (int i = 0; i < files.Count(); ++i) {
            m_buffer.append(char(vaList));
            textProperty("Title", files.Items(i)->Title());
            textProperty("FilePath", files.Items(i)->FilePath());
            m_buffer.append(char(vaNull));
            flushIfFull();
        }
        m_buffer.append(char(vaNull));

        m_buffer.append(char(vaNull)); // end of properties
        m_buffer.append(char(vaNull)); // end of children
        flushIfFull();
    }

    void flush()
    {
        if (!m_device || m_buffer.isEmpty())
            return;
        if (m_device->write(m_buffer) != m_buffer.size()) {
            const QString error = m_device->errorString();
            throw SdError(error.isEmpty() ? QStringLiteral("Write error") : error);
        }
        m_buffer.clear();
    }

private:
    void flushIfFull()
    {
        if (m_buffer.size() >= kFlushSize)
            flush();
    }

    void shortString(QByteArrayView bytes)
    {
        Q_ASSERT(bytes.size() < 256);
        m_buffer.append(char(bytes.size()));
        m_buffer.append(bytes.data(), bytes.size());
    }

    void name(const char* n) { shortString(QByteArrayView(n)); }

    void prefixedName(const char* prefix, QLatin1StringView n)
    {
        const auto prefixLength = qsizetype(std::strlen(prefix));
        m_buffer.append(char(prefixLength + n.size()));
        m_buffer.append(prefix, prefixLength);
        m_buffer.append(n.data(), n.size());
    }

    void int32(qint32 value)
    {
        char bytes[4];
        qToLittleEndian(value, bytes);
        m_buffer.append(bytes, 4);
    }

    void integer(int value)
    {
        if (value >= -128 && value <= 127) {
            m_buffer.append(char(vaInt8));
            m_buffer.append(char(qint8(value)));
        } else if (value >= -32768 && value <= 32767) {
            char bytes[2];
            qToLittleEndian(qint16(value), bytes);
            m_buffer.append(char(vaInt16));
            m_buffer.append(bytes, 2);
        } else {
            m_buffer.append(char(vaInt32));
            int32(value);
        }
    }

    void text(const QString& value)
    {
        if (isAscii(value)) {
            if (value.size() < 256) {
                m_buffer.append(char(vaString));
                m_buffer.append(char(value.size()));
            } else {
                m_buffer.append(char(vaLString));
                int32(qint32(value.size()));
            }
            m_buffer.append(value.toLatin1());
            return;
        }
        const QByteArray utf8 = value.toUtf8();
        if (utf8.size() < 2 * value.size()) {
            m_buffer.append(char(vaUTF8String));
            int32(qint32(utf8.size()));
            m_buffer.append(utf8);
        } else {
            m_buffer.append(char(vaWString));
            int32(qint32(value.size()));
            for (QChar c : value) {
                char unit[2];
                qToLittleEndian(c.unicode(), unit);
                m_buffer.append(unit, 2);
            }
        }
    }

    void boolProperty(const char* n, bool value)
    {
        name(n);
        m_buffer.append(char(value ? vaTrue : vaFalse));
    }

    void intProperty(const char* n, int value)
    {
        name(n);
        integer(value);
    }

    void textProperty(const char* n, const QString& value)
    {
        if (value.isEmpty())
            return;
        name(n);
        text(value);
    }

    void dateProperty(const char* n, double value)
    {
        if (value == 0.0)
            return;
        name(n);
        m_buffer.append(char(vaExtended));
        const auto bytes = SitComponentForm::encodeExtended(value);
        m_buffer.append(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }

    QIODevice* m_device;
    QByteArray m_buffer;
};

// --- reading ---------------------------------------------------------------------------

struct EndOfData
{
};
struct BadFormat
{
};

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && (a == b || qstrnicmp(a.data(), b.data(), a.size()) == 0);
}

// Decodes in place, without copying the bytes first.
QString decode8Bit(QByteArrayView bytes)
{
    return Windows1252::decode(QByteArray::fromRawData(bytes.data(), bytes.size()));
}

class Reader
{
public:
    explicit Reader(const QByteArray& bytes)
        : m_pos(reinterpret_cast<const unsigned char*>(bytes.constData()))
        , m_end(m_pos + bytes.size())
    {
    }

    bool atEnd() const { return m_pos == m_end; }

    // The header of a stream; a prefix of "TPF0" that the data cuts short is the end of
    // the data, anything else a bad signature.
    void header()
    {
        const qsizetype available = qMin<qsizetype>(m_end - m_pos, kSignature.size());
        if (std::memcmp(m_pos, kSignature.data(), std::size_t(available)) != 0)
            throw BadFormat {};
        need(kSignature.size());
        m_pos += kSignature.size();
        if (!sameName(shortString(), kClassName))
            throw BadFormat {};
        shortString(); // the object name
    }

    void project(TSdProjectData& p)
    {
        for (;;) {
            const QByteArrayView n = shortString();
            if (n.isEmpty())
                break;
            if (sameName(n, "Geaendert"))
                p.SetGeaendert(boolean());
            else if (sameName(n, "URLFehler"))
                p.SetURLFehler(boolean());
            else if (sameName(n, "ProjectName"))
                p.SetProjectName(text());
            else if (sameName(n, "ProjectDescription"))
                p.SetProjectDescription(text());
            else if (n.size() > 15 && sameName(n.first(15), "ProjektDetails."))
                detail(p.ProjektDetails(), n.sliced(15));
            else if (sameName(n, "AnmeldeStatus"))
                anmeldeStatus(p.AnmeldeStatus());
            else if (sameName(n, "Status"))
                status(p.Status());
            else if (sameName(n, "TextFiles"))
                textFiles(p.TextFiles());
            else
                throw BadFormat {};
        }
        if (byte() != vaNull) // a project has no children
            throw BadFormat {};
    }

private:
    void need(qsizetype count) const
    {
        if (count > m_end - m_pos)
            throw EndOfData {};
    }

    unsigned char byte()
    {
        need(1);
        return *m_pos++;
    }

    QByteArrayView bytes(qsizetype count)
    {
        need(count);
        const QByteArrayView view(reinterpret_cast<const char*>(m_pos), count);
        m_pos += count;
        return view;
    }

    QByteArrayView shortString() { return bytes(byte()); }

    qint32 int32() { return qFromLittleEndian<qint32>(bytes(4).data()); }

    // A 4-byte length; negative lengths are not a length at all.
    qsizetype length()
    {
        const qint32 n = int32();
        if (n < 0)
            throw BadFormat {};
        return n;
    }

    int integerOfType(unsigned char type)
    {
        switch (type) {
        case vaInt8: return qint8(byte());
        case vaInt16: return qFromLittleEndian<qint16>(bytes(2).data());
        case vaInt32: return int32();
        default: throw BadFormat {};
        }
    }

    int integer() { return integerOfType(byte()); }

    bool boolean()
    {
        switch (byte()) {
        case vaFalse: return false;
        case vaTrue: return true;
        default: throw BadFormat {};
        }
    }

    QString text()
    {
        switch (byte()) {
        case vaString: return decode8Bit(shortString());
        case vaLString: return decode8Bit(bytes(length()));
        case vaUTF8String: return QString::fromUtf8(bytes(length()));
        case vaWString: {
            const qsizetype units = length();
            const QByteArrayView data = bytes(units * 2);
            QString result(units, Qt::Uninitialized);
            QChar* out = result.data();
            for (qsizetype i = 0; i < units; ++i)
                out[i] = QChar(qFromLittleEndian<quint16>(data.data() + 2 * i));
            return result;
        }
        default: throw BadFormat {};
        }
    }

    double date()
    {
        const unsigned char type = byte();
        if (type == vaExtended)
            return SitComponentForm::decodeExtended(
                reinterpret_cast<const unsigned char*>(bytes(10).data()));
        return integerOfType(type);
    }

    void detail(TProjektDetails& details, QByteArrayView fieldName)
    {
        const auto field = TProjektDetails::fieldByName(
            QLatin1StringView(fieldName.data(), fieldName.size()));
        if (!field)
            throw BadFormat {};
        if (TProjektDetails::isIntegerField(*field))
            details.SetInteger(*field, integer());
        else
            details.SetText(*field, text());
    }

    // Calls readItem(name) for each property of each item; items may carry an order
    // number before their list begin.
    template <typename Collection, typename ReadProperty>
    void collection(Collection& target, ReadProperty readProperty)
    {
        if (byte() != vaCollection)
            throw BadFormat {};
        target.Clear();
        for (;;) {
            unsigned char type = byte();
            if (type == vaNull)
                return;
            if (type == vaInt8 || type == vaInt16 || type == vaInt32) {
                integerOfType(type);
                type = byte();
            }
            if (type != vaList)
                throw BadFormat {};
            auto* item = target.Add();
            for (;;) {
                const QByteArrayView n = shortString();
                if (n.isEmpty())
                    break;
                readProperty(*item, n);
            }
        }
    }

    void anmeldeStatus(TSDAnmeldeStatus& target)
    {
        collection(target, [this](TSDAnmeldeStatusItem& item, QByteArrayView n) {
            if (sameName(n, "Text"))
                item.SetText(text());
            else if (sameName(n, "Date"))
                item.SetDate(date());
            else if (sameName(n, "Number"))
                item.SetNumber(integer());
            else if (sameName(n, "Code"))
                item.SetCode(integer());
            else if (sameName(n, "Comment"))
                item.SetComment(text());
            else
                throw BadFormat {};
        });
    }

    void status(TStatusbericht& target)
    {
        collection(target, [this](TStatusberichtItem& item, QByteArrayView n) {
            TStatusberichtDetails& d = item.Details();
            if (sameName(n, "Suchdienst"))
                item.SetSuchdienst(text());
            else if (sameName(n, "Date"))
                item.SetDate(date());
            else if (sameName(n, "Details.Fehlermeldung"))
                d.SetFehlermeldung(text());
            else if (sameName(n, "Details.Fehlercode"))
                d.SetFehlercode(integer());
            else if (sameName(n, "Details.EngineNr"))
                d.SetEngineNr(integer());
            else if (sameName(n, "Details.URLAnmeldeseite"))
                d.SetURLAnmeldeseite(text());
            else if (sameName(n, "Details.PfadAntwortSeite"))
                d.SetPfadAntwortSeite(text());
            else if (sameName(n, "Details.SubmittedURL"))
                d.SetSubmittedURL(text());
            else
                throw BadFormat {};
        });
    }

    void textFiles(TTextFiles& target)
    {
        collection(target, [this](TTextFileItem& item, QByteArrayView n) {
            if (sameName(n, "Title"))
                item.SetTitle(text());
            else if (sameName(n, "FilePath"))
                item.SetFilePath(text());
            else
                throw BadFormat {};
        });
    }

    const unsigned char* m_pos;
    const unsigned char* m_end;
};

} // namespace

namespace SitComponentForm {

void write(QIODevice& device, const std::vector<const TSdProjectData*>& projects)
{
    Writer writer(&device);
    for (const TSdProjectData* project : projects)
        writer.project(*project);
    writer.flush();
}

QByteArray toBytes(const TSdProjectData& project)
{
    Writer writer(nullptr);
    writer.project(project);
    return writer.buffer();
}

ReadResult read(const QByteArray& bytes, TSdProjectContainer& container)
{
    Reader reader(bytes);
    while (!reader.atEnd()) {
        int added = -1;
        try {
            reader.header();
            TSdProjectData* project = container.AddProject();
            added = container.ProjectCount() - 1;
            reader.project(*project);
        } catch (const EndOfData&) {
            return ReadResult::Accepted;
        } catch (const BadFormat&) {
            if (added >= 0)
                container.RemoveProject(added);
            return ReadResult::NotThisForm;
        }
    }
    return ReadResult::Accepted;
}

std::array<unsigned char, 10> encodeExtended(double value)
{
    std::array<unsigned char, 10> out {};
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = bits >> 63;
    const int exponent = int((bits >> 52) & 0x7FF);
    std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);

    int extExponent = 0;
    std::uint64_t mantissa = 0; // with the explicit integer bit
    if (exponent == 0x7FF) {
        extExponent = 0x7FFF;
        mantissa = (std::uint64_t(1) << 63) | (fraction << 11);
    } else if (exponent != 0) {
        extExponent = exponent - 1023 + 16383;
        mantissa = (std::uint64_t(1) << 63) | (fraction << 11);
    } else if (fraction != 0) {
        // A subnormal double is a normal extended number.
        int shift = 0;
        while (!(fraction & (std::uint64_t(1) << 52))) {
            fraction <<= 1;
            ++shift;
        }
        extExponent = 1 - 1023 - shift + 16383;
        mantissa = fraction << 11;
    }
    qToLittleEndian(mantissa, out.data());
    const auto signExponent = quint16((negative ? 0x8000 : 0) | extExponent);
    qToLittleEndian(signExponent, out.data() + 8);
    return out;
}

double decodeExtended(const unsigned char* bytes)
{
    const auto mantissa = qFromLittleEndian<quint64>(bytes);
    const auto signExponent = qFromLittleEndian<quint16>(bytes + 8);
    const bool negative = signExponent & 0x8000;
    const int exponent = signExponent & 0x7FFF;
    double result;
    if (exponent == 0x7FFF) {
        result = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
    } else {
        // The mantissa is an integer scaled by 2^-63; ldexp rounds once, to nearest.
        result = std::ldexp(double(mantissa), exponent - 16383 - 63);
    }
    return negative ? -result : result;
}

} // namespace SitComponentForm
