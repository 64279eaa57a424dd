#pragma once

#include "core/app/RecentFiles.h"
#include "core/platform/FileDialogs.h"

#include <QString>

class TDatenmodul;
class TSdProjectContainer;
class TSdProjectData;

// The project commands of the main window (New, Open, Save, Save As, Exit and the
// question before the window closes), free of widgets: they ask through Messages and
// FileDialogs, show the wait window through WaitIndicator and reach the window and the
// details editor through Host. Every command handles its own errors: it shows the text
// and leaves the data as it was.
class ProjectCommands
{
public:
    // What the commands need from the main window. The details editor hooks default to
    // doing nothing.
    class Host
    {
    public:
        virtual ~Host() = default;
        // 1 English, 2 German, 3 French.
        virtual int uiLanguage() const = 0;
        // The details editor: form into the project before saving, project into the form
        // after New and Open, back to its first section.
        virtual void copyFormToProject(TSdProjectData& project) { (void)project; }
        virtual void showProjectInForm(TSdProjectData& project) { (void)project; }
        virtual void showFirstDetailsSection() {}
        // Switches to the details module unless it is current.
        virtual void switchToDetailsModule() {}
        // The caption with the file of the current project; empty for an untitled one.
        virtual void setCaptionFile(const QString& path) { (void)path; }
        // Disables the window and suspends its drawing while a file is read or written.
        virtual void setBusy(bool busy) { (void)busy; }
        virtual void showStatusText(const QString& text) { (void)text; }
        // A new untitled project is current: the window empties its current-run report.
        virtual void defaultProjectCreated() {}
        virtual void recentFilesChanged() {}
        // Exit: close the window (which asks closeQuery()).
        virtual void closeWindow() {}
    };

    ProjectCommands(TSdProjectContainer& container, Host& host);

    // The service database; the submission state is copied from and to it. May be null
    // (no database): projects then carry no submission state.
    void setDatenmodul(TDatenmodul* datenmodul) { m_datenmodul = datenmodul; }
    TDatenmodul* datenmodul() const { return m_datenmodul; }

    TSdProjectContainer& container() const { return m_container; }
    // The only project of the container; null only before the first default project.
    TSdProjectData* currentProject() const;
    // The project has no file of its own yet.
    bool isUntitled() const { return m_untitled; }
    // The container's file name, which holds the untitled name while untitled.
    QString fileName() const;

    RecentFiles& recentFiles() { return m_recentFiles; }
    const RecentFiles& recentFiles() const { return m_recentFiles; }

    // The untitled default project becomes current, shown in the form, nothing modified.
    void createDefaultProject();

    // "&New": asks to save a modified project, then starts an untitled one and clears
    // the last submission date of every service. False when the user kept the project.
    bool newProject();
    // "&Open" (empty path) or a recently used file. A path that names no file opens the
    // dialog there. False when nothing was loaded.
    bool openProject(const QString& path = {});
    // "&Save": to the project's file, or through Save As for an untitled project.
    bool saveProject();
    // "Save &as ...": the path saved to, empty when cancelled or failed.
    QString saveProjectAs();
    // Writes the project, with the submission state of the service table, to path.
    bool saveToPath(const QString& path);
    // "&Exit": offers to save a modified project, then closes the window.
    void exitProgram();
    // Every attempt to close the main window: true when it may close.
    bool closeQuery();

    // After a language switch the untitled name follows the language.
    void languageChanged();

    static FileDialogs::Options openDialogOptions(const QString& startPath);
    static FileDialogs::Options saveDialogOptions();

    static QString saveFileQuestion(const QString& path);
    static QString saveFormDataQuestion();
    static QString saveFormDataNowQuestion();
    static QString exitQuestion();
    static QString loadErrorText(const QString& path);
    static QString writeBackErrorText();
    static QString savedText(const QString& path);
    static QString waitCaption();
    static QString loadingText();
    static QString savingText();

private:
    enum class SaveAnswer { Go, Cancelled, Failed };
    // New step 2: the question for a modified project, and saving on Yes.
    SaveAnswer offerToSave();
    bool saveToOwnFile();

    TSdProjectContainer& m_container;
    Host& m_host;
    TDatenmodul* m_datenmodul = nullptr;
    RecentFiles m_recentFiles;
    bool m_untitled = true;
};
