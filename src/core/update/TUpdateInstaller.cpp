#include "core/update/TUpdateInstaller.h"

#include "core/app/ProcessFlags.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/settings/TRegistryEintraege.h"
#include "core/update/ServiceTableStore.h"
#include "core/update/TAktuelleVersionInfo.h"
#include "core/update/UnpackUpdate.h"
#include "core/update/UpdateTexts.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {

QString folderWithoutSlash(const QString& folder)
{
    return QDir::cleanPath(folder);
}

// Logs why an unpacking failed; the user sees the kind's summary entry.
bool unpackLogged(const QString& source, const QString& target)
{
    const UnpackOutcome outcome = unpackUpdate(source, target, true);
    for (const QString& problem : outcome.problems)
        qWarning().noquote() << "update:" << problem;
    return outcome.ok;
}

} // namespace

TUpdateInstaller::TUpdateInstaller(UpdateSlots& updateSlots, TAktuelleVersionInfo& versions,
                                   TRegistryEintraege& settings, ServiceTableStore& tables,
                                   ProcessStarter& starter, Context context)
    : m_slots(updateSlots)
    , m_versions(versions)
    , m_settings(settings)
    , m_tables(tables)
    , m_starter(starter)
    , m_context(std::move(context))
{ }

TUpdateInstaller::Context TUpdateInstaller::processContext(const QString& programFolder)
{
    Context context;
    context.programFolder = programFolder;
    context.executablePath = QCoreApplication::applicationFilePath();
    context.upgraderPath = QCoreApplication::applicationDirPath() + QStringLiteral("/upgrader");
    context.processId = QCoreApplication::applicationPid();
    return context;
}

QString TUpdateInstaller::updatesFolder() const
{
    return folderWithoutSlash(m_context.programFolder) + QStringLiteral("/Updates");
}

void TUpdateInstaller::addSummary(const QString& entry)
{
    if (!m_summary.isEmpty())
        m_summary += QStringLiteral("\r\r");
    m_summary += entry;
}

void TUpdateInstaller::InstallUpdates()
{
    m_summary.clear();
    ErrorsOccurred = false;
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        tupdateinfofelder& slot = m_slots[i];
        if (slot.LocalFile.isEmpty())
            continue;
        const bool exists = QFileInfo::exists(slot.LocalFile);
        switch (UpdateKind(i)) {
        case UpdateKind::Komplett:
            installSetup(slot, exists);
            break;
        case UpdateKind::Datenbank:
            installDatabase(slot, exists);
            break;
        case UpdateKind::Hilfe:
            installHelp(slot, exists);
            break;
        case UpdateKind::Doku:
            installDocumentation(slot, exists);
            break;
        case UpdateKind::Programm:
            installProgram(slot, exists);
            break;
        }
        if (m_closeManager || !m_errorPage.isEmpty())
            break;
    }
    m_tables.clearSelectedOnlyViewFlag();
}

void TUpdateInstaller::ShowCompletion()
{
    if (ErrorsOccurred)
        Platform::messages().information(UpdateTexts::errorsOccurred());
    m_mayClose = true;
}

void TUpdateInstaller::endProgramForUpdate()
{
    m_mayClose = true;
    m_closeManager = true;
    ProcessFlags::terminationRequested = true;
    ProcessFlags::quitWithoutAsking = true;
}

void TUpdateInstaller::installSetup(tupdateinfofelder& slot, bool exists)
{
    bool started = false;
    if (exists) {
        Platform::messages().information(
            UpdateTexts::setupStarting(QDir::toNativeSeparators(slot.LocalFile)));
        const QFileInfo setup(slot.LocalFile);
        if (setup.isFile() && setup.isExecutable())
            started = m_starter.startDetached(
                { setup.absoluteFilePath(), {}, setup.absolutePath(), {} });
        else
            started = m_starter.openWithShell(setup.absoluteFilePath());
    }
    if (started) {
        SetupStarted = true;
        endProgramForUpdate();
        return;
    }
    Platform::messages().warning(UpdateTexts::setupCannotStart());
    m_errorPage = { UpdateTexts::setupCannotStart() };
}

