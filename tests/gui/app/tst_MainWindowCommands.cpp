// The main window with a small service database: its menus and shortcuts, the module
// switch, the project commands and the close query driven through the window's actions,
// and the recently used files across a restart.

#include "../../core/services/ServiceFixture.h"

#include "core/app/ProcessFlags.h"
#include "core/app/TdmStorage.h"
#include "core/platform/IniFile.h"
#include "core/platform/Platform.h"
#include "core/project/TSdProjectContainer.h"
#include "core/services/TDatenmodul.h"
#include "core/settings/TRegistryEintraege.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/TGrafikButton.h"
#include "gui/app/TfrmDetailErklaerung.h"
#include "gui/app/TfrmHauptFormular.h"
#include "gui/app/TfrmTippDesTages.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedWaitIndicator.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

using R = Messages::Result;

class TestMainWindowCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsOnModule1WithUntitledProject();
    void menuEntries_data();
    void menuEntries();
    void laterWindowsAreDisabled();
    void moduleSwitch_data();
    void moduleSwitch();
    void f7AndF8_recordModuleWithoutHighlight();
    void statusCodeHint_shownOncePerRun();
    void tutorialHiddenForFrench();
    void closeQuery_data();
    void closeQuery();
    void exitCommand_savesThenAsksToClose();
    void openTwoProjects_reportsErrorAndCaptionUntitled();
    void recentFiles_menuNewestFirstAcrossRestart();
    void recentFiles_deletedEntryOpensDialogThere();
    void placement_restoredAtNextStart();
    void updateManagerTermination_closesWithoutQuestion();
    void helpEntries_reachTheHelpSystem();
    void tipOfTheDay_atFirstPaintOnlyWhenSwitchedOn_data();
    void tipOfTheDay_atFirstPaintOnlyWhenSwitchedOn();
    void screenshots();

private:
    TfrmHauptFormular* createWindow();
    QAction* action(const char* name) const
    {
        return m_window->findChild<QAction*>(QLatin1String(name));
    }

    TestFolder* m_folder = nullptr;
    ScriptedMessages* m_messages = nullptr;
    ScriptedFileDialogs* m_dialogs = nullptr;
    ScriptedWaitIndicator* m_wait = nullptr;
    TRegistryEintraege* m_settings = nullptr;
    TdmStorage* m_storage = nullptr;
    TDatenmodul* m_data = nullptr;
    TfrmHauptFormular* m_window = nullptr;
};

TfrmHauptFormular* TestMainWindowCommands::createWindow()
{
    auto* window = new TfrmHauptFormular(*m_settings, *m_storage, QSize(790, 595));
    window->setDatenmodul(m_data);
    window->show();
    return window;
}

void TestMainWindowCommands::init()
{
    ProcessFlags::quitWithoutAsking = false;
    ProcessFlags::terminationRequested = false;
    m_folder = new TestFolder;
    m_messages = new ScriptedMessages;
    m_dialogs = new ScriptedFileDialogs;
    m_wait = new ScriptedWaitIndicator;
    Platform::setWaitIndicator(m_wait);
    ServiceFixture::create(m_folder->path(), ServiceFixture::standard());
    m_data = new TDatenmodul;
    QVERIFY(m_data->DataModuleCreate(m_folder->path()));
    m_settings = new TRegistryEintraege(m_folder->path());
    m_settings->tdt = false;
    m_settings->infoFenster = false;
    m_storage = new TdmStorage;
    m_window = createWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    TfrmDetailErklaerung::s_shown.clear();
    TfrmDetailErklaerung::s_recordOnly = true;
    TfrmTippDesTages::s_recordOnly = true;
    HelpSystem::instance().setRecordOnly(true);
}

void TestMainWindowCommands::cleanup()
{
    ProcessFlags::quitWithoutAsking = false;
    ProcessFlags::terminationRequested = false;
    delete m_window;
    delete m_storage;
    delete m_settings;
    delete m_data;
    Platform::setWaitIndicator(nullptr);
    delete m_wait;
    delete m_dialogs;
    delete m_messages;
    delete m_folder;
}

