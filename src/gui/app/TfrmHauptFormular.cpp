#include "gui/app/TfrmHauptFormular.h"

#include "core/app/ProcessFlags.h"
#include "core/app/TdmStorage.h"
#include "core/app/WebAddresses.h"
#include "core/platform/IniFile.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/SdError.h"
#include "core/project/TSdProjectContainer.h"
#include "core/services/TDatenmodul.h"
#include "core/settings/TRegistryEintraege.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/ModulePlaceholder.h"
#include "gui/app/SkinPictures.h"
#include "gui/app/TGrafikButton.h"
#include "gui/app/TGrafikPanel.h"
#include "gui/app/TfrmAboutBox.h"
#include "gui/app/TfrmDetailErklaerung.h"
#include "gui/app/TfrmInfoFenster.h"
#include "gui/app/TfrmTippDesTages.h"
#include "gui/platform/OpenWebAddress.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kHintCodes = 4;
constexpr int kHelpStatusReport = 70;
constexpr int kHelpImportantHints = 300;
constexpr int kHelpNewService = 750;
constexpr int kButtonsTop = 14;

struct ModuleButtonDef
{
    const char* objectName;
    const char* picture; // + "_ak" for the highlight, + the language suffix
};

const ModuleButtonDef kModuleButtons[TfrmHauptFormular::kModuleCount] = {
    {"GB_MainDaten", "bitmap_daten"},
    {"GB_MainMeta", "bitmap_meta"},
    {"GB_MainAuto", "bitmap_su_auto"},
    {"GB_MainManuell", "bitmap_su_manu"},
    {"GB_MainStatus", "bitmap_status"},
};

} // namespace

TfrmHauptFormular::TfrmHauptFormular(TRegistryEintraege& settings, TdmStorage& storage,
                                     QSize startSize, QWidget* parent)
    : QMainWindow(parent)
    , TfrmSd(this)
    , m_settings(settings)
    , m_storage(storage)
{
    setObjectName(QStringLiteral("TfrmHauptFormular"));
    setWndDescription(objectName());
    setWindowIcon(QIcon(QStringLiteral(":/images/sendora.svg")));

    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(kClientColour));
    setPalette(pal);
    setAutoFillBackground(true);

    m_container = new TSdProjectContainer(this);
    m_container->SetLoadOnCreate(false);
    m_commands = std::make_unique<ProjectCommands>(*m_container, static_cast<ProjectCommands::Host&>(*this));
    m_currentRunReport = std::make_unique<TStatusbericht>();

    createActions();
    createLayout();
    createMenus();
    createStatusBar();

    resize(startSize);
    setMinimumSize(startSize);
    readPlacement();

    connect(&m_storage, &TdmStorage::languageChanged, this, &TfrmHauptFormular::onLanguageChanged);
    checkActiveLanguage();
    HelpSystem::instance().setLanguage(m_storage.language());

    m_versionInfo = TAktuelleVersionInfo::fromSettings(m_settings, m_storage.language());
    m_commands->createDefaultProject();
    loadSkinPictures();
    updateTutorialVisibility();
    rebuildRecentFilesMenu();
    retranslateUi();
}

TfrmHauptFormular::~TfrmHauptFormular()
{
    if (TfrmInfoFenster::instance())
        TfrmInfoFenster::release();
}

QString TfrmHauptFormular::programFolder() const
{
    return m_settings.settingsFolder();
}

void TfrmHauptFormular::setDatenmodul(TDatenmodul* datenmodul)
{
    if (m_datenmodul)
        disconnect(m_datenmodul, nullptr, this, nullptr);
    m_datenmodul = datenmodul;
    m_commands->setDatenmodul(datenmodul);
    if (m_datenmodul)
        connect(m_datenmodul, &TDatenmodul::viewReset, this, &TfrmHauptFormular::updateServiceCount);
}

// --- construction ------------------------------------------------------------------------

QAction* TfrmHauptFormular::newAction(const char* objectName, QKeySequence shortcut)
{
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(objectName));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    addAction(action); // shortcuts work also for actions without a menu entry
    return action;
}

