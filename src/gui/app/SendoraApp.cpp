#include "gui/app/SendoraApp.h"

#include "core/app/ProcessFlags.h"
#include "core/app/SingleInstance.h"
#include "core/app/StartupSteps.h"
#include "core/app/TdmStorage.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/TerminationSignals.h"
#include "core/services/TDatenmodul.h"
#include "core/settings/TRegistryEintraege.h"
#include "gui/app/TfrmHauptFormular.h"
#include "gui/app/TfrmSplashMain.h"
#include "gui/platform/GuiFileDialogs.h"
#include "gui/platform/GuiMessages.h"
#include "gui/platform/GuiWaitIndicator.h"
#include "gui/app/TfrmWaitDialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kErrorDataFolder = 219910;

QtMessageHandler g_defaultHandler = nullptr;

const char kNoDisplayText[]
    = "Sendora needs a graphical display, but none is available.\n"
      "Start it from a desktop session, or under a virtual display such as Xvfb\n"
      "(for example: xvfb-run ./run).\n";

// Qt ends the process with abort() when it cannot reach the display; say why instead.
void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg
        && (message.contains(QLatin1String("could not connect to display"))
            || message.contains(QLatin1String("Could not load the Qt platform plugin"))
            || message.contains(QLatin1String("no Qt platform plugin could be initialized")))) {
        std::fprintf(stderr, "%s", kNoDisplayText);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (g_defaultHandler)
        g_defaultHandler(type, context, message);
}

QString platformRequested(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

bool displayAvailable(int argc, char* argv[])
{
    const QString platform = platformRequested(argc, argv);
    const bool hasX = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool hasWayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platform.isEmpty())
        return hasX || hasWayland;
    if (platform.startsWith(QLatin1String("xcb")))
        return hasX;
    if (platform.startsWith(QLatin1String("wayland")))
        return hasWayland;
    return true; // offscreen, vnc, eglfs, ... bring their own output
}

void printLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", qPrintable(text));
    std::fflush(stream);
}

} // namespace