void TestMainWindowCommands::startsOnModule1WithUntitledProject()
{
    QCOMPARE(m_window->currentModule(), 1);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Sendora! Special Edition - [Untitled]"));
    QVERIFY(m_window->moduleButton(1)->isSelected());
    QVERIFY(m_window->modulePanel(1)->isVisible());
    QCOMPARE(m_window->currentProject()->ProjectName(), QStringLiteral("Standard"));
    QVERIFY(!m_window->container().AnyModified());
    QVERIFY(m_window->projectCommands().isUntitled());
    QCOMPARE(m_window->statusPanelText(0), QStringLiteral("std-db"));
    QCOMPARE(m_window->WndDescription(), QStringLiteral("Welcome to Sendora!"));
    QCoreApplication::processEvents();
    QCOMPARE(m_window->WndDescription(), QStringLiteral("Welcome to Sendora!"));
    // The first module's explanation arrives with the next switch.
    m_window->switchModule(1);
    QCOMPARE(m_window->WndDescription(), QStringLiteral("Enter website details. Details are "
                                                        "divided into four sections: WEBSITE, "
                                                        "PERSON, WEBMASTER and COMPANY"));
    QVERIFY(m_messages->texts().isEmpty());
    QCOMPARE(m_window->CurrentRunReport().Count(), 0);
    QCOMPARE(m_window->AktuelleVersionInfo().languageWord, QStringLiteral("ENGLISCH"));
    QCOMPARE(m_window->AktuelleVersionInfo().editionWord, QStringLiteral("VOLL"));
    QCOMPARE(m_window->AktuelleVersionInfo().verSD, m_settings->verSD);
}

void TestMainWindowCommands::menuEntries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");

    QTest::newRow("new") << "DateiNeuCmd" << "&New" << "Ctrl+N";
    QTest::newRow("open") << "DateiOeffnenCmd" << "&Open" << "Ctrl+O";
    QTest::newRow("save") << "DateiSpeichernCmd" << "&Save" << "Ctrl+S";
    QTest::newRow("save as") << "DateiSpeichernUnterCmd" << "Save &as ..." << "";
    QTest::newRow("update") << "UpdateManagerCmd" << "Update Manager" << "Ctrl+U";
    QTest::newRow("exit") << "DateiBeendenCmd" << "&Exit" << "Ctrl+X";
    QTest::newRow("assistant") << "AssistentCmd" << "Open &One-Minute Assistant" << "Ctrl+Alt+A";
    QTest::newRow("export") << "SuchdiensteExportierenCmd" << "Export &search services" << "Ctrl+Alt+J";
    QTest::newRow("options") << "ProgrammOptionenCmd" << "&Program options" << "F11";
    QTest::newRow("details") << "GeheZuDetailsCmd" << "&Details" << "F2";
    QTest::newRow("meta") << "GeheZuMetaTagsCmd" << "&Meta Tag Generator" << "F3";
    QTest::newRow("auto") << "GeheZuAutomatischCmd" << "&Automatic Submission" << "F4";
    QTest::newRow("manual") << "GeheZuManuellCmd" << "Manual Submission" << "F5";
    QTest::newRow("status") << "GeheZuStatusCmd" << "&Status Report" << "F6";
    QTest::newRow("F7") << "GeheZu6Cmd" << "" << "F7";
    QTest::newRow("F8") << "GeheZu7Cmd" << "" << "F8";
    QTest::newRow("contents") << "HilfeInhaltCmd" << "&Contents" << "";
    QTest::newRow("tutorial") << "TutorialCmd" << "Tuturi&al" << "";
    QTest::newRow("faq") << "FragenUndProblemeCmd" << "&Questions and problems" << "";
    QTest::newRow("forum") << "SupportForumCmd" << "S&upport forum" << "";
    QTest::newRow("tips") << "TippsUndHinweiseCmd" << "Tips and &hints" << "";
    QTest::newRow("10 hints") << "WichtigeHinweiseCmd" << "10 &important hints" << "";
    QTest::newRow("new service") << "NeuerSuchdienstCmd" << "New &search service" << "";
    QTest::newRow("tip") << "TippDesTagesCmd" << "&Tip of the day" << "";
    QTest::newRow("about") << "InfoCmd" << "A&bout ..." << "";
    QTest::newRow("print") << "StatusDruckenCmd" << "Pri&nt" << "";
    QTest::newRow("rtf") << "StatusRTFBerichtCmd" << "&RTF report" << "";
    QTest::newRow("status help") << "StatusHilfeCmd" << "&Help" << "";
}

