#pragma once

#include "core/project/TProjectDataCollection.h"

#include <QString>

#include <memory>

// The result of one submission attempt.
class TStatusberichtDetails
{
public:
    const QString& Fehlermeldung() const { return m_fehlermeldung; }
    void SetFehlermeldung(const QString& value) { m_fehlermeldung = value; }
    int Fehlercode() const { return m_fehlercode; }
    void SetFehlercode(int value) { m_fehlercode = value; }
    int EngineNr() const { return m_engineNr; }
    void SetEngineNr(int value) { m_engineNr = value; }
    const QString& URLAnmeldeseite() const { return m_urlAnmeldeseite; }
    void SetURLAnmeldeseite(const QString& value) { m_urlAnmeldeseite = value; }
    // Empty when no reply page was saved.
    const QString& PfadAntwortSeite() const { return m_pfadAntwortSeite; }
    void SetPfadAntwortSeite(const QString& value) { m_pfadAntwortSeite = value; }
    const QString& SubmittedURL() const { return m_submittedUrl; }
    void SetSubmittedURL(const QString& value) { m_submittedUrl = value; }

    bool operator==(const TStatusberichtDetails& other) const = default;

private:
    QString m_fehlermeldung;
    int m_fehlercode = 0;
    int m_engineNr = 0;
    QString m_urlAnmeldeseite;
    QString m_pfadAntwortSeite;
    QString m_submittedUrl;
};

// One entry of the status report: one submission attempt. Owns its details.
class TStatusberichtItem
{
public:
    TStatusberichtItem();
    TStatusberichtItem(const TStatusberichtItem&) = delete;
    TStatusberichtItem& operator=(const TStatusberichtItem&) = delete;

    const QString& Suchdienst() const { return m_suchdienst; }
    void SetSuchdienst(const QString& value) { m_suchdienst = value; }
    // Date and time of the attempt (TDateTime).
    double Date() const { return m_date; }
    void SetDate(double value) { m_date = value; }
    TStatusberichtDetails& Details() { return *m_details; }
    const TStatusberichtDetails& Details() const { return *m_details; }

    QString DisplayName() const;

    bool operator==(const TStatusberichtItem& other) const;

private:
    QString m_suchdienst;
    double m_date = 0.0;
    std::unique_ptr<TStatusberichtDetails> m_details;
};

// The status report: one entry per submission attempt.
class TStatusbericht : public TProjectDataCollection<TStatusberichtItem>
{
public:
    using TProjectDataCollection::TProjectDataCollection;
    static QString DefaultDisplayName();
};
