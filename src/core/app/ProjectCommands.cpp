#include "core/app/ProjectCommands.h"

#include "core/app/ProcessFlags.h"
#include "core/app/TGlobaleVariablen.h"
#include "core/app/TdmStorage.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/SdError.h"
#include "core/platform/WaitIndicator.h"
#include "core/project/TSdProjectContainer.h"
#include "core/services/TDatenmodul.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(TfrmHauptFormular)
};

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Shows the wait window and makes the window busy for the life of the object; both are
// undone on every way out, also when an error leaves the command.
class BusyScope
{
public:
    BusyScope(ProjectCommands::Host& host, const QString& text)
        : m_host(host)
    {
        Platform::waitIndicator().showWait(ProjectCommands::waitCaption(), text, false, false);
        m_host.setBusy(true);
    }
    ~BusyScope() { end(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    // Closes the wait window early (before a message box).
    void hideWait()
    {
        if (m_waitShown) {
            Platform::waitIndicator().hideWait();
            m_waitShown = false;
        }
    }
    void end()
    {
        hideWait();
        if (m_busy) {
            m_host.setBusy(false);
            m_busy = false;
        }
    }

private:
    ProjectCommands::Host& m_host;
    bool m_waitShown = true;
    bool m_busy = true;
};

} // namespace

ProjectCommands::ProjectCommands(TSdProjectContainer& container, Host& host)
    : m_container(container)
    , m_host(host)
{
}

// --- texts -------------------------------------------------------------------------------

QString ProjectCommands::saveFileQuestion(const QString& path)
{
    return Tr::tr("Would you like to save file %1 now?", "IDS_DateiSpeichern").arg(shown(path));
}

QString ProjectCommands::saveFormDataQuestion()
{
    return Tr::tr("Would you like to save current form data?", "IDS_FormularSpeichern");
}

QString ProjectCommands::saveFormDataNowQuestion()
{
    return Tr::tr("Would you like to save the current form data now?", "IDS_FormularJetztSpeichern");
}

QString ProjectCommands::exitQuestion()
{
    return Tr::tr("Would you like to exit the program now?", "IDS_ProgrammBeenden");
}

QString ProjectCommands::loadErrorText(const QString& path)
{
    return Tr::tr("Error while loading file %1", "IDS_FehlerBeimLaden").arg(shown(path));
}

QString ProjectCommands::writeBackErrorText()
{
    return Tr::tr("Exception while reading", "IDS_AusnahmeBeimLesen");
}

QString ProjectCommands::savedText(const QString& path)
{
    return Tr::tr("File %1 has been saved.", "IDS_DateiGespeichert").arg(shown(path));
}

QString ProjectCommands::waitCaption()
{
    return Tr::tr("Please wait ...", "IDS_BitteWarten");
}

QString ProjectCommands::loadingText()
{
    return Tr::tr("Loading file, please wait ...", "IDS_DateiLaden");
}

QString ProjectCommands::savingText()
{
    return Tr::tr("Saving data, please wait ...", "IDS_DatenSpeichern");
}

FileDialogs::Options ProjectCommands::openDialogOptions(const QString& startPath)
{
    FileDialogs::Options options;
    options.title = Tr::tr("Load details file", "IDS_OeffnenTitel");
    options.filter = Tr::tr("Site details files|*.sit|All files|*.*", "IDS_DateiFilter");
    options.startPath = startPath;
    options.defaultSuffix = QStringLiteral("sit");
    options.mustExist = true;
    return options;
}

FileDialogs::Options ProjectCommands::saveDialogOptions()
{
    FileDialogs::Options options;
    options.title = Tr::tr("Saving details file", "IDS_SpeichernTitel");
    options.filter = Tr::tr("Site details files|*.sit|All files|*.*", "IDS_DateiFilter");
    options.defaultSuffix = QStringLiteral("sit");
    options.confirmOverwrite = true;
    return options;
}

// --- state -------------------------------------------------------------------------------

TSdProjectData* ProjectCommands::currentProject() const
{
    return m_container.ProjectCount() > 0 ? m_container.Project(0) : nullptr;
}

QString ProjectCommands::fileName() const
{
    return m_container.Filename();
}

void ProjectCommands::languageChanged()
{
    if (m_untitled)
        m_container.SetFilename(TdmStorage::untitledFileName());
}

void ProjectCommands::createDefaultProject()
{
    TSdProjectData* project = m_container.NewDefaultProject(m_host.uiLanguage());
    m_untitled = true;
    GlobaleVariablen.LastRTFReportPath.clear();
    m_host.defaultProjectCreated();
    m_host.showProjectInForm(*project);
    m_host.setCaptionFile({});
    m_container.SetAllModified(false);
}

// --- saving ------------------------------------------------------------------------------

bool ProjectCommands::saveToPath(const QString& path)
{
    QString error;
    bool saved = false;
    {
        BusyScope busy(m_host, savingText());
        try {
            TSdProjectData* project = currentProject();
            if (!project)
                project = m_container.AddProject();
            project->AnmeldeStatus().Clear();
            m_host.copyFormToProject(*project);
            if (m_datenmodul && m_datenmodul->isOpen())
                m_datenmodul->FillSubmissionState(project->AnmeldeStatus());
            // The project keeps its old file name unless the new file was written.
            const QString previous = m_container.Filename();
            m_container.SetFilename(path);
            try {
                m_container.SaveProjects();
            } catch (...) {
                m_container.SetFilename(previous);
                throw;
            }
            m_untitled = false;
            saved = true;
            m_recentFiles.add(path);
            m_host.recentFilesChanged();
        } catch (const SdError& e) {
            error = e.text();
        }
    }
    if (!saved) {
        Platform::messages().error(error);
        return false;
    }
    return true;
}

QString ProjectCommands::saveProjectAs()
{
    const QString path = Platform::fileDialogs().saveFile(saveDialogOptions());
    if (path.isEmpty())
        return {};
    if (!saveToPath(path))
        return {};
    m_host.setCaptionFile(path);
    return path;
}

bool ProjectCommands::saveToOwnFile()
{
    return saveToPath(m_container.Filename());
}

bool ProjectCommands::saveProject()
{
    try {
        if (m_datenmodul)
            m_datenmodul->PostPendingEdit();
    } catch (const SdError& e) {
        Platform::messages().error(e.text());
        return false;
    }
    QString path;
    if (!m_untitled) {
        if (!saveToOwnFile())
            return false;
        path = m_container.Filename();
    } else {
        path = saveProjectAs();
        if (path.isEmpty())
            return false;
    }
    m_host.showStatusText(savedText(path));
    return true;
}

ProjectCommands::SaveAnswer ProjectCommands::offerToSave()
{
    if (!m_container.AnyModified())
        return SaveAnswer::Go;
    const QString question = m_untitled ? saveFormDataQuestion()
                                        : saveFileQuestion(m_container.Filename());
    if (Platform::messages().confirm(question, Messages::Buttons::YesNo) != Messages::Result::Yes)
        return SaveAnswer::Go;
    if (!m_untitled)
        return saveToOwnFile() ? SaveAnswer::Go : SaveAnswer::Failed;
    return saveProjectAs().isEmpty() ? SaveAnswer::Cancelled : SaveAnswer::Go;
}

// --- commands ----------------------------------------------------------------------------

bool ProjectCommands::newProject()
{
    m_host.switchToDetailsModule();
    // A project that could not be saved is not thrown away.
    if (offerToSave() != SaveAnswer::Go)
        return false;
    createDefaultProject();
    if (m_datenmodul && m_datenmodul->isOpen()) {
        try {
            m_datenmodul->ClearAllLastSubmitted();
        } catch (const SdError& e) {
            Platform::messages().error(e.text());
        }
    }
    return true;
}

bool ProjectCommands::openProject(const QString& path)
{
    QString file = path;
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        file = Platform::fileDialogs().openFile(openDialogOptions(path));
        if (file.isEmpty())
            return false;
    }