void TestMainWindowCommands::menuEntries()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    auto* entry = m_window->findChild<QAction*>(name);
    QVERIFY(entry);
    QCOMPARE(entry->text(), text);
    QCOMPARE(entry->shortcut().toString(), shortcut);
}

void TestMainWindowCommands::laterWindowsAreDisabled()
{
    for (const char* name : {"UpdateManagerCmd", "AssistentCmd", "SuchdiensteExportierenCmd",
                             "ProgrammOptionenCmd", "StatusDruckenCmd", "StatusRTFBerichtCmd"})
        QVERIFY2(!action(name)->isEnabled(), name);
    // Every other entry of the menus can be chosen.
    const QStringList later {"UpdateManagerCmd", "AssistentCmd", "SuchdiensteExportierenCmd",
                             "ProgrammOptionenCmd"};
    for (QMenu* menu : m_window->findChildren<QMenu*>()) {
        for (QAction* entry : menu->actions()) {
            if (!entry->isSeparator() && !entry->menu() && !later.contains(entry->objectName()))
                QVERIFY2(entry->isEnabled(), qPrintable(entry->objectName()));
        }
    }
}

void TestMainWindowCommands::moduleSwitch_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<int>("module");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("status2");
    QTest::addColumn<QString>("status1");

    QTest::newRow("meta") << "GeheZuMetaTagsCmd" << 2 << "PanelMetaTags"
                          << "Generate or import meta tags that can be pasted into HTML files." << "";
    QTest::newRow("auto") << "GeheZuAutomatischCmd" << 3 << "PanelSuchdiensteAuswahl"
                          << "Displayed search services support automatic submission." << "No. 4";
    QTest::newRow("manual") << "GeheZuManuellCmd" << 4 << "PanelSuchdiensteAuswahl"
                            << "Your website can be submitted to the displayed search services "
                               "with the Submission assistant."
                            << "No. 2";
    QTest::newRow("status") << "GeheZuStatusCmd" << 5 << "PanelStatus"
                            << "View and print status of your last submission." << "";
    QTest::newRow("details") << "GeheZuDetailsCmd" << 1 << "PanelKenndaten"
                             << "Enter website details. Details are divided in four sections: "
                                "WEBSITE, PERSON, WEBMASTER and COMPANY"
                             << "";
}

void TestMainWindowCommands::moduleSwitch()
{
    QFETCH(QString, actionName);
    QFETCH(int, module);
    QFETCH(QString, panel);
    QFETCH(QString, status2);
    QFETCH(QString, status1);

    // From another module, so that panel 1 must be cleared where it should be.
    m_window->switchModule(module == 3 ? 4 : 3);
    m_window->findChild<QAction*>(actionName)->trigger();
    QCOMPARE(m_window->currentModule(), module);
    QCOMPARE(m_window->statusPanelText(2), status2);
    QCOMPARE(m_window->statusPanelText(1), status1);
    for (int m = 1; m <= 5; ++m) {
        QCOMPARE(m_window->moduleButton(m)->isSelected(), m == module);
        const bool shown = m_window->modulePanel(m)->objectName() == panel;
        QCOMPARE(m_window->modulePanel(m)->isVisible(), shown);
    }
    if (module == 3 || module == 4)
        QCOMPARE(m_data->SubmissionMode(), module == 3 ? 1 : 2);

    // The module buttons do the same.
    m_window->switchModule(module == 1 ? 2 : 1);
    Q_EMIT m_window->moduleButton(module)->clicked();
    QCOMPARE(m_window->currentModule(), module);
    QCOMPARE(m_window->statusPanelText(2), status2);
}

void TestMainWindowCommands::f7AndF8_recordModuleWithoutHighlight()
{
    m_window->switchModule(3);
    const QString panel1 = m_window->statusPanelText(1);
    const QString panel2 = m_window->statusPanelText(2);
    for (const auto& [name, module] : {std::pair {"GeheZu6Cmd", 6}, std::pair {"GeheZu7Cmd", 7}}) {
        action(name)->trigger();
        QCOMPARE(m_window->currentModule(), module);
        for (int m = 1; m <= 5; ++m)
            QVERIFY(!m_window->moduleButton(m)->isSelected());
        QVERIFY(m_window->modulePanel(3)->isVisible());
        QCOMPARE(m_window->statusPanelText(1), panel1);
        QCOMPARE(m_window->statusPanelText(2), panel2);
    }
}

