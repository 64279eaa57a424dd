#include "core/app/RecentFiles.h"

#include "core/platform/IniFile.h"

#include <QDir>

namespace {

QString normalised(const QString& path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

} // namespace

QString RecentFiles::key(int place)
{
    return QStringLiteral("RecentFile%1").arg(place);
}

int RecentFiles::indexOf(const QString& path) const
{
    const QString wanted = normalised(path);
    for (int i = 0; i < count(); ++i) {
        if (normalised(m_entries[i]) == wanted)
            return i;
    }
    return -1;
}

void RecentFiles::add(const QString& path)
{
    if (path.trimmed().isEmpty())
        return;
    const int existing = indexOf(path);
    if (existing >= 0)
        m_entries.removeAt(existing);
    m_entries.prepend(path);
    while (count() > kMaxEntries)
        m_entries.removeLast();
}

void RecentFiles::remove(const QString& path)
{
    const int existing = indexOf(path);
    if (existing >= 0)
        m_entries.removeAt(existing);
}

void RecentFiles::read(const IniFile& ini)
{
    m_entries.clear();
    for (int place = 1; place <= kMaxEntries; ++place) {
        const QString path = ini.readString(QString(kSection), key(place));
        if (!path.isEmpty() && indexOf(path) < 0)
            m_entries.append(path);
    }
}

void RecentFiles::write(IniFile& ini) const
{
    for (int place = 1; place <= kMaxEntries; ++place)
        ini.writeString(QString(kSection), key(place),
                        place <= count() ? m_entries[place - 1] : QString());
}