void TfrmHauptFormular::createActions()
{
    m_newCmd = newAction("DateiNeuCmd", QKeySequence(Qt::CTRL | Qt::Key_N));
    m_openCmd = newAction("DateiOeffnenCmd", QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveCmd = newAction("DateiSpeichernCmd", QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAsCmd = newAction("DateiSpeichernUnterCmd");
    m_updateManagerCmd = newAction("UpdateManagerCmd", QKeySequence(Qt::CTRL | Qt::Key_U));
    m_exitCmd = newAction("DateiBeendenCmd", QKeySequence(Qt::CTRL | Qt::Key_X));
    m_assistantCmd = newAction("AssistentCmd", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A));
    m_exportCmd = newAction("SuchdiensteExportierenCmd", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J));
    m_optionsCmd = newAction("ProgrammOptionenCmd", QKeySequence(Qt::Key_F11));

    const char* gotoNames[7] = {"GeheZuDetailsCmd", "GeheZuMetaTagsCmd", "GeheZuAutomatischCmd",
                                "GeheZuManuellCmd", "GeheZuStatusCmd", "GeheZu6Cmd", "GeheZu7Cmd"};
    const Qt::Key gotoKeys[7] = {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5,
                                 Qt::Key_F6, Qt::Key_F7, Qt::Key_F8};
    for (int i = 0; i < 7; ++i) {
        QAction* action = newAction(gotoNames[i], QKeySequence(gotoKeys[i]));
        action->setData(702 + i); // the action's tag; module = tag - 701
        connect(action, &QAction::triggered, this, [this, i] { switchModule(i + 1); });
        m_gotoCmds[i] = action;
    }

    m_contentsCmd = newAction("HilfeInhaltCmd");
    m_tutorialCmd = newAction("TutorialCmd");
    m_questionsCmd = newAction("FragenUndProblemeCmd");
    m_forumCmd = newAction("SupportForumCmd");
    m_tipsCmd = newAction("TippsUndHinweiseCmd");
    m_importantHintsCmd = newAction("WichtigeHinweiseCmd");
    m_newServiceCmd = newAction("NeuerSuchdienstCmd");
    m_tipOfTheDayCmd = newAction("TippDesTagesCmd");
    m_aboutCmd = newAction("InfoCmd");
    m_printCmd = newAction("StatusDruckenCmd");
    m_rtfReportCmd = newAction("StatusRTFBerichtCmd");
    m_statusHelpCmd = newAction("StatusHilfeCmd");

    connect(m_newCmd, &QAction::triggered, this, [this] { m_commands->newProject(); });
    connect(m_openCmd, &QAction::triggered, this, [this] { m_commands->openProject(); });
    connect(m_saveCmd, &QAction::triggered, this, [this] { m_commands->saveProject(); });
    connect(m_saveAsCmd, &QAction::triggered, this, [this] { m_commands->saveProjectAs(); });
    connect(m_exitCmd, &QAction::triggered, this, [this] { m_commands->exitProgram(); });

    connect(m_contentsCmd, &QAction::triggered, this, [] { HelpSystem::instance().showContents(); });
    // The tutorial is a page of the help viewer.
    connect(m_tutorialCmd, &QAction::triggered, this,
            [] { HelpSystem::instance().showTopicByName(QStringLiteral("tutorial")); });
    connect(m_questionsCmd, &QAction::triggered, this,
            [] { OpenWebAddress(QString(WebAddresses::kQuestions)); });
    connect(m_forumCmd, &QAction::triggered, this,
            [] { OpenWebAddress(QString(WebAddresses::kForum)); });
    connect(m_tipsCmd, &QAction::triggered, this,
            [] { OpenWebAddress(QString(WebAddresses::kTips)); });
    connect(m_importantHintsCmd, &QAction::triggered, this,
            [] { HelpSystem::instance().showTopic(kHelpImportantHints); });
    connect(m_newServiceCmd, &QAction::triggered, this,
            [] { HelpSystem::instance().showTopic(kHelpNewService); });
    connect(m_tipOfTheDayCmd, &QAction::triggered, this, [this] {
        if (!TfrmTippDesTages::isOpen())
            TfrmTippDesTages::showModal(m_settings, programFolder(), m_storage.language(), this);
    });
    connect(m_aboutCmd, &QAction::triggered, this, [this] {
        TfrmAboutBox about(this);
        about.exec();
    });
    connect(m_statusHelpCmd, &QAction::triggered, this, &TfrmHauptFormular::statusHelpExecute);

    // Their windows come with later work: present, but not to be chosen yet.
    for (QAction* pending : {m_updateManagerCmd, m_assistantCmd, m_exportCmd, m_optionsCmd,
                             m_printCmd, m_rtfReportCmd})
        pending->setEnabled(false);
}

