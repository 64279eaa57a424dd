#pragma once

#include "core/app/DisplayCheck.h"
#include "core/platform/ProgramFolder.h"

#include <QObject>
#include <QPointer>

#include <memory>

class GuiWaitIndicator;
class TDatenmodul;
class TdmStorage;
class TerminationSignals;
class TfrmHauptFormular;
class TRegistryEintraege;
class QWidget;

// The program's life cycle: splash, settings, the long-lived windows in their fixed
// order, the message loop, and the orderly shutdown that writes the settings back.
class SendoraApp final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SendoraApp)

public:
    // The whole program: returns the process's exit code.
    static int run(int argc, char* argv[]);

    // What the single-instance check does when a later start asks: raise the window the
    // user works in (the open modal dialog, else the main window). Returns its object
    // name, which the later start reports.
    static QString activateWindowOf(QWidget* mainWindow);

    // Primary screen's size and colour depth.
    static ScreenInfo primaryScreenInfo();

    explicit SendoraApp(const ProgramFolder& folder, QObject* parent = nullptr);
    ~SendoraApp() override;

    // Splash steps and window creation; false when the program must end (exitCode()).
    bool start(const ScreenInfo& screen);
    int exitCode() const { return m_exitCode; }

    TfrmHauptFormular* mainWindow() const;
    TRegistryEintraege& settings() { return *m_settings; }
    TdmStorage& storage() { return *m_storage; }
    TDatenmodul* datenmodul() const { return m_datenmodul; }

private:
    void onMainWindowClosing();

    ProgramFolder m_folder;
    std::unique_ptr<TRegistryEintraege> m_settings;
    TdmStorage* m_storage = nullptr;
    TDatenmodul* m_datenmodul = nullptr;
    QPointer<TfrmHauptFormular> m_mainWindow;
    std::unique_ptr<GuiWaitIndicator> m_wait;
    TerminationSignals* m_termination = nullptr;
    int m_exitCode = 0;
    bool m_terminatedDuringStart = false;
};