    Messages& messages = Platform::messages();
    try {
        if (m_datenmodul)
            m_datenmodul->PostPendingEdit();
    } catch (const SdError& e) {
        messages.error(e.text());
        return false;
    }

    // Asked before the wait window comes up and the window is disabled, so that the
    // question and a Save As dialog can be answered. A cancelled Save As only skips the
    // new default project: the file is loaded all the same. A save that failed keeps the
    // project, which would be lost otherwise.
    const SaveAnswer answer = offerToSave();
    if (answer == SaveAnswer::Failed)
        return false;

    QString error;
    bool loaded = false;
    bool writeBackFailed = false;
    {
        BusyScope busy(m_host, loadingText());
        if (answer == SaveAnswer::Go)
            createDefaultProject();

        m_recentFiles.add(file);
        m_host.recentFilesChanged();
        m_container.SetFilename(file);
        try {
            m_container.LoadProjects();
            if (m_container.ProjectCount() == 1) {
                TSdProjectData* project = m_container.Project(0);
                m_untitled = false;
                m_host.showProjectInForm(*project);
                if (m_datenmodul && m_datenmodul->isOpen())
                    writeBackFailed = m_datenmodul->WriteBackSubmissionState(project->AnmeldeStatus()) > 0;
                m_host.setCaptionFile(file);
                m_container.SetAllModified(false);
                m_host.switchToDetailsModule();
                m_host.showFirstDetailsSection();
                loaded = true;
            } else {
                m_container.SetAllModified(false);
                error = loadErrorText(file);
            }
        } catch (const SdError& e) {
            error = e.text();
        }
        busy.hideWait();
        if (!loaded)
            createDefaultProject();
    }
    if (writeBackFailed)
        messages.error(writeBackErrorText());
    if (!loaded)
        messages.error(error);
    return loaded;
}

void ProjectCommands::exitProgram()
{
    if (m_container.AnyModified()) {
        const QString question = m_untitled ? saveFormDataQuestion()
                                            : saveFileQuestion(m_container.Filename());
        if (Platform::messages().confirm(question, Messages::Buttons::YesNo)
            == Messages::Result::Yes) {
            if (m_untitled)
                saveProjectAs();
            else
                saveToOwnFile();
        }
    }
    m_host.closeWindow();
}

bool ProjectCommands::closeQuery()
{
    if (ProcessFlags::quitWithoutAsking)
        return true;
    Messages& messages = Platform::messages();
    if (messages.confirm(exitQuestion(), Messages::Buttons::YesNo) != Messages::Result::Yes)
        return false;
    if (!m_container.AnyModified())
        return true;
    const QString question = m_untitled ? saveFormDataNowQuestion()
                                        : saveFileQuestion(m_container.Filename());
    switch (messages.confirm(question, Messages::Buttons::YesNoCancel)) {
    case Messages::Result::Yes:
        // Closing after a failed save would lose the project.
        return m_untitled ? !saveProjectAs().isEmpty() : saveToOwnFile();
    case Messages::Result::No:
        return true;
    default:
        return false;
    }
}
