#pragma once

#include <QDateTime>
#include <QLatin1String>
#include <QString>

#include <array>
#include <optional>

// The five kinds of update, in the fixed order of the update slots (slot 1 to 5 are the
// indexes 0 to 4).
enum class UpdateKind
{
    Komplett = 0,
    Datenbank = 1,
    Hilfe = 2,
    Doku = 3,
    Programm = 4
};

inline constexpr int kUpdateSlotCount = 5;

struct UpdateKindInfo
{
    UpdateKind kind;
    QLatin1String word; // the kind word of the information file
    QLatin1String localFile; // the name of the downloaded file in "Updates"
};

// Names as the update server defines them. On Linux the complete setup is whatever the
// server puts under that name (an installer script or package the desktop opens), and
// the program archive holds the "sendora" executable.
inline constexpr std::array<UpdateKindInfo, kUpdateSlotCount> kUpdateKinds { {
    { UpdateKind::Komplett, QLatin1String("KOMPLETT"), QLatin1String("SETUP.EXE") },
    { UpdateKind::Datenbank, QLatin1String("DATENBANK"), QLatin1String("DB.ZIP") },
    { UpdateKind::Hilfe, QLatin1String("HILFE"), QLatin1String("HILFE.ZIP") },
    { UpdateKind::Doku, QLatin1String("DOKU"), QLatin1String("DOKU.ZIP") },
    { UpdateKind::Programm, QLatin1String("PROGRAMM"), QLatin1String("SENDORA.ZIP") },
} };

inline const UpdateKindInfo& updateKindInfo(UpdateKind kind)
{
    return kUpdateKinds[std::size_t(kind)];
}

// The kind of a kind word (already upper case); none for a word outside the five.
std::optional<UpdateKind> updateKindOfWord(const QString& word);

// One parsed line of the information file.
struct tinfodateifelder
{
    QString Channel;
    QString Language;
    QString Kind;
    QString Edition;
    QString Version;
    QString MinVersion;
    QString Title;
    QString Details;
    QString RemoteFile;
    qint32 Size = 0;
    double Date = 0.0; // days since 30 December 1899
};

// What is known about one kind of update.
struct tupdateinfofelder
{
    bool NotAvailable = true;
    QString Version;
    QString Date; // the release date in the user's date and time format
    QString Title;
    QString Details;
    QString RemoteFile;
    qint32 Size = 0;
    bool Selected = false;
    QString LocalFile;
};

using UpdateSlots = std::array<tupdateinfofelder, kUpdateSlotCount>;
