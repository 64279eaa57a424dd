#include "core/app/TdmStorage.h"
#include "core/settings/TRegistryEintraege.h"
#include "gui/app/SendoraApp.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/TfrmHauptFormular.h"
#include "gui/app/TfrmSplashMain.h"
#include "gui/app/TfrmWaitDialog.h"
#include "gui/platform/GuiMessages.h"
#include "gui/platform/GuiWaitIndicator.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startsUntitledWithLayout();
    void languageSwitch_retextsOpenWindows_data();
    void languageSwitch_retextsOpenWindows();
    void languageSwitch_uncheckingActiveItemRechecksIt();
    void messageBoxButtonsFollowLanguage_data();
    void messageBoxButtonsFollowLanguage();
    void activation_raisesModalDialog();
    void activation_restoresMinimisedWindow();
    void waitWindow_heightNeverShrinksAway();
    void waitWindow_abortStopsProgressUntilNextShow();

private:
    TestFolder* m_folder = nullptr;
    TRegistryEintraege* m_settings = nullptr;
    TdmStorage* m_storage = nullptr;
    TfrmHauptFormular* m_window = nullptr;
};

void TestMainWindow::init()
{
    m_folder = new TestFolder;
    m_settings = new TRegistryEintraege(m_folder->path());
    // No modal tip of the day at the first paint.
    m_settings->tdt = false;
    HelpSystem::instance().setRecordOnly(true);
    m_storage = new TdmStorage;
    m_window = new TfrmHauptFormular(*m_settings, *m_storage, QSize(790, 595));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMainWindow::cleanup()
{
    delete m_window;
    delete m_storage; // back to English
    delete m_settings;
    delete m_folder;
}

void TestMainWindow::startsUntitledWithLayout()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Sendora! Special Edition - [Untitled]"));
    QCOMPARE(m_window->minimumSize(), QSize(790, 595));
    auto* panel0 = m_window->findChild<QLabel*>(QStringLiteral("stBarPanel0"));
    QVERIFY(panel0);
    QCOMPARE(panel0->text(), QStringLiteral("std-db"));
    auto* buttons = m_window->findChild<QWidget*>(QStringLiteral("PN_Buttons"));
    QVERIFY(buttons);
    QCOMPARE(buttons->width(), 142);
    QVERIFY(m_window->languageAction(TdmStorage::English)->isChecked());
    if (const QString dir = qEnvironmentVariable("SENDORA_SHOT_DIR"); !dir.isEmpty())
        m_window->grab().save(dir + QStringLiteral("/main_window.png"));
}

void TestMainWindow::languageSwitch_retextsOpenWindows_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("abort");
    QTest::addColumn<QString>("slogan");

    QTest::newRow("German") << 2 << "&Sprache" << "Sendora! Special Edition - [Unbenannt]"
                            << "&Abbrechen" << "Mehr Erfolg für Ihre Website";
    QTest::newRow("French") << 3 << "&Langue" << "Sendora! Special Edition - [Sans titre]"
                            << "&Annuler" << "Plus de succès pour votre site web";
    QTest::newRow("English") << 1 << "&Language" << "Sendora! Special Edition - [Untitled]"
                             << "&Abort" << "More success for your website";
}

void TestMainWindow::languageSwitch_retextsOpenWindows()
{
    QFETCH(int, language);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, abort);
    QFETCH(QString, slogan);

    // Start from another language, so that the switch under test is a real change.
    m_storage->setLanguage(language == 2 ? 3 : 2);
    TfrmWaitDialog wait(m_window);
    wait.show();
    TfrmSplashMain splash;

    m_window->languageAction(language)->trigger();
    QCoreApplication::processEvents();

    QCOMPARE(m_storage->language(), language);
    QCOMPARE(m_settings->uiSprache, language);
    QVERIFY(m_window->languageAction(language)->isChecked());
    auto* languageMenu = m_window->findChild<QMenu*>(QStringLiteral("mnuSprache"));
    QVERIFY(languageMenu);
    QCOMPARE(languageMenu->title(), menu);
    QCOMPARE(m_window->windowTitle(), caption);
    QCOMPARE(wait.findChild<QPushButton*>(QStringLiteral("btnAbbruch"))->text(), abort);
    QCOMPARE(splash.slogan(), slogan);
    for (int other = 1; other <= 3; ++other) {
        if (other != language)
            QVERIFY(!m_window->languageAction(other)->isChecked());
    }
}