void TUpdateInstaller::installDatabase(tupdateinfofelder& slot, bool exists)
{
    bool ok = false;
    if (exists) {
        if (!m_tables.CloseServiceTables()) {
            Platform::messages().error(UpdateTexts::couldNotCloseDatabase());
            return;
        }
        try {
            ok = unpackLogged(slot.LocalFile,
                              folderWithoutSlash(m_context.programFolder)
                                  + QStringLiteral("/DATEN"));
        } catch (...) {
            ok = false;
        }
    }
    recordArchive(slot, ok, DatabaseInstalled, &TRegistryEintraege::verSD,
                  &TAktuelleVersionInfo::verSD,
                  ok ? UpdateTexts::databaseInstalled()
                     : UpdateTexts::databaseFailed(QDir::toNativeSeparators(slot.LocalFile)));
    if (exists && !m_tables.OpenServiceTables())
        Platform::messages().error(UpdateTexts::couldNotOpenDatabase());
}

void TUpdateInstaller::installHelp(tupdateinfofelder& slot, bool exists)
{
    const bool ok
        = exists && unpackLogged(slot.LocalFile, folderWithoutSlash(m_context.programFolder));
    recordArchive(slot, ok, HelpInstalled, &TRegistryEintraege::verOH, &TAktuelleVersionInfo::verOH,
                  ok ? UpdateTexts::helpInstalled()
                     : UpdateTexts::helpFailed(QDir::toNativeSeparators(slot.LocalFile)));
}

void TUpdateInstaller::installDocumentation(tupdateinfofelder& slot, bool exists)
{
    const QString folder
        = folderWithoutSlash(m_context.programFolder) + QStringLiteral("/dokumentation");
    const bool ok = exists && QDir().mkpath(folder) && unpackLogged(slot.LocalFile, folder);
    recordArchive(slot, ok, DocumentationInstalled, &TRegistryEintraege::verDK,
                  &TAktuelleVersionInfo::verDK,
                  ok ? UpdateTexts::documentationInstalled()
                     : UpdateTexts::documentationFailed(QDir::toNativeSeparators(slot.LocalFile)));
}

void TUpdateInstaller::recordArchive(const tupdateinfofelder& slot, bool ok, bool& installed,
                                     QString TRegistryEintraege::*settingsVersion,
                                     QString TAktuelleVersionInfo::*installedVersion,
                                     const QString& entry)
{
    if (ok) {
        installed = true;
        m_settings.*settingsVersion = slot.Version;
        m_versions.*installedVersion = slot.Version;
    } else {
        ErrorsOccurred = true;
    }
    addSummary(entry);
}

void TUpdateInstaller::installProgram(tupdateinfofelder& slot, bool exists)
{
    const QFileInfo executable(m_context.executablePath);
    const QFileInfo upgrader(m_context.upgraderPath);
    const QString newExecutable = updatesFolder() + u'/' + executable.fileName();

    // The upgrader only replaces what the archive really brought: without it, claiming
    // success and restarting would leave the old program running as if updated.
    bool ok = exists && upgrader.isFile() && upgrader.isExecutable()
        && unpackLogged(slot.LocalFile, updatesFolder()) && QFileInfo(newExecutable).isFile();
    if (ok) {
        Platform::messages().information(UpdateTexts::programInstalled());
        const QDir executableFolder = executable.absoluteDir();
        QString newRelative = executableFolder.relativeFilePath(newExecutable);
        if (newRelative.startsWith(QLatin1String("..")))
            newRelative = QFileInfo(newExecutable).absoluteFilePath();
        ProcessStarter::Command command;
        command.program = upgrader.absoluteFilePath();
        command.arguments = { QStringLiteral("--wait-pid"), QString::number(m_context.processId),
                              executable.fileName(), newRelative, executable.fileName() };
        command.workingDirectory = executableFolder.absolutePath();
        // The restarted program must find the same program folder, however it was chosen.
        command.environment
            = { { QStringLiteral("SENDORA_HOME"), folderWithoutSlash(m_context.programFolder) } };
        ok = m_starter.startDetached(command);
    }
    if (ok) {
        m_versions.programVersion = slot.Version;
        ProgramInstalled = true;
        m_starter.requestQuit();
        endProgramForUpdate();
        return;
    }
    m_errorPage = UpdateTexts::programFailedPage(QDir::toNativeSeparators(slot.LocalFile));
}
