#pragma once

#include "core/update/TAktuelleVersionInfo.h"
#include "core/update/UpdateSlots.h"

#include <QStringList>

// Parses one plain line of the information file (eleven fields, each closed by ";").
// The record is filled field by field, so that after a failure it holds what was read up
// to the failing field (the kind word of an error text comes from there). A release date
// not greater than 0 is reported as an internal error as well.
bool ParseUpdateLine(const QString& line, tinfodateifelder& record);

// The evaluated information file: which update of each kind may be installed over the
// installed version.
class TUpdateInformation
{
public:
    explicit TUpdateInformation(TAktuelleVersionInfo info = {});

    const TAktuelleVersionInfo& versionInfo() const { return m_info; }
    TAktuelleVersionInfo& versionInfo() { return m_info; }

    // Resets the slots and fills them from the enciphered lines. False with errorText set
    // when a line does not decipher or parse, or names an unknown kind; the slots are then
    // not to be used. Blank lines are skipped.
    bool ParseUpdateInformation(const QStringList& lines, QString& errorText);

    void resetSlots();
    const UpdateSlots& updateSlots() const { return m_slots; }
    UpdateSlots& updateSlots() { return m_slots; }
    tupdateinfofelder& slot(UpdateKind kind) { return m_slots[std::size_t(kind)]; }
    const tupdateinfofelder& slot(UpdateKind kind) const { return m_slots[std::size_t(kind)]; }

    bool updatesAvailable() const { return m_updatesAvailable; }

    // The last line parsed.
    const tinfodateifelder& parsedLine() const { return m_parsedLine; }
    void clearParsedLine() { m_parsedLine = {}; }

    // The installed version that an update of the kind is compared with.
    QString installedVersion(UpdateKind kind) const;
    // Whether a line applies to this program (distribution, language, edition).
    bool applies(const tinfodateifelder& line) const;

    // Reads the lines of the information file's body (CR LF or LF; a final line end
    // makes no extra line).
    static QStringList splitLines(const QByteArray& body);

private:
    TAktuelleVersionInfo m_info;
    UpdateSlots m_slots {};
    tinfodateifelder m_parsedLine;
    bool m_updatesAvailable = false;
};
