#include "core/update/UpdateInformation.h"

#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/SdError.h"
#include "core/platform/TDateTime.h"
#include "core/settings/StringCipher.h"
#include "core/settings/VersionNumber.h"
#include "core/update/UpdateTexts.h"

#include <QLocale>

#include <cmath>

std::optional<UpdateKind> updateKindOfWord(const QString& word)
{
    for (const UpdateKindInfo& info : kUpdateKinds) {
        if (word == info.word)
            return info.kind;
    }
    return std::nullopt;
}

namespace {

bool isVersion(const QString& text)
{
    return !text.trimmed().isEmpty() && VersionToNumber(text) > 0;
}

// The release date is written with the user's decimal separator. Files are made by the
// maintainer in one locale and read in every other, so a "." is understood as well.
bool readDate(const QString& text, double& value)
{
    bool ok = false;
    value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value);
}

// The slot's own code for a date that cannot be written.
QString dateErrorCode(UpdateKind kind)
{
    switch (kind) {
    case UpdateKind::Komplett:
        return QStringLiteral("xc8800101");
    case UpdateKind::Datenbank:
        return QStringLiteral("xc880014");
    case UpdateKind::Hilfe:
        return QStringLiteral("xc880013");
    case UpdateKind::Doku:
        return QStringLiteral("xc880015");
    case UpdateKind::Programm:
        return QStringLiteral("xc880012");
    }
    return {};
}

} // namespace

bool ParseUpdateLine(const QString& line, tinfodateifelder& record)
{
    qsizetype position = 0;
    auto nextField = [&](QString& field) {
        const qsizetype end = line.indexOf(u';', position);
        if (end < 0)
            return false;
        field = line.mid(position, end - position);
        position = end + 1;
        return true;
    };
    auto isOneOf = [](const QString& text, std::initializer_list<QLatin1String> words) {
        for (const QLatin1String word : words) {
            if (text == word)
                return true;
        }
        return false;
    };

    QString field;
    if (!nextField(field))
        return false;
    record.Channel = field.trimmed().toUpper();
    if (!TAktuelleVersionInfo::distributionCodes().contains(record.Channel))
        return false;

    if (!nextField(field))
        return false;
    record.Language = field.trimmed().toUpper();
    if (!isOneOf(record.Language,
                 { QLatin1String("DEUTSCH"), QLatin1String("ENGLISCH"), QLatin1String("FRANZ") }))
        return false;

    if (!nextField(field))
        return false;
    record.Kind = field.trimmed().toUpper();
    if (!updateKindOfWord(record.Kind))
        return false;

    if (!nextField(field))
        return false;
    record.Edition = field.trimmed().toUpper();
    if (!isOneOf(record.Edition,
                 { TAktuelleVersionInfo::kEditionFull, TAktuelleVersionInfo::kEditionEvery,
                   TAktuelleVersionInfo::kEditionOther }))
        return false;

    if (!nextField(record.Version) || !isVersion(record.Version))
        return false;
    if (!nextField(record.MinVersion) || !isVersion(record.MinVersion))
        return false;
    if (!nextField(record.Title) || record.Title.trimmed().isEmpty())
        return false;
    if (!nextField(record.Details) || record.Details.trimmed().isEmpty())
        return false;

    if (!nextField(field))
        return false;
    record.RemoteFile = field.trimmed().toUpper();
    if (record.RemoteFile.isEmpty())
        return false;

    if (!nextField(field))
        return false;
    bool ok = false;
    const qint32 size = field.trimmed().toInt(&ok);
    if (!ok || size <= 0)
        return false;
    record.Size = size;

    if (!nextField(field))
        return false;
    double date = 0;
    if (!readDate(field.trimmed(), date))
        return false;
    if (date <= 0) {
        Platform::messages().error(UpdateTexts::internalError(QStringLiteral("xc880011")));
        return false;
    }
    record.Date = date;
    return true;
}

TUpdateInformation::TUpdateInformation(TAktuelleVersionInfo info)
    : m_info(std::move(info))
{ }

void TUpdateInformation::resetSlots()
{
    m_slots = {};
    m_updatesAvailable = false;
}

QString TUpdateInformation::installedVersion(UpdateKind kind) const
{
    switch (kind) {
    case UpdateKind::Komplett:
        return m_info.verGS;
    case UpdateKind::Datenbank:
        return m_info.verSD;
    case UpdateKind::Hilfe:
        return m_info.verOH;
    case UpdateKind::Doku:
        return m_info.verDK;
    case UpdateKind::Programm:
        return m_info.programVersion;
    }
    return {};
}

bool TUpdateInformation::applies(const tinfodateifelder& line) const
{
    return line.Channel == m_info.distributionCode && line.Language == m_info.languageWord
        && (line.Edition == m_info.editionWord
            || line.Edition == TAktuelleVersionInfo::kEditionEvery);
}

bool TUpdateInformation::ParseUpdateInformation(const QStringList& lines, QString& errorText)
{
    resetSlots();
    for (const QString& stored : lines) {
        if (stored.trimmed().isEmpty())
            continue;
        m_parsedLine = {};
        bool parsed = false;
        try {
            parsed = ParseUpdateLine(DecryptText(stored.trimmed()), m_parsedLine);
        } catch (const SdError&) {
            parsed = false; // not Base64: it does not decipher
        }
        if (!parsed) {
            errorText = UpdateTexts::lineError(m_parsedLine.Kind);
            return false;
        }
        if (!applies(m_parsedLine))
            continue;

        const std::optional<UpdateKind> kind = updateKindOfWord(m_parsedLine.Kind);
        if (!kind) {
            errorText = UpdateTexts::internalError(m_parsedLine.Kind + QStringLiteral(" xc881"));
            return false;
        }

        const qint64 installed = VersionToNumber(installedVersion(*kind));
        if (installed < VersionToNumber(m_parsedLine.Version)
            && installed >= VersionToNumber(m_parsedLine.MinVersion)) {
            tupdateinfofelder& target = slot(*kind);
            target.NotAvailable = false;
            target.Version = m_parsedLine.Version;
            target.Title = m_parsedLine.Title;
            target.Details = m_parsedLine.Details;
            target.RemoteFile = m_parsedLine.RemoteFile;
            target.Size = m_parsedLine.Size;
            const QDateTime date = TDateTime::toDateTime(m_parsedLine.Date);
            if (date.isValid()) {
                target.Date = QLocale().toString(date, QLocale::ShortFormat);
            } else {
                target.Date.clear();
                Platform::messages().error(UpdateTexts::internalError(dateErrorCode(*kind)));
            }
            m_updatesAvailable = true;
        }
    }
    return true;
}

QStringList TUpdateInformation::splitLines(const QByteArray& body)
{
    // The file is enciphered Base64, so its bytes are ASCII.
    QString text = QString::fromLatin1(body);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
