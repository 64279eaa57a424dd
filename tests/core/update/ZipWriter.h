#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

// Builds zip archives for tests with libzip, including entries no honest archiver writes.
struct ZipEntry
{
    enum Type
    {
        File,
        Folder,
        SymbolicLink
    };
    QString name;
    QByteArray data; // the link target for a symbolic link
    Type type = File;
    bool executable = false;
};

// Writes the archive (stored, not compressed, so tests can find and spoil entry data);
// returns false when libzip fails.
bool writeZip(const QString& path, const QList<ZipEntry>& entries);

Q_DECLARE_METATYPE(QList<ZipEntry>)