void TfrmHauptFormular::createLayout()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_pnButtons = new TGrafikPanel(central);
    m_pnButtons->setObjectName(QStringLiteral("PN_Buttons"));
    m_pnButtons->setFixedWidth(142);
    m_pnButtons->setColor(QColor(0x1d, 0x5f, 0xa6));
    row->addWidget(m_pnButtons);

    for (int i = 0; i < kModuleCount; ++i) {
        auto* button = new TGrafikButton(m_pnButtons);
        button->setObjectName(QLatin1String(kModuleButtons[i].objectName));
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &TGrafikButton::clicked, this, [this, i] { switchModule(i + 1); });
        m_moduleButtons[i] = button;
    }
    // Kept for their names; this edition offers neither.
    m_gbMainCheck = new TGrafikButton(m_pnButtons);
    m_gbMainCheck->setObjectName(QStringLiteral("GB_MainCheck"));
    m_gbMainCheck->hide();
    m_gbMainRanking = new TGrafikButton(m_pnButtons);
    m_gbMainRanking->setObjectName(QStringLiteral("GB_MainRanking"));
    m_gbMainRanking->hide();

    m_gpnMain = new TGrafikPanel(central);
    m_gpnMain->setObjectName(QStringLiteral("GPN_Main"));
    m_gpnMain->setColor(QColor::fromRgb(kClientColour));
    auto* grid = new QGridLayout(m_gpnMain);
    grid->setContentsMargins(10, 10, 10, 10);
    row->addWidget(m_gpnMain, 1);
    setCentralWidget(central);

    const auto makePanel = [this, grid](const char* name) {
        auto* panel = new QWidget(m_gpnMain);
        panel->setObjectName(QLatin1String(name));
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(8);
        grid->addWidget(panel, 0, 0);
        panel->hide();
        return panel;
    };
    QWidget* kenndaten = makePanel("PanelKenndaten");
    kenndaten->layout()->addWidget(new ModulePlaceholder(ModulePlaceholder::Kind::Details, kenndaten));
    QWidget* metaTags = makePanel("PanelMetaTags");
    metaTags->layout()->addWidget(new ModulePlaceholder(ModulePlaceholder::Kind::MetaTags, metaTags));
    QWidget* auswahl = makePanel("PanelSuchdiensteAuswahl");
    auswahl->layout()->addWidget(
        new ModulePlaceholder(ModulePlaceholder::Kind::ServiceSelection, auswahl));
    QWidget* status = makePanel("PanelStatus");
    auto* toolbar = new QWidget(status);
    toolbar->setObjectName(QStringLiteral("StatusToolbar"));
    auto* tools = new QHBoxLayout(toolbar);
    tools->setContentsMargins(0, 0, 0, 0);
    tools->setSpacing(6);
    for (QAction* action : {m_printCmd, m_rtfReportCmd, m_statusHelpCmd}) {
        auto* button = new QToolButton(toolbar);
        button->setObjectName(QStringLiteral("btn") + action->objectName());
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setMinimumWidth(90);
        tools->addWidget(button);
    }
    tools->addStretch(1);
    status->layout()->addWidget(toolbar);
    status->layout()->addWidget(new ModulePlaceholder(ModulePlaceholder::Kind::StatusReport, status));
    HelpSystem::setHelpContext(status, kHelpStatusReport);

    m_panels[0] = kenndaten;
    m_panels[1] = metaTags;
    m_panels[2] = auswahl;
    m_panels[3] = auswahl;
    m_panels[4] = status;
    kenndaten->show();
}

