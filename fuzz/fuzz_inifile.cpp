// Feeds arbitrary bytes to the ini reader as a file, reads every key, saves and reloads:
// besides crashes, a saved file must read back exactly as it was read.
#include "core/platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct Snapshot
{
    QStringList sections;
    QList<QStringList> keys;
    QStringList values;
};

Snapshot snapshot(const IniFile& ini)
{
    Snapshot s;
    s.sections = ini.sections();
    for (const QString& section : s.sections) {
        const QStringList keys = ini.keys(section);
        s.keys.append(keys);
        for (const QString& key : keys) {
            s.values.append(ini.readString(section, key));
            s.values.append(QString::number(ini.readInteger(section, key, -1)));
            s.values.append(ini.readBool(section, key, false) ? QStringLiteral("t")
                                                              : QStringLiteral("f"));
        }
    }
    return s;
}

bool operator==(const Snapshot& a, const Snapshot& b)
{
    return a.sections == b.sections && a.keys == b.keys && a.values == b.values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("sd.ini"));

    QFile::remove(path + QStringLiteral(".bak"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    IniFile ini(path);
    if (!ini.load()) {
        if (ini.status() != IniFile::Status::NotText)
            std::abort();
        return 0;
    }
    const Snapshot before = snapshot(ini);
    if (!ini.save())
        std::abort();

    IniFile again(path);
    if (!again.load() || !(snapshot(again) == before))
        std::abort();

    again.writeString(QStringLiteral("Sdt"), QStringLiteral("IDGlobProxy"),
                      QStringLiteral("a\nb=[c]\r"));
    again.writeInteger(QStringLiteral("sdt"), QStringLiteral("IDGlobAnzThreads"), 7);
    if (!again.save())
        std::abort();
    IniFile third(path);
    if (!third.load()
        || third.readInteger(QStringLiteral("SDT"), QStringLiteral("idglobanzthreads"), 0) != 7)
        std::abort();
    return 0;
}