void TestMainWindowCommands::statusCodeHint_shownOncePerRun()
{
    m_settings->setHint(4, false);
    action("GeheZuStatusCmd")->trigger();
    QVERIFY(TfrmDetailErklaerung::s_shown.isEmpty());
    m_settings->setHint(4, true);
    action("GeheZuDetailsCmd")->trigger();
    action("GeheZuStatusCmd")->trigger();
    QCOMPARE(TfrmDetailErklaerung::s_shown, QList<int> {4});
    action("GeheZuDetailsCmd")->trigger();
    action("GeheZuStatusCmd")->trigger();
    QCOMPARE(TfrmDetailErklaerung::s_shown, QList<int> {4});
}

void TestMainWindowCommands::tutorialHiddenForFrench()
{
    QAction* tutorial = action("TutorialCmd");
    QVERIFY(tutorial->isVisible());
    m_window->languageAction(3)->trigger();
    QVERIFY(!tutorial->isVisible());
    m_window->languageAction(2)->trigger();
    QVERIFY(tutorial->isVisible());
    // The module texts were renewed in the new language (the untitled name is translated).
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Sendora! Special Edition - [Unbenannt]"));
    QCOMPARE(m_window->container().Filename(), QStringLiteral("[Unbenannt]"));
    QCOMPARE(m_window->AktuelleVersionInfo().languageWord, QStringLiteral("DEUTSCH"));
    m_window->languageAction(1)->trigger();
}

void TestMainWindowCommands::closeQuery_data()
{
    QTest::addColumn<bool>("flag");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("saveAsTo");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("questions");

    const int yes = int(R::Yes), no = int(R::No), cancel = int(R::Cancel);
    QTest::newRow("QuitWithoutAsking") << true << true << QList<int> {} << "" << true << 0;
    QTest::newRow("no to exit") << false << false << QList<int> {no} << "" << false << 1;
    QTest::newRow("unmodified") << false << false << QList<int> {yes} << "" << true << 1;
    QTest::newRow("modified: cancel") << false << true << QList<int> {yes, cancel} << "" << false << 2;
    QTest::newRow("modified: save as cancelled") << false << true << QList<int> {yes, yes} << ""
                                                 << false << 2;
    QTest::newRow("modified: saved as") << false << true << QList<int> {yes, yes} << "x.sit"
                                        << true << 2;
    QTest::newRow("modified: no") << false << true << QList<int> {yes, no} << "" << true << 2;
}

void TestMainWindowCommands::closeQuery()
{
    QFETCH(bool, flag);
    QFETCH(bool, modified);
    QFETCH(QList<int>, answers);
    QFETCH(QString, saveAsTo);
    QFETCH(bool, closes);
    QFETCH(int, questions);

    m_window->currentProject()->SetGeaendert(modified);
    ProcessFlags::quitWithoutAsking = flag;
    for (int a : answers)
        m_messages->answer(R(a));
    if (!saveAsTo.isEmpty())
        m_dialogs->answer(m_folder->filePath(saveAsTo));
    bool closingSeen = false;
    connect(m_window, &TfrmHauptFormular::closing, this, [&] { closingSeen = true; });

    QCOMPARE(m_window->close(), closes);
    QCOMPARE(m_window->isVisible(), !closes);
    QCOMPARE(closingSeen, closes);
    QCOMPARE(m_messages->texts().size(), questions);
    if (questions >= 1)
        QCOMPARE(m_messages->texts().first(), QStringLiteral("Would you like to exit the program now?"));
    if (questions >= 2)
        QCOMPARE(m_messages->texts().at(1), QStringLiteral("Would you like to save the current form data now?"));
    if (!saveAsTo.isEmpty())
        QVERIFY(QFile::exists(m_folder->filePath(saveAsTo)));
    if (closes) {
        // The window's section of sd.ini holds its position.
        IniFile ini(m_settings->iniPath());
        QVERIFY(ini.load());
        QVERIFY(ini.hasKey(QStringLiteral("THauptformular"), QStringLiteral("Width")));
    }
}