void TfrmHauptFormular::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("mnuDatei"));
    m_fileMenu->addAction(m_newCmd);
    m_fileMenu->addAction(m_openCmd);
    m_fileMenu->addAction(m_saveCmd);
    m_fileMenu->addAction(m_saveAsCmd);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_updateManagerCmd);
    m_recentSeparator = m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exitCmd);

    m_toolsMenu = menuBar()->addMenu(QString());
    m_toolsMenu->setObjectName(QStringLiteral("mnuExtras"));
    m_toolsMenu->addAction(m_assistantCmd);
    m_toolsMenu->addAction(m_exportCmd);
    m_toolsMenu->addSeparator();
    m_toolsMenu->addAction(m_optionsCmd);

    m_gotoMenu = menuBar()->addMenu(QString());
    m_gotoMenu->setObjectName(QStringLiteral("mnuGeheZu"));
    for (int i = 0; i < kModuleCount; ++i)
        m_gotoMenu->addAction(m_gotoCmds[i]);

    m_languageMenu = menuBar()->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("mnuSprache"));
    // Exclusive, but a click on the checked item may uncheck it: that case is caught in
    // languageItemClicked, which checks the active language again.
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const struct
    {
        QAction** action;
        const char* name;
        int language;
    } items[] = {
        {&m_englishCmd, "SpracheEnglischCmd", TdmStorage::English},
        {&m_germanCmd, "SpracheDeutschCmd", TdmStorage::German},
        {&m_frenchCmd, "SpracheFranzoesischCmd", TdmStorage::French},
    };
    for (const auto& item : items) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(true);
        action->setData(item.language);
        m_languageGroup->addAction(action);
        m_languageMenu->addAction(action);
        *item.action = action;
    }
    connect(m_languageGroup, &QActionGroup::triggered, this,
            &TfrmHauptFormular::languageItemClicked);

    m_helpMenu = menuBar()->addMenu(QString());
    m_helpMenu->setObjectName(QStringLiteral("mnuHilfe"));
    m_helpMenu->addAction(m_contentsCmd);
    m_helpMenu->addAction(m_tutorialCmd);
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(m_questionsCmd);
    m_helpMenu->addAction(m_forumCmd);
    m_helpMenu->addAction(m_tipsCmd);
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(m_importantHintsCmd);
    m_helpMenu->addAction(m_newServiceCmd);
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(m_tipOfTheDayCmd);
    m_helpMenu->addAction(m_aboutCmd);
}

void TfrmHauptFormular::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("stBarHauptformular"));
    const int widths[3] = {50, 55, 600};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("stBarPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setContentsMargins(3, 0, 3, 0);
        if (i < 2)
            panel->setFixedWidth(widths[i]);
        else
            panel->setMinimumWidth(100);
        bar->addWidget(panel, i == 2 ? 1 : 0);
        m_statusPanels[i] = panel;
    }
    m_statusPanels[0]->setText(QStringLiteral("std-db"));
}

// --- window placement and recently used files ----------------------------------------------

void TfrmHauptFormular::readPlacement()
{
    IniFile ini(m_settings.iniPath());
    if (!ini.load())
        return;
    m_commands->recentFiles().read(ini);
    const QString section(kSection);
    if (!ini.hasKey(section, QStringLiteral("Width")))
        return;
    const QRect stored(ini.readInteger(section, QStringLiteral("Left"), 0),
                       ini.readInteger(section, QStringLiteral("Top"), 0),
                       ini.readInteger(section, QStringLiteral("Width"), width()),
                       ini.readInteger(section, QStringLiteral("Height"), height()));
    // A position on a screen that is no longer there is forgotten.
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens())
        visible = visible || screen->availableGeometry().intersects(stored);
    if (!visible)
        return;
    resize(stored.size().expandedTo(minimumSize()));
    move(stored.topLeft());
    m_storedPlacement = true;
    if (ini.readBool(section, QStringLiteral("Maximized"), false))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmHauptFormular::writePlacement()
{
    writeWindowSection(true);
}

void TfrmHauptFormular::writeWindowSection(bool withPlacement)
{
    IniFile ini(m_settings.iniPath());
    ini.load();
    // The settings section leads the file: a new file starts with it (the shutdown
    // writes all of its keys).
    if (!ini.hasSection(QString(TRegistryEintraege::kSection)))
        ini.writeInteger(QString(TRegistryEintraege::kSection), QStringLiteral("IDUISprache"),
                         m_settings.uiSprache);
    const QString section(kSection);
    if (withPlacement) {
        const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
        ini.writeInteger(section, QStringLiteral("Left"), normal.x());
        ini.writeInteger(section, QStringLiteral("Top"), normal.y());
        ini.writeInteger(section, QStringLiteral("Width"), normal.width());
        ini.writeInteger(section, QStringLiteral("Height"), normal.height());
        ini.writeBool(section, QStringLiteral("Maximized"), isMaximized());
    }
    m_commands->recentFiles().write(ini);
    ini.save();
}

