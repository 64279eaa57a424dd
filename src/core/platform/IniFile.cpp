#include "core/platform/IniFile.h"

#include "core/platform/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

#include <climits>

namespace {

struct Number
{
    bool valid = false; // the text is a number (of any size)
    bool zero = true;
    bool fitsInt = false;
    int value = 0;
};

// Decimal with an optional sign, or "0x" hexadecimal (also signed). Digits of any count
// are a number; only values in the range of int have a value.
Number parseNumber(QStringView text)
{
    Number n;
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return n;

    constexpr quint64 limit = quint64(1) << 32;
    quint64 magnitude = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0)
            return n;
        if (digit != 0)
            n.zero = false;
        if (!overflow) {
            magnitude = magnitude * quint64(base) + quint64(digit);
            overflow = magnitude > limit;
        }
    }
    n.valid = true;
    if (overflow)
        return n;
    if (negative && magnitude <= quint64(1) << 31) {
        n.fitsInt = true;
        n.value = int(-qint64(magnitude));
    } else if (!negative && magnitude <= quint64(INT_MAX)) {
        n.fitsInt = true;
        n.value = int(magnitude);
    }
    return n;
}

// A value or key written into the file must stay on its line: a line break would let
// a value (a user name typed in a dialog, say) add keys or sections of its own.
QString oneLine(const QString& text)
{
    QString line = text;
    for (QChar& c : line) {
        if (c == u'\n' || c == u'\r' || c == u'\0')
            c = u' ';
    }
    return line;
}

