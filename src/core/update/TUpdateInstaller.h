#pragma once

#include "core/update/ProcessStarter.h"
#include "core/update/UpdateSlots.h"

#include <QString>
#include <QStringList>

class ServiceTableStore;
class TRegistryEintraege;
struct TAktuelleVersionInfo;

// Puts the downloaded updates in place (the installation page of the update manager)
// and produces what the completion page shows.
//
// On Linux the folders of the installation are those of the program folder: "Updates",
// "DATEN", "dokumentation", and the help goes into the program folder itself. The
// program update replaces the running executable through the upgrader that ships beside
// it; the complete setup is a downloaded file that the desktop opens, or that is started
// when it is executable.
class TUpdateInstaller
{
public:
    struct Context
    {
        QString programFolder; // with or without a final "/"
        QString executablePath; // the running program
        QString upgraderPath; // the upgrader beside it
        qint64 processId = 0; // the upgrader waits for this process to end
    };

    TUpdateInstaller(UpdateSlots& updateSlots, TAktuelleVersionInfo& versions,
                     TRegistryEintraege& settings, ServiceTableStore& tables,
                     ProcessStarter& starter, Context context);

    // The context of the running program.
    static Context processContext(const QString& programFolder);

    // Installs every slot with a local file, in slot order. Stops after a setup or a
    // program update was started and after an error page.
    void InstallUpdates();
    // The completion page: shows the "Errors occurred" box first when there were errors.
    void ShowCompletion();

    bool SetupStarted = false;
    bool DatabaseInstalled = false;
    bool HelpInstalled = false;
    bool DocumentationInstalled = false;
    bool ProgramInstalled = false;
    bool ErrorsOccurred = false;

    // Entries joined by CR CR.
    QString summary() const { return m_summary; }
    // Not empty: the wizard shows its error page with these texts.
    QStringList errorPage() const { return m_errorPage; }
    // The update manager must close (a setup or the upgrader was started).
    bool closeManager() const { return m_closeManager; }
    bool mayClose() const { return m_mayClose; }

    QString updatesFolder() const;

private:
    void installSetup(tupdateinfofelder& slot, bool exists);
    void installDatabase(tupdateinfofelder& slot, bool exists);
    void installHelp(tupdateinfofelder& slot, bool exists);
    void installDocumentation(tupdateinfofelder& slot, bool exists);
    void installProgram(tupdateinfofelder& slot, bool exists);
    // Notes the outcome of an unpacked archive: the flag and the new version, or the
    // error; the summary entry either way.
    void recordArchive(const tupdateinfofelder& slot, bool ok, bool& installed,
                       QString TRegistryEintraege::*settingsVersion,
                       QString TAktuelleVersionInfo::*installedVersion, const QString& entry);
    void addSummary(const QString& entry);
    void endProgramForUpdate();

    UpdateSlots& m_slots;
    TAktuelleVersionInfo& m_versions;
    TRegistryEintraege& m_settings;
    ServiceTableStore& m_tables;
    ProcessStarter& m_starter;
    Context m_context;

    QString m_summary;
    QStringList m_errorPage;
    bool m_closeManager = false;
    bool m_mayClose = false;
};