void TfrmHauptFormular::rebuildRecentFilesMenu()
{
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    const QStringList& files = m_commands->recentFiles().entries();
    QAction* before = m_recentSeparator;
    int place = 0;
    for (const QString& path : files) {
        ++place;
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("RecentFile%1").arg(place));
        QString label = QDir::toNativeSeparators(path);
        label.replace(QLatin1Char('&'), QLatin1String("&&"));
        action->setText(QStringLiteral("&%1 %2").arg(place).arg(label));
        action->setData(path);
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { m_commands->openProject(path); });
        m_fileMenu->insertAction(before, action);
        m_recentActions << action;
    }
    // The separator sets the list off from Exit; without entries one line is enough.
    m_recentSeparator->setVisible(!files.isEmpty());
}

void TfrmHauptFormular::recentFilesChanged()
{
    rebuildRecentFilesMenu();
    // Kept at once, so that a program that does not end normally still remembers it.
    writeWindowSection(false);
}

// --- skin and language ---------------------------------------------------------------------

void TfrmHauptFormular::loadSkinPictures()
{
    const QString suffix = TdmStorage::languageSuffix(m_storage.language());
    int y = kButtonsTop;
    for (int i = 0; i < kModuleCount; ++i) {
        const QString base = QLatin1String(kModuleButtons[i].picture);
        // The meta tag picture exists in one language only.
        const QString own = i == 1 ? QStringLiteral("_DE") : suffix;
        const QPixmap normal = SkinPicture(base + own);
        TGrafikButton* button = m_moduleButtons[i];
        button->setPicNormal(normal);
        button->setPicPressed(SkinPicture(base + QStringLiteral("_ak") + own));
        button->resize(normal.size());
        const int x = (i == 1 && width() == 792) ? 17 : (m_pnButtons->width() - normal.width()) / 2;
        button->move(qMax(0, x), y);
        y += normal.height();
    }
    const char* frame[] = {"bmp_pnbuttons_pictopleft",     "bmp_pnbuttons_pictopright",
                           "bmp_pnbuttons_picbottomleft",  "bmp_pnbuttons_picbottomright",
                           "bmp_pnbuttons_picleft",        "bmp_pnbuttons_picright",
                           "bmp_pnbuttons_pictop",         "bmp_pnbuttons_picbottom"};
    for (int i = 0; i < 8; ++i)
        m_pnButtons->setPicture(i, SkinPicture(QLatin1String(frame[i])));
    m_gpnMain->setPicture(TGrafikPanel::PicTopRight, SkinPicture(QStringLiteral("bmp_gpn_main_pictopright")));
    m_gpnMain->setPicture(TGrafikPanel::PicBottomRight, SkinPicture(QStringLiteral("bmp_gpn_main_picbottomright")));
    m_gpnMain->setPicture(TGrafikPanel::PicRight, SkinPicture(QStringLiteral("bmp_gpn_main_picright")));
    m_gpnMain->setPicture(TGrafikPanel::PicTop, SkinPicture(QStringLiteral("bmp_gpn_main_pictop")));
    m_gpnMain->setPicture(TGrafikPanel::PicBottom, SkinPicture(QStringLiteral("bmp_gpn_main_picbottom")));
}

void TfrmHauptFormular::updateTutorialVisibility()
{
    m_tutorialCmd->setVisible(m_storage.language() != TdmStorage::French);
}

QAction* TfrmHauptFormular::languageAction(int language) const
{
    switch (language) {
    case TdmStorage::English: return m_englishCmd;
    case TdmStorage::German: return m_germanCmd;
    case TdmStorage::French: return m_frenchCmd;
    default: return nullptr;
    }
}

void TfrmHauptFormular::checkActiveLanguage()
{
    if (QAction* active = languageAction(m_storage.language()))
        active->setChecked(true);
}

void TfrmHauptFormular::languageItemClicked(QAction* action)
{
    Q_UNUSED(action);
    QAction* checked = m_languageGroup->checkedAction();
    if (!checked) {
        checkActiveLanguage();
        return;
    }
    const int language = checked->data().toInt();
    m_storage.setLanguage(language);
    m_settings.uiSprache = language;
}