QString cutValue(const QString& value)
{
    QString text = value.trimmed();
    if (text.size() <= IniFile::kMaxValueLength)
        return text;
    qsizetype length = IniFile::kMaxValueLength;
    // Never keep half of a surrogate pair.
    if (text[length - 1].isHighSurrogate())
        --length;
    text.truncate(length);
    return text;
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{ }

bool IniFile::load()
{
    m_sections.clear();
    m_error.clear();
    m_status = Status::Ok;
    m_backupBeforeSave = false;

    const QFileInfo info(m_path);
    if (!info.exists()) {
        m_status = Status::Missing;
        return true;
    }

    auto fail = [this](Status status, const QString& reason) {
        m_status = status;
        m_error = reason;
        // The unusable file is replaced on the next save; keep a copy for the user.
        m_backupBeforeSave = true;
        return false;
    };

    if (info.isDir()) {
        return fail(Status::Unreadable,
                    QCoreApplication::translate("IniFile", "%1 is a folder, not a file.")
                        .arg(QDir::toNativeSeparators(m_path)));
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(Status::Unreadable,
                    QCoreApplication::translate("IniFile", "The file %1 cannot be opened: %2")
                        .arg(QDir::toNativeSeparators(m_path), file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return fail(Status::Unreadable,
                    QCoreApplication::translate("IniFile", "The file %1 cannot be read: %2")
                        .arg(QDir::toNativeSeparators(m_path), file.errorString()));
    }
    if (bytes.contains('\0')) {
        return fail(Status::NotText,
                    QCoreApplication::translate("IniFile", "The file %1 is not a text file.")
                        .arg(QDir::toNativeSeparators(m_path)));
    }

    const QString text = Windows1252::decodeUtf8OrWindows1252(bytes);
    QStringList lines = text.split(u'\n');
    // A final line break ends the last line; it does not start an empty one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    m_sections.append(Section {}); // lines before the first section header
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            const qsizetype close = trimmed.indexOf(u']');
            if (close > 0) {
                Section section;
                section.header = line;
                section.name = trimmed.mid(1, close - 1).trimmed();
                section.folded = section.name.toCaseFolded();
                m_sections.append(section);
                continue;
            }
        }
        Entry entry;
        entry.raw = line;
        if (!trimmed.isEmpty() && !trimmed.startsWith(u';') && !trimmed.startsWith(u'#')) {
            const qsizetype equals = line.indexOf(u'=');
            if (equals >= 0) {
                entry.key = line.left(equals).trimmed();
                if (!entry.key.isEmpty()) {
                    entry.folded = entry.key.toCaseFolded();
                    entry.value = line.mid(equals + 1);
                }
            }
        }
        m_sections.last().entries.append(entry);
    }
    return true;
}

IniFile::Section* IniFile::findSection(const QString& name)
{
    const QString folded = name.toCaseFolded();
    for (Section& section : m_sections) {
        // The header-less block before the first section is no section of its own.
        if (!section.header.isEmpty() && section.folded == folded)
            return &section;
    }
    return nullptr;
}

const IniFile::Section* IniFile::findSection(const QString& name) const
{
    return const_cast<IniFile*>(this)->findSection(name);
}

namespace {

template<class Entries>
auto findEntry(Entries& entries, const QString& key) -> decltype(&entries[0])
{
    const QString folded = key.toCaseFolded();
    if (folded.isEmpty())
        return nullptr;
    for (auto& entry : entries) {
        if (entry.folded == folded)
            return &entry;
    }
    return nullptr;
}

} // namespace

bool IniFile::hasSection(const QString& section) const
{
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(const QString& section, const QString& key) const
{
    const Section* s = findSection(section);
    return s && findEntry(s->entries, key);
}

QStringList IniFile::sections() const
{
    QStringList names;
    QSet<QString> seen;
    for (const Section& section : m_sections) {
        if (!section.header.isEmpty() && !seen.contains(section.folded)) {
            seen.insert(section.folded);
            names.append(section.name);
        }
    }
    return names;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList names;
    QSet<QString> seen;
    if (const Section* s = findSection(section)) {
        for (const Entry& entry : s->entries) {
            if (!entry.key.isEmpty() && !seen.contains(entry.folded)) {
                seen.insert(entry.folded);
                names.append(entry.key);
            }
        }
    }
    return names;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    const Section* s = findSection(section);
    if (!s)
        return def;
    const Entry* entry = findEntry(s->entries, key);
    return entry ? cutValue(entry->value) : def;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const
{
    if (!hasKey(section, key))
        return def;
    const Number n = parseNumber(readString(section, key));
    return n.fitsInt ? n.value : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const
{
    if (!hasKey(section, key))
        return def;
    const QString value = readString(section, key);
    if (value.compare(u"TRUE", Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(u"FALSE", Qt::CaseInsensitive) == 0)
        return false;
    const Number n = parseNumber(value);
    return n.valid ? !n.zero : def;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    Section* s = findSection(section);
    if (!s) {
        Section added;
        added.name = oneLine(section).trimmed();
        added.folded = added.name.toCaseFolded();
        added.header = u'[' + added.name + u']';
        m_sections.append(added);
        s = &m_sections.last();
    }
    if (Entry* entry = findEntry(s->entries, key)) {
        entry->value = oneLine(value);
        entry->touched = true;
        return;
    }
    Entry entry;
    entry.key = oneLine(key).trimmed();
    entry.folded = entry.key.toCaseFolded();
    entry.value = oneLine(value);
    entry.touched = true;
    // Before the blank lines that end the section, so that they keep separating it from
    // the next one.
    qsizetype at = s->entries.size();
    while (at > 0 && s->entries[at - 1].key.isEmpty() && s->entries[at - 1].raw.trimmed().isEmpty())
        --at;
    s->entries.insert(at, entry);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
}

void IniFile::removeKey(const QString& section, const QString& key)
{
    // Every copy of the key goes: removing only the first would uncover the next.
    if (Section* s = findSection(section)) {
        const QString folded = key.toCaseFolded();
        s->entries.removeIf([&folded](const Entry& entry) {
            return !entry.key.isEmpty() && entry.folded == folded;
        });
    }
}

void IniFile::removeSection(const QString& section)
{
    const QString folded = section.toCaseFolded();
    m_sections.removeIf(
        [&folded](const Section& s) { return !s.header.isEmpty() && s.folded == folded; });
}

bool IniFile::save()
{
    m_error.clear();
    if (m_backupBeforeSave && QFileInfo::exists(m_path)) {
        const QString backup = m_path + QStringLiteral(".bak");
        QFile::remove(backup);
        if (!QFile::copy(m_path, backup)) {
            // Without the copy the unusable file would be lost for good.
            m_error = QCoreApplication::translate(
                          "IniFile", "The file %1 cannot be replaced: no copy could be kept as %2.")
                          .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(backup));
            return false;
        }
    }

    QString text;
    for (const Section& section : m_sections) {
        if (!section.header.isEmpty())
            text += section.header + u'\n';
        for (const Entry& entry : section.entries) {
            if (entry.touched)
                text += entry.key + u'=' + entry.value + u'\n';
            else
                text += entry.raw + u'\n';
        }
    }
    const QByteArray bytes = text.toUtf8();

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = QCoreApplication::translate("IniFile", "The file %1 cannot be written: %2")
                      .arg(QDir::toNativeSeparators(m_path), file.errorString());
        return false;
    }
    m_backupBeforeSave = false;
    m_status = Status::Ok;
    return true;
}
