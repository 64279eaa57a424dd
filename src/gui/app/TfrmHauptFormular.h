#pragma once

#include "core/app/ProjectCommands.h"
#include "core/project/TStatusbericht.h"
#include "core/update/TAktuelleVersionInfo.h"
#include "gui/app/TfrmSd.h"

#include <QMainWindow>
#include <QSize>

#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class TDatenmodul;
class TdmStorage;
class TGrafikButton;
class TGrafikPanel;
class TRegistryEintraege;
class TSdProjectContainer;

// The main window: the module button column, the light-blue client area with one module
// panel at a time, the status bar, the menus, and the project commands (carried out by
// ProjectCommands, which asks its questions through the platform interfaces).
class TfrmHauptFormular final : public QMainWindow, public TfrmSd, private ProjectCommands::Host
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmHauptFormular)

public:
    static constexpr QRgb kClientColour = 0xFF77B0D9; // red 119, green 176, blue 217
    static constexpr int kModuleCount = 5;
    // The window's section of sd.ini (position and recently used files).
    static constexpr QLatin1String kSection { "THauptformular" };

    enum Module { Details = 1, MetaTags = 2, Automatic = 3, Manual = 4, StatusReport = 5 };

    TfrmHauptFormular(TRegistryEintraege& settings, TdmStorage& storage, QSize startSize,
                      QWidget* parent = nullptr);
    ~TfrmHauptFormular() override;

    // The search-service data module, created after the window.
    void setDatenmodul(TDatenmodul* datenmodul);

    // The caption with the file name of the current project (without folder); empty for
    // a project without a file, which shows the untitled name of the active language.
    void setCaptionFileName(const QString& fileName);

    QAction* languageAction(int language) const;

    // Module 1 to 5 shows its panel; 6, 7 and 10 are recorded without changing a panel.
    void switchModule(int module);
    int currentModule() const { return m_currentModule; }
    QWidget* modulePanel(int module) const;
    TGrafikButton* moduleButton(int module) const;
    QString statusPanelText(int panel) const;

    ProjectCommands& projectCommands() { return *m_commands; }
    TSdProjectContainer& container() const { return *m_container; }
    TSdProjectData* currentProject() const { return m_commands->currentProject(); }
    // The results of the latest automatic run.
    TStatusbericht& CurrentRunReport() { return *m_currentRunReport; }
    const TAktuelleVersionInfo& AktuelleVersionInfo() const { return m_versionInfo; }

    // Whether sd.ini held a position for the window (start-up then does not centre it).
    bool hasStoredPlacement() const { return m_storedPlacement; }

    // What follows the options dialog: the info window as the settings now ask.
    void programOptionsClosed();

    // What follows the update manager's window: a started setup or program update ends
    // the program without any question.
    void updateManagerFinished();

Q_SIGNALS:
    // The window is closing for good: the program's shutdown follows.
    void closing();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    // ProjectCommands::Host
    int uiLanguage() const override;
    void copyFormToProject(TSdProjectData& project) override;
    void showProjectInForm(TSdProjectData& project) override;
    void showFirstDetailsSection() override;
    void switchToDetailsModule() override;
    void setCaptionFile(const QString& path) override;
    void setBusy(bool busy) override;
    void showStatusText(const QString& text) override;
    void defaultProjectCreated() override;
    void recentFilesChanged() override;
    void closeWindow() override;

    void createLayout();
    void createActions();
    void createMenus();
    void createStatusBar();
    void retranslateUi();
    void loadSkinPictures();
    void updateTutorialVisibility();
    void languageItemClicked(QAction* action);
    void checkActiveLanguage();
    void onLanguageChanged();
    void runShowSteps();
    void showTipAtStart();
    void showModuleTexts(bool infoText);
    void updateServiceCount();
    void rebuildRecentFilesMenu();
    void readPlacement();
    void writePlacement();
    void writeWindowSection(bool withPlacement);
    void showHintInStatusBar(const QString& text);
    void statusHelpExecute();
    QString programFolder() const;

    QAction* newAction(const char* objectName, QKeySequence shortcut = {});

    TRegistryEintraege& m_settings;
    TdmStorage& m_storage;
    TDatenmodul* m_datenmodul = nullptr;
    TSdProjectContainer* m_container = nullptr;
    std::unique_ptr<ProjectCommands> m_commands;
    std::unique_ptr<TStatusbericht> m_currentRunReport;
    TAktuelleVersionInfo m_versionInfo;
    QString m_captionFileName;
    int m_currentModule = 0;
    int m_busyDepth = 0;
    bool m_firstPaint = true;
    bool m_shown = false;
    bool m_codesHintShown = false;
    bool m_closed = false;
    bool m_storedPlacement = false;

    TGrafikPanel* m_pnButtons = nullptr;
    TGrafikPanel* m_gpnMain = nullptr;
    TGrafikButton* m_moduleButtons[kModuleCount] = {};
    TGrafikButton* m_gbMainCheck = nullptr;
    TGrafikButton* m_gbMainRanking = nullptr;
    QWidget* m_panels[kModuleCount] = {}; // PanelKenndaten ... PanelStatus; 3 and 4 share one

    QMenu* m_fileMenu = nullptr;
    QMenu* m_toolsMenu = nullptr;
    QMenu* m_gotoMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QActionGroup* m_languageGroup = nullptr;
    QAction* m_englishCmd = nullptr;
    QAction* m_germanCmd = nullptr;
    QAction* m_frenchCmd = nullptr;

    QAction* m_newCmd = nullptr;
    QAction* m_openCmd = nullptr;
    QAction* m_saveCmd = nullptr;
    QAction* m_saveAsCmd = nullptr;
    QAction* m_updateManagerCmd = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QAction* m_exitCmd = nullptr;
    QAction* m_assistantCmd = nullptr;
    QAction* m_exportCmd = nullptr;
    QAction* m_optionsCmd = nullptr;
    QAction* m_gotoCmds[7] = {};
    QAction* m_contentsCmd = nullptr;
    QAction* m_tutorialCmd = nullptr;
    QAction* m_questionsCmd = nullptr;
    QAction* m_forumCmd = nullptr;
    QAction* m_tipsCmd = nullptr;
    QAction* m_importantHintsCmd = nullptr;
    QAction* m_newServiceCmd = nullptr;
    QAction* m_tipOfTheDayCmd = nullptr;
    QAction* m_aboutCmd = nullptr;
    QAction* m_printCmd = nullptr;
    QAction* m_rtfReportCmd = nullptr;
    QAction* m_statusHelpCmd = nullptr;

    QLabel* m_statusPanels[3] = {};
};