void TfrmHauptFormular::onLanguageChanged()
{
    checkActiveLanguage();
    HelpSystem::instance().setLanguage(m_storage.language());
    m_versionInfo.languageWord = TAktuelleVersionInfo::languageWordFor(m_storage.language());
    m_commands->languageChanged();
    updateTutorialVisibility();
    loadSkinPictures();
    retranslateUi();
    if (m_currentModule >= 1)
        switchModule(m_currentModule);
}

void TfrmHauptFormular::setCaptionFileName(const QString& fileName)
{
    m_captionFileName = fileName;
    retranslateUi();
}

void TfrmHauptFormular::setCaptionFile(const QString& path)
{
    setCaptionFileName(path.isEmpty() ? QString() : QFileInfo(path).fileName());
}

void TfrmHauptFormular::retranslateUi()
{
    const QString name
        = m_captionFileName.isEmpty() ? TdmStorage::untitledFileName() : m_captionFileName;
    setWindowTitle(tr("Sendora! Special Edition - %1", "IDS_Caption").arg(name));

    m_fileMenu->setTitle(tr("&File", "IDS_MnuDatei"));
    m_newCmd->setText(tr("&New", "IDS_MnuNeu"));
    m_openCmd->setText(tr("&Open", "IDS_MnuOeffnen"));
    m_saveCmd->setText(tr("&Save", "IDS_MnuSpeichern"));
    m_saveAsCmd->setText(tr("Save &as ...", "IDS_MnuSpeichernUnter"));
    m_updateManagerCmd->setText(tr("Update Manager", "IDS_MnuUpdateManager"));
    m_exitCmd->setText(tr("&Exit", "IDS_MnuBeenden"));
    m_newCmd->setStatusTip(tr("Start a new, untitled project", "IDS_HintNeu"));
    m_openCmd->setStatusTip(tr("Open a details file", "IDS_HintOeffnen"));
    m_saveCmd->setStatusTip(tr("Save the current project", "IDS_HintSpeichern"));
    m_saveAsCmd->setStatusTip(tr("Save the current project under a new name", "IDS_HintSpeichernUnter"));
    m_exitCmd->setStatusTip(tr("Exit the program", "IDS_HintBeenden"));

    m_toolsMenu->setTitle(tr("&Tools", "IDS_MnuExtras"));
    m_assistantCmd->setText(tr("Open &One-Minute Assistant", "IDS_MnuAssistent"));
    m_exportCmd->setText(tr("Export &search services", "IDS_MnuExport"));
    m_optionsCmd->setText(tr("&Program options", "IDS_MnuOptionen"));

    m_gotoMenu->setTitle(tr("&Go to", "IDS_MnuGeheZu"));
    m_gotoCmds[0]->setText(tr("&Details", "IDS_MnuDetails"));
    m_gotoCmds[1]->setText(tr("&Meta Tag Generator", "IDS_MnuMetaTags"));
    m_gotoCmds[2]->setText(tr("&Automatic Submission", "IDS_MnuAutomatisch"));
    m_gotoCmds[3]->setText(tr("Manual Submission", "IDS_MnuManuell"));
    m_gotoCmds[4]->setText(tr("&Status Report", "IDS_MnuStatus"));
    for (int i = 0; i < kModuleCount; ++i) {
        const QString text = m_gotoCmds[i]->text().remove(QLatin1Char('&'));
        m_moduleButtons[i]->setToolTip(text);
        m_moduleButtons[i]->setStatusTip(text);
        m_moduleButtons[i]->setAccessibleName(text);
    }

    m_languageMenu->setTitle(tr("&Language", "IDS_MnuSprache"));
    m_englishCmd->setText(tr("&English", "IDS_MnuEnglisch"));
    m_germanCmd->setText(tr("&German", "IDS_MnuDeutsch"));
    m_frenchCmd->setText(tr("&French", "IDS_MnuFranzoesisch"));

    m_helpMenu->setTitle(tr("Hel&p", "IDS_MnuHilfe"));
    m_contentsCmd->setText(tr("&Contents", "IDS_MnuInhalt"));
    m_tutorialCmd->setText(tr("Tuturi&al", "IDS_MnuTutorial"));
    m_questionsCmd->setText(tr("&Questions and problems", "IDS_MnuFragen"));
    m_forumCmd->setText(tr("S&upport forum", "IDS_MnuForum"));
    m_tipsCmd->setText(tr("Tips and &hints", "IDS_MnuTipps"));
    m_importantHintsCmd->setText(tr("10 &important hints", "IDS_MnuWichtigeHinweise"));
    m_newServiceCmd->setText(tr("New &search service", "IDS_MnuNeuerSuchdienst"));
    m_tipOfTheDayCmd->setText(tr("&Tip of the day", "IDS_MnuTippDesTages"));
    m_aboutCmd->setText(tr("A&bout ...", "IDS_MnuInfo"));

    m_printCmd->setText(tr("Pri&nt", "IDS_BtnDrucken"));
    m_rtfReportCmd->setText(tr("&RTF report", "IDS_BtnRTF"));
    m_statusHelpCmd->setText(tr("&Help", "IDS_BtnHilfe"));

    // The status panels in the new language; the info text stays (a language switch
    // renews it by switching to the current module again).
    if (m_currentModule >= 1)
        showModuleTexts(false);
}

