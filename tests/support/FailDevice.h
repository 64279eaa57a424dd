#pragma once

#include <QByteArray>
#include <QIODevice>

// A write device that takes the first limit bytes and then fails every write, as a full
// disk would; proves that a writer reports the failure instead of going on.
class FailDevice final : public QIODevice
{
public:
    explicit FailDevice(qint64 limit)
        : m_limit(limit)
    {
    }

    const QByteArray& written() const { return m_written; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 room = m_limit - m_written.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 taken = qMin(room, size);
        m_written.append(data, qsizetype(taken));
        return taken;
    }

private:
    qint64 m_limit;
    QByteArray m_written;
};