void TestMainWindowCommands::exitCommand_savesThenAsksToClose()
{
    m_window->currentProject()->SetGeaendert(true);
    m_messages->answer({R::Yes, R::Yes}); // save the form data? then: exit the program?
    m_dialogs->answer(m_folder->filePath(QStringLiteral("exit.sit")));
    action("DateiBeendenCmd")->trigger();
    QCOMPARE(m_messages->texts(), (QStringList {QStringLiteral("Would you like to save current form data?"),
                                                QStringLiteral("Would you like to exit the program now?")}));
    QVERIFY(QFile::exists(m_folder->filePath(QStringLiteral("exit.sit"))));
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Sendora! Special Edition - exit.sit"));
}

void TestMainWindowCommands::openTwoProjects_reportsErrorAndCaptionUntitled()
{
    TSdProjectContainer two;
    two.AddProject();
    two.AddProject();
    const QString path = m_folder->filePath(QStringLiteral("two.sit"));
    two.SetFilename(path);
    two.SaveProjects();
    m_dialogs->answer(path);
    m_window->switchModule(5);
    action("DateiOeffnenCmd")->trigger();
    QCOMPARE(m_messages->texts(), QStringList {QStringLiteral("Error while loading file %1").arg(path)});
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Sendora! Special Edition - [Untitled]"));
    QVERIFY(m_window->isEnabled());
    QVERIFY(m_window->updatesEnabled());
    QVERIFY(m_window->projectCommands().isUntitled());
}

void TestMainWindowCommands::recentFiles_menuNewestFirstAcrossRestart()
{
    QStringList expected;
    for (int i = 1; i <= 10; ++i) {
        const QString path = m_folder->filePath(QStringLiteral("p%1.sit").arg(i));
        m_dialogs->answer(path);
        action("DateiSpeichernUnterCmd")->trigger();
        if (i >= 2)
            expected.prepend(path);
    }
    QCOMPARE(m_window->statusPanelText(2).isEmpty(), false);
    const auto menuEntries = [](TfrmHauptFormular* window) {
        QStringList paths;
        auto* file = window->findChild<QMenu*>(QStringLiteral("mnuDatei"));
        bool beforeExit = true;
        for (QAction* entry : file->actions()) {
            if (entry->objectName() == QLatin1String("DateiBeendenCmd"))
                beforeExit = false;
            if (entry->objectName().startsWith(QLatin1String("RecentFile"))) {
                if (!beforeExit)
                    return QStringList {QStringLiteral("after Exit")};
                paths << entry->data().toString();
            }
        }
        return paths;
    };
    QCOMPARE(menuEntries(m_window), expected);
    QCOMPARE(m_window->findChild<QAction*>(QStringLiteral("RecentFile1"))->text(),
             QStringLiteral("&1 ") + expected.first());

    m_messages->answer(R::Yes);
    QVERIFY(m_window->close());
    delete m_window;
    m_window = createWindow();
    QCOMPARE(menuEntries(m_window), expected);

    // Choosing an entry opens that file; it moves to the top.
    m_window->findChild<QAction*>(QStringLiteral("RecentFile5"))->trigger();
    QCOMPARE(m_window->container().Filename(), expected.at(4));
    expected.move(4, 0);
    QCOMPARE(menuEntries(m_window), expected);
}

void TestMainWindowCommands::recentFiles_deletedEntryOpensDialogThere()
{
    const QString path = m_folder->filePath(QStringLiteral("gone.sit"));
    m_dialogs->answer(path);
    action("DateiSpeichernUnterCmd")->trigger();
    QVERIFY(QFile::remove(path));
    m_window->findChild<QAction*>(QStringLiteral("RecentFile1"))->trigger();
    QCOMPARE(m_dialogs->asked().size(), 2);
    QCOMPARE(m_dialogs->asked().last().call, ScriptedFileDialogs::Call::Open);
    QCOMPARE(m_dialogs->asked().last().options.startPath, path);
    QCOMPARE(m_dialogs->asked().last().options.title, QStringLiteral("Load details file"));
}