void TestMainWindow::languageSwitch_uncheckingActiveItemRechecksIt()
{
    m_window->languageAction(TdmStorage::German)->trigger();
    QCOMPARE(m_storage->language(), int(TdmStorage::German));
    m_settings->uiSprache = 2;

    // A click on the checked item unchecks it: the active language is checked again and
    // nothing else changes.
    QAction* german = m_window->languageAction(TdmStorage::German);
    german->trigger();
    QVERIFY(german->isChecked());
    QCOMPARE(m_storage->language(), int(TdmStorage::German));
    QCOMPARE(m_settings->uiSprache, 2);
    QVERIFY(!m_window->languageAction(TdmStorage::English)->isChecked());
    QVERIFY(!m_window->languageAction(TdmStorage::French)->isChecked());
}

void TestMainWindow::messageBoxButtonsFollowLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("English") << 1 << QStringList {"&Yes", "&No", "Cancel"};
    QTest::newRow("German") << 2 << QStringList {"&Ja", "&Nein", "Abbrechen"};
    QTest::newRow("French") << 3 << QStringList {"&Oui", "&Non", "Annuler"};
}

void TestMainWindow::messageBoxButtonsFollowLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, buttons);
    m_storage->setLanguage(language);

    QStringList seen;
    QString title;
    QString text;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No,
                                              QMessageBox::Cancel})
            seen << box->button(b)->text();
        box->button(QMessageBox::No)->click();
    });
    GuiMessages messages;
    const auto result = messages.confirm(QStringLiteral("First\rSecond <b>x</b>"),
                                         Messages::Buttons::YesNoCancel);
    QCOMPARE(result, Messages::Result::No);
    QCOMPARE(seen, buttons);
    QCOMPARE(title, QStringLiteral("Sendora!"));
    QCOMPARE(text, QStringLiteral("First\nSecond <b>x</b>"));
}

void TestMainWindow::activation_raisesModalDialog()
{
    QDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("someModalDialog"));
    QString raised;
    QTimer::singleShot(0, this, [&] {
        raised = SendoraApp::activateWindowOf(m_window);
        dialog.accept();
    });
    dialog.exec();
    QCOMPARE(raised, QStringLiteral("someModalDialog"));
    QCOMPARE(SendoraApp::activateWindowOf(m_window), QStringLiteral("TfrmHauptFormular"));
}

void TestMainWindow::activation_restoresMinimisedWindow()
{
    m_window->showMinimized();
    QVERIFY(QTest::qWaitFor([&] { return m_window->isMinimized(); }, 2000));
    QCOMPARE(SendoraApp::activateWindowOf(m_window), QStringLiteral("TfrmHauptFormular"));
    QVERIFY(!m_window->isMinimized());
    QVERIFY(m_window->isVisible());
}

void TestMainWindow::waitWindow_heightNeverShrinksAway()
{
    GuiWaitIndicator wait;
    QVERIFY(wait.showWait(QStringLiteral("Please wait ..."), QStringLiteral("Loading"), false,
                          false));
    const int bare = TfrmWaitDialog::kDesignHeight - TfrmWaitDialog::kProgressBarHeight
        - TfrmWaitDialog::kButtonPanelHeight;
    QCOMPARE(wait.window()->height(), bare);
    QVERIFY(wait.showWait(QStringLiteral("Please wait ..."), QStringLiteral("Again"), false,
                          false));
    QCOMPARE(wait.window()->height(), bare);
    QVERIFY(wait.showWait(QStringLiteral("Please wait ..."), QStringLiteral("All"), true, true));
    QCOMPARE(wait.window()->height(), int(TfrmWaitDialog::kDesignHeight));
    QVERIFY(wait.hideWait());
    QVERIFY(!wait.hideWait());
}

void TestMainWindow::waitWindow_abortStopsProgressUntilNextShow()
{
    GuiWaitIndicator wait;
    QVERIFY(wait.showWait(QStringLiteral("Please wait ..."), QStringLiteral("Working"), true, true));
    auto* bar = wait.window()->findChild<QProgressBar*>(QStringLiteral("WaitProgressBar"));
    wait.updateWait(50, 200);
    QCOMPARE(bar->value(), 25);
    wait.updateWait(10, 0);
    QCOMPARE(bar->value(), 25);
    wait.updateWait(20000000, 40000000);
    QCOMPARE(bar->value(), 50);

    wait.window()->findChild<QPushButton*>(QStringLiteral("btnAbbruch"))->click();
    QVERIFY(wait.abortRequested());
    wait.updateWait(90, 100);
    QCOMPARE(bar->value(), 50);

    QVERIFY(wait.showWait(QStringLiteral("Please wait ..."), QStringLiteral("Next"), true, true));
    QVERIFY(!wait.abortRequested());
    wait.updateWait(90, 100);
    QCOMPARE(bar->value(), 90);
    wait.hideWait();
}

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
