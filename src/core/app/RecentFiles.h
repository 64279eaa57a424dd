#pragma once

#include <QLatin1String>
#include <QStringList>

class IniFile;

// The recently used project files of the File menu: at most nine paths, newest first.
// Kept in the main window's section of sd.ini as RecentFile1 (newest) to RecentFile9.
class RecentFiles
{
public:
    static constexpr int kMaxEntries = 9;
    static constexpr QLatin1String kSection { "THauptformular" };

    const QStringList& entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }

    // Puts path at the top; an entry for the same file moves up instead of doubling, and
    // the oldest entry drops out beyond nine.
    void add(const QString& path);
    void remove(const QString& path);
    void clear() { m_entries.clear(); }

    // Reads RecentFile1.. in order; empty and repeated entries are skipped.
    void read(const IniFile& ini);
    // Writes all nine keys (empty ones for unused places), so that entries of an earlier
    // longer list do not come back.
    void write(IniFile& ini) const;

    static QString key(int place); // place 1 to 9

private:
    int indexOf(const QString& path) const;

    QStringList m_entries;
};