void TestMainWindowCommands::placement_restoredAtNextStart()
{
    QVERIFY(!m_window->hasStoredPlacement());
    m_window->resize(900, 650);
    m_window->move(40, 30);
    QTRY_COMPARE(m_window->size(), QSize(900, 650));
    m_messages->answer(R::Yes);
    QVERIFY(m_window->close());
    delete m_window;
    m_window = createWindow();
    QVERIFY(m_window->hasStoredPlacement());
    QCOMPARE(m_window->size(), QSize(900, 650));
    IniFile ini(m_settings->iniPath());
    QVERIFY(ini.load());
    QCOMPARE(ini.readInteger(QStringLiteral("THauptformular"), QStringLiteral("Width"), 0), 900);
    QCOMPARE(ini.readInteger(QStringLiteral("THauptformular"), QStringLiteral("Height"), 0), 650);
}

void TestMainWindowCommands::updateManagerTermination_closesWithoutQuestion()
{
    m_window->currentProject()->SetGeaendert(true);
    m_window->updateManagerFinished();
    QVERIFY(m_window->isVisible()); // nothing was started
    ProcessFlags::terminationRequested = true;
    m_window->updateManagerFinished();
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_messages->texts().isEmpty());
}

void TestMainWindowCommands::helpEntries_reachTheHelpSystem()
{
    HelpSystem::instance().requests.clear();
    for (const char* name : {"HilfeInhaltCmd", "TutorialCmd", "WichtigeHinweiseCmd",
                             "NeuerSuchdienstCmd", "StatusHilfeCmd"})
        action(name)->trigger();
    QCOMPARE(HelpSystem::instance().requests,
             (QStringList {QStringLiteral("contents"), QStringLiteral("name tutorial"),
                           QStringLiteral("topic 300"), QStringLiteral("topic 750"),
                           QStringLiteral("topic 70")}));
}

void TestMainWindowCommands::tipOfTheDay_atFirstPaintOnlyWhenSwitchedOn_data()
{
    QTest::addColumn<bool>("tdt");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestMainWindowCommands::tipOfTheDay_atFirstPaintOnlyWhenSwitchedOn()
{
    QFETCH(bool, tdt);
    delete m_window;
    m_settings->tdt = tdt;
    TfrmTippDesTages::s_shown = 0;
    m_window = createWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_COMPARE(TfrmTippDesTages::s_shown, tdt ? 1 : 0);
    m_window->repaint();
    m_window->resize(m_window->size() + QSize(10, 10));
    QTest::qWait(50);
    QCOMPARE(TfrmTippDesTages::s_shown, tdt ? 1 : 0);
    // The menu entry opens it at any time.
    action("TippDesTagesCmd")->trigger();
    QCOMPARE(TfrmTippDesTages::s_shown, tdt ? 2 : 1);
}

// Pictures of the window for a look by eye: only when SENDORA_SHOTS_DIR names a folder.
void TestMainWindowCommands::screenshots()
{
    const QString folder = qEnvironmentVariable("SENDORA_SHOTS_DIR");
    if (folder.isEmpty())
        QSKIP("SENDORA_SHOTS_DIR not set");
    const struct
    {
        int language;
        const char* code;
    } languages[] = {{1, "en"}, {2, "de"}, {3, "fr"}};
    for (const auto& l : languages) {
        m_window->languageAction(l.language)->trigger();
        QCoreApplication::processEvents();
        for (int module : {1, 3, 5}) {
            m_window->switchModule(module);
            QCoreApplication::processEvents();
            m_window->grab().save(QStringLiteral("%1/main_%2_module%3.png").arg(folder, QLatin1String(l.code)).arg(module));
        }
        for (QMenu* menu : m_window->findChildren<QMenu*>()) {
            menu->popup(m_window->mapToGlobal(QPoint(0, 20)));
            QCoreApplication::processEvents();
            menu->grab().save(QStringLiteral("%1/menu_%2_%3.png").arg(folder, QLatin1String(l.code), menu->objectName()));
            menu->hide();
        }
    }
    m_window->languageAction(1)->trigger();
}

QTEST_MAIN(TestMainWindowCommands)
#include "tst_MainWindowCommands.moc"
