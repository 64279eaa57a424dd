#pragma once

#include <QList>
#include <QString>

// A Windows-style ini file with the semantics the program's files need: section names
// and keys are matched without regard to case, values are read up to 1,024 characters,
// booleans are "TRUE"/"FALSE", and everything the program does not touch (other
// sections, other keys, comments, unparsable lines) is written back as it was.
// Files are UTF-8; a file that is not valid UTF-8 is read as Windows-1252. Saving is
// atomic: a failed save leaves the old file unchanged.
class IniFile
{
public:
    static constexpr int kMaxValueLength = 1024;

    enum class Status {
        Ok,         // read (or nothing read yet)
        Missing,    // no file: empty, not an error
        Unreadable, // exists but cannot be opened or read
        NotText     // holds bytes no text file has (NUL bytes)
    };

    explicit IniFile(QString path);

    QString path() const { return m_path; }

    // Reads the file. Returns false for Unreadable and NotText; the contents are then
    // empty and a save writes a new file (keeping a copy of the unusable one as
    // "<name>.bak").
    bool load();
    Status status() const { return m_status; }
    QString errorString() const { return m_error; }

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;
    QStringList sections() const;
    QStringList keys(const QString& section) const;

    // The value with surrounding blanks removed and cut at kMaxValueLength; def when the
    // key is missing.
    QString readString(const QString& section, const QString& key,
                       const QString& def = QString()) const;
    // Decimal (a leading sign allowed) or "0x" hexadecimal; anything else gives def.
    int readInteger(const QString& section, const QString& key, int def) const;
    // "TRUE"/"FALSE" in any case; a number is true when not 0; anything else gives def.
    bool readBool(const QString& section, const QString& key, bool def) const;

    // Replaces the value in place or appends the key to its section (appending the
    // section when needed).
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    void removeKey(const QString& section, const QString& key);
    void removeSection(const QString& section);

    // Writes the whole file atomically. Returns false with errorString() set on failure.
    bool save();

private:
    struct Entry
    {
        QString raw;     // the line as read, written back unchanged while untouched
        QString key;     // empty for comments, blank and unparsable lines
        QString folded;  // key.toCaseFolded(), what lookups compare
        QString value;
        bool touched = false;
    };
    struct Section
    {
        QString header;  // the section line as read ("" for lines before any section)
        QString name;
        QString folded;  // name.toCaseFolded()
        QList<Entry> entries;
    };

    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;

    QString m_path;
    QList<Section> m_sections;
    Status m_status = Status::Ok;
    QString m_error;
    bool m_backupBeforeSave = false;
};