// --- modules -------------------------------------------------------------------------------

QWidget* TfrmHauptFormular::modulePanel(int module) const
{
    return module >= 1 && module <= kModuleCount ? m_panels[module - 1] : nullptr;
}

TGrafikButton* TfrmHauptFormular::moduleButton(int module) const
{
    return module >= 1 && module <= kModuleCount ? m_moduleButtons[module - 1] : nullptr;
}

QString TfrmHauptFormular::statusPanelText(int panel) const
{
    return panel >= 0 && panel < 3 ? m_statusPanels[panel]->text() : QString();
}

void TfrmHauptFormular::showModuleTexts(bool infoText)
{
    QString status;
    QString info;
    switch (m_currentModule) {
    case Details:
        status = tr("Enter website details. Details are divided in four sections: WEBSITE, "
                    "PERSON, WEBMASTER and COMPANY",
                    "IDS_StatusKenndaten");
        info = tr("Enter website details. Details are divided into four sections: WEBSITE, "
                  "PERSON, WEBMASTER and COMPANY",
                  "IDS_InfoKenndaten");
        break;
    case MetaTags:
        status = info = tr("Generate or import meta tags that can be pasted into HTML files.",
                           "IDS_StatusMetaTags");
        break;
    case Automatic:
        status = info = tr("Displayed search services support automatic submission.",
                           "IDS_StatusAutomatisch");
        break;
    case Manual:
        status = info = tr("Your website can be submitted to the displayed search services "
                           "with the Submission assistant.",
                           "IDS_StatusManuell");
        break;
    case StatusReport:
        status = info = tr("View and print status of your last submission.", "IDS_StatusStatus");
        break;
    default:
        return;
    }
    m_statusPanels[2]->setText(status);
    if (infoText)
        setWndDescription(info);
    if (m_currentModule == Automatic || m_currentModule == Manual)
        updateServiceCount();
    else
        m_statusPanels[1]->clear();
}

void TfrmHauptFormular::updateServiceCount()
{
    if (m_currentModule != Automatic && m_currentModule != Manual)
        return;
    const int rows = m_datenmodul ? m_datenmodul->rowCount() : 0;
    m_statusPanels[1]->setText(tr("No.", "IDS_500") + QLatin1Char(' ') + QString::number(rows));
}

void TfrmHauptFormular::switchModule(int module)
{
    for (int i = 0; i < kModuleCount; ++i)
        m_moduleButtons[i]->setSelected(i + 1 == module);
    if (module < 1 || module > kModuleCount) {
        m_currentModule = module;
        return;
    }
    QWidget* target = m_panels[module - 1];
    for (QWidget* panel : m_panels) {
        if (panel != target)
            panel->hide();
    }
    target->show();
    m_currentModule = module;
    if ((module == Automatic || module == Manual) && m_datenmodul && m_datenmodul->isOpen()) {
        try {
            m_datenmodul->SetSubmissionMode(module == Automatic ? 1 : 2);
        } catch (const SdError& e) {
            Platform::messages().error(e.text());
        }
    }
    target->setFocus();
    showModuleTexts(true);
    if (module == StatusReport && !m_codesHintShown && m_settings.hint(kHintCodes)) {
        m_codesHintShown = true;
        TfrmDetailErklaerung::showHint(kHintCodes, m_settings, this);
    }
}

