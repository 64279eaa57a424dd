#pragma once

#include "core/project/TProjektDetails.h"
#include "core/project/TSDAnmeldeStatus.h"
#include "core/project/TStatusbericht.h"
#include "core/project/TTextFiles.h"

#include <QString>
#include <QStringList>

#include <memory>

// One website project: its details, the submission state per service, the status
// report and the meta tag files saved for it. The four parts are created with the
// project and never absent.
class TSdProjectData
{
public:
    TSdProjectData();
    ~TSdProjectData();
    TSdProjectData(const TSdProjectData&) = delete;
    TSdProjectData& operator=(const TSdProjectData&) = delete;

    // Unsaved changes.
    bool Geaendert() const { return m_geaendert; }
    void SetGeaendert(bool value) { m_geaendert = value; }
    // The site checker could not fetch the website address.
    bool URLFehler() const { return m_urlFehler; }
    void SetURLFehler(bool value) { m_urlFehler = value; }
    const QString& ProjectName() const { return m_projectName; }
    void SetProjectName(const QString& value) { m_projectName = value; }
    const QString& ProjectDescription() const { return m_projectDescription; }
    void SetProjectDescription(const QString& value) { m_projectDescription = value; }

    TProjektDetails& ProjektDetails() { return *m_details; }
    const TProjektDetails& ProjektDetails() const { return *m_details; }
    TSDAnmeldeStatus& AnmeldeStatus() { return *m_anmeldeStatus; }
    const TSDAnmeldeStatus& AnmeldeStatus() const { return *m_anmeldeStatus; }
    TStatusbericht& Status() { return *m_status; }
    const TStatusbericht& Status() const { return *m_status; }
    TTextFiles& TextFiles() { return *m_textFiles; }
    const TTextFiles& TextFiles() const { return *m_textFiles; }

    // Replace a part: the project takes the new one and hands the one it held back to
    // the caller (it is neither copied nor freed here). A null part is replaced by an
    // empty one, so the parts are never absent.
    std::unique_ptr<TProjektDetails> SetProjektDetails(std::unique_ptr<TProjektDetails> value);
    std::unique_ptr<TSDAnmeldeStatus> SetAnmeldeStatus(std::unique_ptr<TSDAnmeldeStatus> value);
    std::unique_ptr<TStatusbericht> SetStatus(std::unique_ptr<TStatusbericht> value);
    std::unique_ptr<TTextFiles> SetTextFiles(std::unique_ptr<TTextFiles> value);

    // Reads this project from the lines of the text form, from its start line on (the
    // lines after its end line are not looked at). Throws SdError for a date that does
    // not parse and for a collection count the text cannot hold.
    void ReadProjectText(const QStringList& lines);

private:
    bool m_geaendert = false;
    bool m_urlFehler = false;
    QString m_projectName;
    QString m_projectDescription;
    std::unique_ptr<TProjektDetails> m_details;
    std::unique_ptr<TSDAnmeldeStatus> m_anmeldeStatus;
    std::unique_ptr<TStatusbericht> m_status;
    std::unique_ptr<TTextFiles> m_textFiles;
};
