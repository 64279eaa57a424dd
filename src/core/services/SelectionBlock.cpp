#include "core/services/SelectionBlock.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

SelectionBlock SelectionBlock::fromBytes(const QByteArray& bytes)
{
    SelectionBlock block;
    const qsizetype available = qMin<qsizetype>(bytes.size(), kSize);
    for (int i = 0; i < kEntries; ++i) {
        const qsizetype offset = qsizetype(i) * kEntrySize;
        uchar raw[kEntrySize] = {};
        if (offset < available)
            memcpy(raw, bytes.constData() + offset, size_t(qMin<qsizetype>(kEntrySize, available - offset)));
        block.m_entries[size_t(i)].nr = qFromLittleEndian<qint32>(raw);
        block.m_entries[size_t(i)].tick = raw[4];
    }
    return block;
}

QByteArray SelectionBlock::toBytes() const
{
    QByteArray bytes(kSize, '\0');
    for (int i = 0; i < kEntries; ++i) {
        uchar* raw = reinterpret_cast<uchar*>(bytes.data()) + qsizetype(i) * kEntrySize;
        qToLittleEndian<qint32>(m_entries[size_t(i)].nr, raw);
        raw[4] = m_entries[size_t(i)].tick;
    }
    return bytes;
}

bool SelectionBlock::readFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.read(kSize);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    *this = fromBytes(bytes);
    return true;
}

bool SelectionBlock::writeFile(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toBytes()) != kSize || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