void TfrmHauptFormular::statusHelpExecute()
{
    HelpSystem::instance().showTopic(kHelpStatusReport);
}

// --- ProjectCommands::Host -------------------------------------------------------------------

int TfrmHauptFormular::uiLanguage() const
{
    return m_storage.language();
}

// The details editor hooks: the editor's window fills PanelKenndaten with later work.
void TfrmHauptFormular::copyFormToProject(TSdProjectData& project)
{
    Q_UNUSED(project);
}

void TfrmHauptFormular::showProjectInForm(TSdProjectData& project)
{
    Q_UNUSED(project);
}

void TfrmHauptFormular::showFirstDetailsSection() {}

void TfrmHauptFormular::switchToDetailsModule()
{
    if (m_currentModule != Details)
        switchModule(Details);
}

void TfrmHauptFormular::setBusy(bool busy)
{
    m_busyDepth = qMax(0, m_busyDepth + (busy ? 1 : -1));
    setEnabled(m_busyDepth == 0);
    setUpdatesEnabled(m_busyDepth == 0);
}

void TfrmHauptFormular::showStatusText(const QString& text)
{
    m_statusPanels[2]->setText(text);
}

void TfrmHauptFormular::defaultProjectCreated()
{
    m_currentRunReport->Clear();
}

void TfrmHauptFormular::closeWindow()
{
    close();
}

void TfrmHauptFormular::programOptionsClosed()
{
    const bool open = TfrmInfoFenster::instance() != nullptr;
    if (m_settings.infoFenster && !open) {
        if (TfrmInfoFenster* info = TfrmInfoFenster::create(m_settings))
            info->show();
    } else if (!m_settings.infoFenster && open) {
        TfrmInfoFenster::release();
    }
    TfrmInfoFenster::setPosition(m_settings.infoFensterPos);
    placeInfoWindow();
}

void TfrmHauptFormular::updateManagerFinished()
{
    if (ProcessFlags::terminationRequested) {
        ProcessFlags::quitWithoutAsking = true;
        close();
    }
}

// --- events ----------------------------------------------------------------------------------

void TfrmHauptFormular::showHintInStatusBar(const QString& text)
{
    m_statusPanels[2]->setText(text);
    if (m_settings.infoFensterMausSensitiv && !text.isEmpty())
        setWndDescription(text);
}

bool TfrmHauptFormular::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::StatusTip: {
        // Every hint of the window goes to the third panel (not to QStatusBar's message
        // line, which would cover the panels).
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty())
            showHintInStatusBar(tip);
        return true;
    }
    case QEvent::Paint:
        if (m_firstPaint && m_shown) {
            m_firstPaint = false;
            if (m_settings.tdt)
                QTimer::singleShot(0, this, &TfrmHauptFormular::showTipAtStart);
        }
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void TfrmHauptFormular::showTipAtStart()
{
    if (!m_closed && !TfrmTippDesTages::isOpen())
        TfrmTippDesTages::showModal(m_settings, programFolder(), m_storage.language(), this);
}

void TfrmHauptFormular::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        runShowSteps();
    }
}

void TfrmHauptFormular::runShowSteps()
{
    try {
        switchModule(Details);
        showFirstDetailsSection();
        if (m_settings.infoFenster) {
            if (TfrmInfoFenster* info = TfrmInfoFenster::create(m_settings))
                info->show();
        }
        setWndDescription(tr("Welcome to Sendora!", "IDS_Willkommen"));
        TfrmInfoFenster::setPosition(m_settings.infoFensterPos);
        placeInfoWindow();
        m_commands->newProject();
    } catch (const std::exception&) {
        Platform::messages().error(
            QCoreApplication::translate("Startup", "Error no. %1 - application is being closed!",
                                        "IDS_FehlerSchliessen")
                .arg(112211));
        ProcessFlags::quitWithoutAsking = true;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void TfrmHauptFormular::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void TfrmHauptFormular::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    if (!m_commands->closeQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    m_closed = true;
    writePlacement();
    if (TfrmInfoFenster::instance())
        TfrmInfoFenster::release();
    Q_EMIT closing();
}