int SendoraApp::run(int argc, char* argv[])
{
    g_defaultHandler = qInstallMessageHandler(messageHandler);
    if (!displayAvailable(argc, argv)) {
        std::fprintf(stderr, "%s", kNoDisplayText);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sendora"));
    QApplication::setApplicationVersion(QStringLiteral(SENDORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("sendora"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sendora: submit a website to search services."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption homeOption(
        QStringLiteral("home"),
        QStringLiteral("Keep settings, data and reports in DIR (also SENDORA_HOME)."),
        QStringLiteral("DIR"));
    parser.addOption(homeOption);
    parser.process(app);

    ProgramFolder folder;
    if (!folder.resolve(ProgramFolder::processInputs(parser.value(homeOption)))) {
        printLine(stderr, QStringLiteral("Sendora: ") + folder.errorString());
        return 1;
    }

    // A later start hands over to the running instance before anything is shown.
    SingleInstance instance(SingleInstance::keyFor(
        SingleInstance::defaultTitle(QApplication::applicationFilePath()), folder.path()));
    if (instance.claim() != SingleInstance::Role::First) {
        QString raised;
        if (instance.activateFirst(&raised)) {
            printLine(stdout, QStringLiteral("Sendora is already running; its window (%1) was "
                                             "brought to the front.")
                                  .arg(raised));
            return 0;
        }
        printLine(stderr, QStringLiteral("Sendora: another instance is starting or running for "
                                         "%1 but does not answer (%2).")
                              .arg(QDir::toNativeSeparators(folder.path()),
                                   instance.errorString()));
        return 1;
    }
    if (!folder.seedFromDefaults()) {
        printLine(stderr, QStringLiteral("Sendora: some default files could not be copied into "
                                         "%1: %2")
                              .arg(folder.path(), folder.seedFailures().join(QStringLiteral(", "))));
    }

    GuiMessages messages;
    GuiFileDialogs fileDialogs;
    Platform::setMessages(&messages);
    Platform::setFileDialogs(&fileDialogs);

    int code = 0;
    {
        SendoraApp sendora(folder);
        instance.setActivationHandler([&sendora] { return activateWindowOf(sendora.mainWindow()); });
        if (sendora.start(primaryScreenInfo()))
            code = QApplication::exec();
        else
            code = sendora.exitCode();
    }
    Platform::setFileDialogs(nullptr);
    Platform::setMessages(nullptr);
    return code;
}

ScreenInfo SendoraApp::primaryScreenInfo()
{
    ScreenInfo info;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        info.width = screen->size().width();
        info.height = screen->size().height();
        info.planes = 1;
        info.bitsPerPixel = screen->depth();
        info.logicalDpiX = screen->logicalDotsPerInchX();
    }
    return info;
}

QString SendoraApp::activateWindowOf(QWidget* mainWindow)
{
    if (!mainWindow)
        return {};
    if (mainWindow->isMinimized())
        mainWindow->setWindowState((mainWindow->windowState() & ~Qt::WindowMinimized)
                                   | Qt::WindowActive);
    mainWindow->show();
    mainWindow->raise();
    mainWindow->activateWindow();

    QWidget* target = mainWindow;
    QWidget* popup = QApplication::activeModalWidget();
    if (popup && popup != mainWindow && popup->isVisible() && popup->isEnabled())
        target = popup;
    if (target != mainWindow) {
        target->raise();
        target->activateWindow();
    }
    return target->objectName();
}

SendoraApp::SendoraApp(const ProgramFolder& folder, QObject* parent)
    : QObject(parent)
    , m_folder(folder)
    , m_settings(std::make_unique<TRegistryEintraege>(folder.path()))
{
}

SendoraApp::~SendoraApp()
{
    Platform::setWaitIndicator(nullptr);
    delete m_mainWindow;
}

bool SendoraApp::start(const ScreenInfo& screen)
{
    Messages& messages = Platform::messages();

    m_termination = new TerminationSignals(this);
    connect(m_termination, &TerminationSignals::terminationRequested, this, [this] {
        // Nobody is there to answer questions when the session ends.
        ProcessFlags::quitWithoutAsking = true;
        if (m_mainWindow) {
            m_mainWindow->close();
            // A modal dialog (the tip of the day, a message box) has its own event loop:
            // leave every loop, the settings have been written by the close.
            QCoreApplication::exit(0);
        } else {
            // Still starting, perhaps inside a message box: leave every event loop.
            m_terminatedDuringStart = true;
            QCoreApplication::exit(0);
        }
    });

    auto splash = std::make_unique<TfrmSplashMain>();
    splash->show();
    QApplication::processEvents();

    m_storage = new TdmStorage(this);
    const StartupSteps::SplashResult splashResult
        = StartupSteps::runSplashSteps(*m_settings, *m_storage, screen, messages);
    if (m_terminatedDuringStart)
        return false;
    if (!splashResult.proceed) {
        m_exitCode = 1;
        return false;
    }
    splash->repaint();

    m_mainWindow = new TfrmHauptFormular(*m_settings, *m_storage, splashResult.mainWindowSize);
    connect(m_mainWindow, &TfrmHauptFormular::closing, this, &SendoraApp::onMainWindowClosing);

    const QString dataFolder = m_folder.filePath(QStringLiteral("DATEN"));
    if (!QDir().mkpath(dataFolder)) {
        splash.reset();
        messages.error(QCoreApplication::translate("Startup",
                                                   "Error no. %1 - application is being "
                                                   "terminated!",
                                                   "IDS_FehlerBeenden")
                           .arg(kErrorDataFolder));
        m_exitCode = 1;
        return false;
    }

    // Next in the fixed order: the search-service data module, then the wait windows.
    // Opening takes moments; the splash (always on top) would hide its error box.
    splash.reset();
    m_datenmodul = new TDatenmodul(this);
    m_datenmodul->setLocale(TdmStorage::localeFor(m_storage->language()));
    connect(m_storage, &TdmStorage::languageChanged, m_datenmodul,
            [this](int language) { m_datenmodul->setLocale(TdmStorage::localeFor(language)); });
    if (!m_datenmodul->DataModuleCreate(m_folder.path())) {
        m_exitCode = 1;
        return false;
    }
    m_mainWindow->setDatenmodul(m_datenmodul);

    m_wait = std::make_unique<GuiWaitIndicator>();
    Platform::setWaitIndicator(m_wait.get());

    splash.reset();
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary && !m_mainWindow->hasStoredPlacement()) {
        QRect frame = m_mainWindow->frameGeometry();
        frame.moveCenter(primary->availableGeometry().center());
        m_mainWindow->move(frame.topLeft());
    }
    m_mainWindow->show();
    return true;
}

void SendoraApp::onMainWindowClosing()
{
    ProcessFlags::quitWithoutAsking = false;
    StartupSteps::saveSettingsAtShutdown(*m_settings, Platform::messages());
    // The info window or another top-level window must not keep the program running.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

TfrmHauptFormular* SendoraApp::mainWindow() const
{
    return m_mainWindow;
}
