#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// Which services are ticked, as stored in "*.suc" files and the snapshot "aktuell.suc":
// 700 entries of 8 bytes (service number as 32-bit little-endian, tick byte, three zero
// bytes), 5,600 bytes, no header. Number 0 marks an unused entry.
class SelectionBlock
{
public:
    static constexpr int kEntries = 700;
    static constexpr int kEntrySize = 8;
    static constexpr int kSize = kEntries * kEntrySize;

    struct Entry
    {
        std::int32_t nr = 0;
        std::uint8_t tick = 0; // 1 ticks; any other value unticks
    };

    Entry& operator[](int i) { return m_entries[size_t(i)]; }
    const Entry& operator[](int i) const { return m_entries[size_t(i)]; }

    // A shorter block is zero-filled; bytes after the first 5,600 are ignored.
    static SelectionBlock fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // Reads at most 5,600 bytes. False with error set when the file cannot be read.
    bool readFile(const QString& path, QString* error = nullptr);
    // Written atomically.
    bool writeFile(const QString& path, QString* error = nullptr) const;

private:
    std::array<Entry, kEntries> m_entries {};
};
