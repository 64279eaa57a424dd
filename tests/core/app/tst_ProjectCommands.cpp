// The project commands of the main window without the window: every question and branch
// of New, Open, Save, Save As, Exit and the close query, the submission state between
// project and service table, and the recently used files.

#include "../services/ServiceFixture.h"

#include "core/app/ProcessFlags.h"
#include "core/app/ProjectCommands.h"
#include "core/app/RecentFiles.h"
#include "core/app/TGlobaleVariablen.h"
#include "core/platform/IniFile.h"
#include "core/platform/Platform.h"
#include "core/project/TSdProjectContainer.h"
#include "core/services/TDatenmodul.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedWaitIndicator.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cmath>
#include <limits>

using F = ServiceField;
using R = Messages::Result;
using Answers = QList<int>;

Q_DECLARE_METATYPE(Answers)

namespace {

struct RecordingHost final : ProjectCommands::Host
{
    int language = 1;
    QStringList calls;
    QString caption = QStringLiteral("<none>");
    QString status;
    int busyDepth = 0;
    bool busySeenWhileWaiting = true;
    ScriptedWaitIndicator* wait = nullptr;
    QString formTitle; // what the form holds; copied into the project before saving

    int uiLanguage() const override { return language; }
    void copyFormToProject(TSdProjectData& project) override
    {
        calls << QStringLiteral("copyForm");
        if (!formTitle.isEmpty())
            project.ProjektDetails().SetTitle(formTitle);
    }
    void showProjectInForm(TSdProjectData& project) override
    {
        calls << QStringLiteral("showInForm");
        formTitle = project.ProjektDetails().Title();
    }
    void showFirstDetailsSection() override { calls << QStringLiteral("firstSection"); }
    void switchToDetailsModule() override { calls << QStringLiteral("module1"); }
    void setCaptionFile(const QString& path) override { caption = path; }
    void setBusy(bool busy) override
    {
        busyDepth += busy ? 1 : -1;
        if (busy && wait && !wait->visible())
            busySeenWhileWaiting = false;
    }
    void showStatusText(const QString& text) override { status = text; }
    void defaultProjectCreated() override { calls << QStringLiteral("defaultProject"); }
    void recentFilesChanged() override { calls << QStringLiteral("recent"); }
    void closeWindow() override { calls << QStringLiteral("close"); }
};

QList<R> results(const Answers& answers)
{
    QList<R> list;
    for (int a : answers)
        list << R(a);
    return list;
}

} // namespace

class TestProjectCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void closeQuery_data();
    void closeQuery();
    void newProject_data();
    void newProject();
    void exitProgram_data();
    void exitProgram();

    void save_untitledAsksForNameThenSavesToIt();
    void saveAs_cancelledChangesNothing();
    void save_failureIsShownAndKeepsFileName();

    void open_twoProjectsReportsErrorAndStartsUntitled();
    void open_unreadableFileShowsItsErrorAndStartsUntitled();
    void open_missingRecentFileOpensDialogThere();
    void open_cancelledSaveAsStillLoads();
    void open_failedSaveKeepsProject();
    void open_loadsProjectIntoFormAndCaption();

    void submissionState_savedPerRowAndRestoredOnOpen();
    void submissionState_badItemSkippedAndReported();

    void recentFiles_nineNewestFirstAcrossRestart();
    void recentFiles_sameFileMovesUp();

    void untitledNameFollowsLanguage();

private:
    void makeFile(const QString& name);
    void makeModified() { m_container->Project(0)->SetGeaendert(true); }

    TestFolder* m_folder = nullptr;
    ScriptedMessages* m_messages = nullptr;
    ScriptedFileDialogs* m_dialogs = nullptr;
    ScriptedWaitIndicator* m_wait = nullptr;
    TDatenmodul* m_data = nullptr;
    TSdProjectContainer* m_container = nullptr;
    RecordingHost* m_host = nullptr;
    ProjectCommands* m_commands = nullptr;
};

void TestProjectCommands::init()
{
    ProcessFlags::quitWithoutAsking = false;
    m_folder = new TestFolder;
    m_messages = new ScriptedMessages;
    m_dialogs = new ScriptedFileDialogs;
    m_wait = new ScriptedWaitIndicator;
    Platform::setWaitIndicator(m_wait);
    ServiceFixture::create(m_folder->path(), ServiceFixture::standard());
    m_data = new TDatenmodul;
    QVERIFY(m_data->DataModuleCreate(m_folder->path()));
    m_container = new TSdProjectContainer;
    m_host = new RecordingHost;
    m_host->wait = m_wait;
    m_commands = new ProjectCommands(*m_container, *m_host);
    m_commands->setDatenmodul(m_data);
    m_commands->createDefaultProject();
    m_host->calls.clear();
}

void TestProjectCommands::cleanup()
{
    ProcessFlags::quitWithoutAsking = false;
    QCOMPARE(m_host->busyDepth, 0);
    QVERIFY(!m_wait->visible());
    delete m_commands;
    delete m_host;
    delete m_container;
    delete m_data;
    Platform::setWaitIndicator(nullptr);
    delete m_wait;
    delete m_dialogs;
    delete m_messages;
    delete m_folder;
}

// The current project gets a file of its own, unmodified.
void TestProjectCommands::makeFile(const QString& name)
{
    QVERIFY(m_commands->saveToPath(m_folder->filePath(name)));
    QVERIFY(!m_commands->isUntitled());
    m_host->calls.clear();
    m_messages->clear();
}

void TestProjectCommands::closeQuery_data()
{
    QTest::addColumn<bool>("flag");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("saveAsTo"); // empty: the dialog is cancelled
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("saved");

    const QString exitQ = QStringLiteral("Would you like to exit the program now?");
    const QString fileQ = QStringLiteral("Would you like to save file %1 now?");
    const QString formQ = QStringLiteral("Would you like to save the current form data now?");
    const int yes = int(R::Yes), no = int(R::No), cancel = int(R::Cancel);

    QTest::newRow("QuitWithoutAsking") << true << true << false << Answers {} << "" << true
                                       << QStringList {} << false;
    QTest::newRow("no to exit") << false << true << false << Answers {no} << "" << false
                                << QStringList {exitQ} << false;
    QTest::newRow("unmodified") << false << false << false << Answers {yes} << "" << true
                                << QStringList {exitQ} << false;
    QTest::newRow("file: yes saves") << false << true << true << Answers {yes, yes} << "" << true
                                     << QStringList {exitQ, fileQ} << true;
    QTest::newRow("file: no") << false << true << true << Answers {yes, no} << "" << true
                              << QStringList {exitQ, fileQ} << false;
    QTest::newRow("file: cancel") << false << true << true << Answers {yes, cancel} << "" << false
                                  << QStringList {exitQ, fileQ} << false;
    QTest::newRow("untitled: yes, saved as") << false << true << false << Answers {yes, yes}
                                             << "new.sit" << true << QStringList {exitQ, formQ}
                                             << true;
    QTest::newRow("untitled: yes, save as cancelled")
        << false << true << false << Answers {yes, yes} << "" << false
        << QStringList {exitQ, formQ} << false;
    QTest::newRow("untitled: no") << false << true << false << Answers {yes, no} << "" << true
                                  << QStringList {exitQ, formQ} << false;
    QTest::newRow("untitled: cancel") << false << true << false << Answers {yes, cancel} << ""
                                      << false << QStringList {exitQ, formQ} << false;
}

void TestProjectCommands::closeQuery()
{
    QFETCH(bool, flag);
    QFETCH(bool, modified);
    QFETCH(bool, titled);
    QFETCH(Answers, answers);
    QFETCH(QString, saveAsTo);
    QFETCH(bool, closes);
    QFETCH(QStringList, questions);
    QFETCH(bool, saved);

    const QString file = m_folder->filePath(QStringLiteral("site.sit"));
    if (titled)
        makeFile(QStringLiteral("site.sit"));
    if (modified)
        makeModified();
    const QByteArray before = titled ? m_folder->read(QStringLiteral("site.sit")) : QByteArray();
    m_host->formTitle = QStringLiteral("Edited title");
    ProcessFlags::quitWithoutAsking = flag;
    for (R r : results(answers))
        m_messages->answer(r);
    if (!saveAsTo.isEmpty())
        m_dialogs->answer(m_folder->filePath(saveAsTo));

    QCOMPARE(m_commands->closeQuery(), closes);

    QStringList expected;
    for (const QString& q : questions)
        expected << (q.contains(QLatin1String("%1")) ? q.arg(file) : q);
    QCOMPARE(m_messages->texts(), expected);
    if (questions.size() == 2)
        QCOMPARE(m_messages->shown().at(1).buttons, Messages::Buttons::YesNoCancel);
    const QString target = titled ? file : m_folder->filePath(saveAsTo);
    if (saved) {
        TSdProjectContainer reread;
        reread.SetFilename(target);
        reread.LoadProjects();
        QCOMPARE(reread.Project(0)->ProjektDetails().Title(), QStringLiteral("Edited title"));
        QVERIFY(!m_container->AnyModified());
    } else {
        if (titled)
            QCOMPARE(m_folder->read(QStringLiteral("site.sit")), before);
        else
            QVERIFY(!QFileInfo::exists(target) || saveAsTo.isEmpty());
        QCOMPARE(m_container->AnyModified(), modified);
    }
}

void TestProjectCommands::newProject_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("saveAsTo");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("saved");

    const QString fileQ = QStringLiteral("Would you like to save file %1 now?");
    const QString formQ = QStringLiteral("Would you like to save current form data?");
    const int yes = int(R::Yes), no = int(R::No);

    QTest::newRow("unmodified") << false << false << Answers {} << "" << true << QStringList {}
                                << false;
    QTest::newRow("untitled: no") << true << false << Answers {no} << "" << true
                                  << QStringList {formQ} << false;
    QTest::newRow("untitled: yes, saved as") << true << false << Answers {yes} << "new.sit"
                                             << true << QStringList {formQ} << true;
    QTest::newRow("untitled: yes, save as cancelled")
        << true << false << Answers {yes} << "" << false << QStringList {formQ} << false;
    QTest::newRow("file: yes") << true << true << Answers {yes} << "" << true
                               << QStringList {fileQ} << true;
    QTest::newRow("file: no") << true << true << Answers {no} << "" << true
                              << QStringList {fileQ} << false;
}

void TestProjectCommands::newProject()
{
    QFETCH(bool, modified);
    QFETCH(bool, titled);
    QFETCH(Answers, answers);
    QFETCH(QString, saveAsTo);
    QFETCH(bool, started);
    QFETCH(QStringList, questions);
    QFETCH(bool, saved);

    const QString file = m_folder->filePath(QStringLiteral("site.sit"));
    if (titled)
        makeFile(QStringLiteral("site.sit"));
    m_container->Project(0)->ProjektDetails().SetTitle(QStringLiteral("Old"));
    if (modified)
        makeModified();
    m_host->formTitle = QStringLiteral("Old");
    TSdProjectData* old = m_container->Project(0);
    GlobaleVariablen.LastRTFReportPath = QStringLiteral("/reports/Report no. 1.rtf");
    for (R r : results(answers))
        m_messages->answer(r);
    if (!saveAsTo.isEmpty())
        m_dialogs->answer(m_folder->filePath(saveAsTo));

    QCOMPARE(m_commands->newProject(), started);

    QStringList expected;
    for (const QString& q : questions)
        expected << (q.contains(QLatin1String("%1")) ? q.arg(file) : q);
    QCOMPARE(m_messages->texts(), expected);
    for (const auto& shown : m_messages->shown())
        QCOMPARE(shown.buttons, Messages::Buttons::YesNo);
    QCOMPARE(m_host->calls.first(), QStringLiteral("module1"));
    if (saved) {
        TSdProjectContainer reread;
        reread.SetFilename(titled ? file : m_folder->filePath(saveAsTo));
        reread.LoadProjects();
        QCOMPARE(reread.Project(0)->ProjektDetails().Title(), QStringLiteral("Old"));
    }
    int dated = 0;
    for (int i = 0; i < m_data->tableRowCount(); ++i)
        dated += m_data->tableRecord(i).value(F::ZuletztRegistriert).isNull() ? 0 : 1;
    if (started) {
        QCOMPARE(m_container->ProjectCount(), 1);
        QCOMPARE(m_container->Project(0)->ProjectName(), QStringLiteral("Standard"));
        QCOMPARE(m_container->Project(0)->ProjektDetails().Title(), QString());
        QVERIFY(!m_container->AnyModified());
        QVERIFY(m_commands->isUntitled());
        QCOMPARE(m_container->Filename(), QStringLiteral("[Untitled]"));
        QCOMPARE(m_host->caption, QString());
        QVERIFY(m_host->calls.contains(QStringLiteral("defaultProject")));
        QVERIFY(GlobaleVariablen.LastRTFReportPath.isEmpty());
        QCOMPARE(dated, 0);
    } else {
        QCOMPARE(m_container->Project(0), old);
        QVERIFY(m_container->AnyModified());
        QCOMPARE(GlobaleVariablen.LastRTFReportPath, QStringLiteral("/reports/Report no. 1.rtf"));
        QCOMPARE(dated, 4);
    }
}

void TestProjectCommands::exitProgram_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("saveAsTo");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("saved");

    const QString fileQ = QStringLiteral("Would you like to save file %1 now?");
    const QString formQ = QStringLiteral("Would you like to save current form data?");
    const int yes = int(R::Yes), no = int(R::No);
    QTest::newRow("unmodified") << false << false << Answers {} << "" << QStringList {} << false;
    QTest::newRow("untitled: yes") << true << false << Answers {yes} << "new.sit"
                                   << QStringList {formQ} << true;
    QTest::newRow("untitled: yes, cancelled") << true << false << Answers {yes} << ""
                                              << QStringList {formQ} << false;
    QTest::newRow("untitled: no") << true << false << Answers {no} << "" << QStringList {formQ}
                                  << false;
    QTest::newRow("file: yes") << true << true << Answers {yes} << "" << QStringList {fileQ}
                               << true;
}

void TestProjectCommands::exitProgram()
{
    QFETCH(bool, modified);
    QFETCH(bool, titled);
    QFETCH(Answers, answers);
    QFETCH(QString, saveAsTo);
    QFETCH(QStringList, questions);
    QFETCH(bool, saved);

    const QString file = m_folder->filePath(QStringLiteral("site.sit"));
    if (titled)
        makeFile(QStringLiteral("site.sit"));
    if (modified)
        makeModified();
    for (R r : results(answers))
        m_messages->answer(r);
    if (!saveAsTo.isEmpty())
        m_dialogs->answer(m_folder->filePath(saveAsTo));

    m_commands->exitProgram();

    QStringList expected;
    for (const QString& q : questions)
        expected << (q.contains(QLatin1String("%1")) ? q.arg(file) : q);
    QCOMPARE(m_messages->texts(), expected);
    // Whatever was answered, the window is asked to close (and asks its own questions).
    QCOMPARE(m_host->calls.last(), QStringLiteral("close"));
    QCOMPARE(m_container->AnyModified(), modified && !saved);
}

void TestProjectCommands::save_untitledAsksForNameThenSavesToIt()
{
    const QString path = m_folder->filePath(QStringLiteral("mine.sit"));
    m_dialogs->answer(path);
    m_host->formTitle = QStringLiteral("From the form");
    QVERIFY(m_commands->saveProject());

    QCOMPARE(m_dialogs->asked().size(), 1);
    const FileDialogs::Options& options = m_dialogs->asked().first().options;
    QCOMPARE(m_dialogs->asked().first().call, ScriptedFileDialogs::Call::Save);
    QCOMPARE(options.title, QStringLiteral("Saving details file"));
    QCOMPARE(options.filter, QStringLiteral("Site details files|*.sit|All files|*.*"));
    QCOMPARE(options.defaultSuffix, QStringLiteral("sit"));
    QVERIFY(options.startPath.isEmpty());
    QVERIFY(options.confirmOverwrite);
    QCOMPARE(m_host->status, QStringLiteral("File %1 has been saved.").arg(path));
    QCOMPARE(m_host->caption, path);
    QCOMPARE(m_wait->caption(), QStringLiteral("Please wait ..."));
    QCOMPARE(m_wait->text(), QStringLiteral("Saving data, please wait ..."));
    QVERIFY(m_host->busySeenWhileWaiting);
    QVERIFY(m_host->calls.contains(QStringLiteral("copyForm")));
    QCOMPARE(m_commands->recentFiles().entries(), QStringList {path});
    QVERIFY(!m_commands->isUntitled());

    // Now it has a file: Save asks nothing.
    m_host->status.clear();
    makeModified();
    QVERIFY(m_commands->saveProject());
    QCOMPARE(m_dialogs->asked().size(), 1);
    QCOMPARE(m_host->status, QStringLiteral("File %1 has been saved.").arg(path));
    QVERIFY(!m_container->AnyModified());
    QVERIFY(m_messages->texts().isEmpty());
}

void TestProjectCommands::saveAs_cancelledChangesNothing()
{
    makeModified();
    QVERIFY(m_commands->saveProjectAs().isEmpty());
    QVERIFY(!m_commands->saveProject());
    QVERIFY(m_commands->isUntitled());
    QVERIFY(m_container->AnyModified());
    QCOMPARE(m_host->caption, QString()); // still the untitled caption
    QVERIFY(m_host->status.isEmpty());
    QCOMPARE(m_wait->showCount(), 0);
}

void TestProjectCommands::save_failureIsShownAndKeepsFileName()
{
    makeFile(QStringLiteral("site.sit"));
    makeModified();
    const QString unwritable = m_folder->filePath(QStringLiteral("no/such/folder/x.sit"));
    m_dialogs->answer(unwritable);
    QVERIFY(m_commands->saveProjectAs().isEmpty());
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->shown().first().kind, Messages::Kind::Error);
    QCOMPARE(m_container->Filename(), m_folder->filePath(QStringLiteral("site.sit")));
    QVERIFY(m_container->AnyModified());
    QVERIFY(!m_commands->recentFiles().entries().contains(unwritable));

    // Closing after a failed save would lose the project: the window stays.
    QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("site.sit"))));
    QVERIFY(QDir().mkpath(m_folder->filePath(QStringLiteral("site.sit"))));
    m_messages->clear();
    m_messages->answer({R::Yes, R::Yes});
    QVERIFY(!m_commands->closeQuery());
    QCOMPARE(m_messages->shown().size(), 3);
    QCOMPARE(m_messages->shown().last().kind, Messages::Kind::Error);
}

void TestProjectCommands::open_twoProjectsReportsErrorAndStartsUntitled()
{
    TSdProjectContainer two;
    two.AddProject()->SetProjectName(QStringLiteral("A"));
    two.AddProject()->SetProjectName(QStringLiteral("B"));
    const QString path = m_folder->filePath(QStringLiteral("two.sit"));
    two.SetFilename(path);
    two.SaveProjects();

    makeFile(QStringLiteral("before.sit"));
    QVERIFY(!m_commands->openProject(path));
    QCOMPARE(m_messages->texts(), QStringList {QStringLiteral("Error while loading file %1").arg(path)});
    QCOMPARE(m_messages->shown().first().kind, Messages::Kind::Error);
    QCOMPARE(m_container->ProjectCount(), 1);
    QCOMPARE(m_container->Project(0)->ProjectName(), QStringLiteral("Standard"));
    QVERIFY(m_commands->isUntitled());
    QCOMPARE(m_container->Filename(), QStringLiteral("[Untitled]"));
    QCOMPARE(m_host->caption, QString());
    QVERIFY(!m_container->AnyModified());
    QCOMPARE(m_wait->text(), QStringLiteral("Loading file, please wait ..."));
    QVERIFY(m_host->busySeenWhileWaiting);
}

void TestProjectCommands::open_unreadableFileShowsItsErrorAndStartsUntitled()
{
    // Not one of the three forms: too short for the record form.
    const QString path = m_folder->write(QStringLiteral("junk.sit"), "not a project");
    makeFile(QStringLiteral("before.sit"));
    QVERIFY(!m_commands->openProject(path));
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->shown().first().kind, Messages::Kind::Error);
    QVERIFY(!m_messages->texts().first().isEmpty());
    QVERIFY(m_commands->isUntitled());
    QCOMPARE(m_container->ProjectCount(), 1);
    QCOMPARE(m_host->caption, QString());
}

void TestProjectCommands::open_missingRecentFileOpensDialogThere()
{
    makeFile(QStringLiteral("gone.sit"));
    const QString gone = m_folder->filePath(QStringLiteral("gone.sit"));
    QVERIFY(QFile::remove(gone));

    QVERIFY(!m_commands->openProject(gone)); // the dialog is cancelled
    QCOMPARE(m_dialogs->asked().size(), 1);
    QCOMPARE(m_dialogs->asked().first().call, ScriptedFileDialogs::Call::Open);
    const FileDialogs::Options& options = m_dialogs->asked().first().options;
    QCOMPARE(options.startPath, gone);
    QCOMPARE(options.title, QStringLiteral("Load details file"));
    QCOMPARE(options.filter, QStringLiteral("Site details files|*.sit|All files|*.*"));
    QCOMPARE(options.defaultSuffix, QStringLiteral("sit"));
    QVERIFY(options.mustExist);
    QVERIFY(m_messages->texts().isEmpty());
    QCOMPARE(m_container->Filename(), gone);
    QCOMPARE(m_wait->showCount(), 1); // only the save of makeFile

    // Choosing another file in that dialog opens it.
    makeFile(QStringLiteral("other.sit"));
    m_commands->createDefaultProject();
    m_dialogs->answer(m_folder->filePath(QStringLiteral("other.sit")));
    QVERIFY(m_commands->openProject(gone));
    QCOMPARE(m_container->Filename(), m_folder->filePath(QStringLiteral("other.sit")));
}

void TestProjectCommands::open_cancelledSaveAsStillLoads()
{
    makeFile(QStringLiteral("site.sit"));
    const QString path = m_folder->filePath(QStringLiteral("site.sit"));
    m_commands->createDefaultProject();
    makeModified();
    m_messages->answer(R::Yes); // save the form data? Yes -- then Save As is cancelled
    QVERIFY(m_commands->openProject(path));
    QCOMPARE(m_messages->texts(), QStringList {QStringLiteral("Would you like to save current form data?")});
    QCOMPARE(m_dialogs->asked().size(), 1);
    QCOMPARE(m_container->Filename(), path);
    QVERIFY(!m_commands->isUntitled());
    QVERIFY(!m_container->AnyModified());
}

void TestProjectCommands::open_failedSaveKeepsProject()
{
    makeFile(QStringLiteral("site.sit"));
    const QString other = m_folder->filePath(QStringLiteral("other.sit"));
    QVERIFY(QFile::copy(m_folder->filePath(QStringLiteral("site.sit")), other));
    makeModified();
    TSdProjectData* current = m_container->Project(0);
    // The project's own file cannot be written any more.
    QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("site.sit"))));
    QVERIFY(QDir().mkpath(m_folder->filePath(QStringLiteral("site.sit"))));
    m_messages->answer(R::Yes);
    QVERIFY(!m_commands->openProject(other));
    QCOMPARE(m_messages->shown().size(), 2);
    QCOMPARE(m_messages->shown().last().kind, Messages::Kind::Error);
    QCOMPARE(m_container->Project(0), current);
    QVERIFY(m_container->AnyModified());
}

void TestProjectCommands::open_loadsProjectIntoFormAndCaption()
{
    m_host->formTitle = QStringLiteral("My site");
    makeFile(QStringLiteral("site.sit"));
    const QString path = m_folder->filePath(QStringLiteral("site.sit"));
    m_commands->newProject();
    QCOMPARE(m_host->formTitle, QString());
    m_host->calls.clear();

    QVERIFY(m_commands->openProject(path));
    QVERIFY(m_messages->texts().isEmpty());
    QCOMPARE(m_host->formTitle, QStringLiteral("My site"));
    QCOMPARE(m_host->caption, path);
    QCOMPARE(m_commands->recentFiles().entries().first(), path);
    QVERIFY(!m_container->AnyModified());
    // The form shows the loaded project, then the first section of the details module.
    const QStringList calls = m_host->calls;
    QVERIFY(calls.lastIndexOf(QStringLiteral("showInForm")) < calls.indexOf(QStringLiteral("firstSection")));
    QVERIFY(calls.lastIndexOf(QStringLiteral("module1")) < calls.indexOf(QStringLiteral("firstSection")));
}

void TestProjectCommands::submissionState_savedPerRowAndRestoredOnOpen()
{
    const QString path = m_folder->filePath(QStringLiteral("states.sit"));
    // A view that shows only part of the table must not limit what is saved.
    m_data->SetSubmissionMode(2);
    m_data->setIndexName(TDatenmodul::nameIndex());
    QVERIFY(m_data->rowCount() < m_data->tableRowCount());
    QVERIFY(m_commands->saveToPath(path));
    QCOMPARE(m_data->SubmissionMode(), 2);
    QCOMPARE(m_data->indexName(), TDatenmodul::nameIndex());

    TSdProjectContainer reread;
    reread.SetFilename(path);
    reread.LoadProjects();
    const TSDAnmeldeStatus& status = reread.Project(0)->AnmeldeStatus();
    const QList<ServiceFixture::Service> services = ServiceFixture::standard();
    QCOMPARE(status.Count(), int(services.size()));
    for (int i = 0; i < status.Count(); ++i) {
        const auto& s = services[i];
        QCOMPARE(status.Items(i)->Number(), s.nr);
        QCOMPARE(status.Items(i)->Text(), s.name);
        QCOMPARE(status.Items(i)->Date(), s.zuletztRegistriert.isNull() ? 0.0 : s.zuletztRegistriert.toDouble());
    }

    // New clears every date; opening the file brings each one back, empty ones too.
    m_data->SetAllLastSubmitted(ServiceFixture::day(2025, 5, 5));
    QVERIFY(m_commands->newProject());
    QVERIFY(m_commands->openProject(path));
    QVERIFY(m_messages->texts().isEmpty());
    for (const auto& s : services) {
        const QVariant date = m_data->recordByNr(s.nr)->value(F::ZuletztRegistriert);
        QCOMPARE(date.isNull(), s.zuletztRegistriert.isNull());
        if (!date.isNull())
            QCOMPARE(date.toDouble(), s.zuletztRegistriert.toDouble());
    }
    // ... and in the database file, not only in memory.
    delete m_data;
    m_data = new TDatenmodul;
    QVERIFY(m_data->DataModuleCreate(m_folder->path()));
    m_commands->setDatenmodul(m_data);
    for (const auto& s : services)
        QCOMPARE(m_data->recordByNr(s.nr)->value(F::ZuletztRegistriert).isNull(), s.zuletztRegistriert.isNull());
}

void TestProjectCommands::submissionState_badItemSkippedAndReported()
{
    TSdProjectContainer file;
    TSdProjectData* project = file.AddProject();
    const auto add = [project](int nr, double date) {
        TSDAnmeldeStatusItem* item = project->AnmeldeStatus().Add();
        item->SetNumber(nr);
        item->SetDate(date);
    };
    add(1, ServiceFixture::day(2020, 2, 2));
    add(2, std::numeric_limits<double>::infinity()); // no calendar holds it
    add(999, ServiceFixture::day(2020, 3, 3));       // no such service: passed over
    add(0, ServiceFixture::day(2020, 4, 4));         // no service at all
    add(4, 0.0);
    const QString path = m_folder->filePath(QStringLiteral("bad.sit"));
    file.SetFilename(path);
    file.SaveProjects();

    QVERIFY(m_commands->openProject(path));
    QCOMPARE(m_messages->texts(), QStringList {QStringLiteral("Exception while reading")});
    QCOMPARE(m_messages->shown().first().kind, Messages::Kind::Error);
    QCOMPARE(m_data->recordByNr(1)->value(F::ZuletztRegistriert).toDouble(), ServiceFixture::day(2020, 2, 2));
    QVERIFY(m_data->recordByNr(4)->value(F::ZuletztRegistriert).isNull());
    QVERIFY(m_data->recordByNr(2)->value(F::ZuletztRegistriert).isNull());
    // Services without an item keep their date; loading counts as done.
    QCOMPARE(m_data->recordByNr(3)->value(F::ZuletztRegistriert).toDouble(), ServiceFixture::day(2024, 3, 10, 15, 30));
    QVERIFY(!m_commands->isUntitled());
}

void TestProjectCommands::recentFiles_nineNewestFirstAcrossRestart()
{
    for (int i = 1; i <= 11; ++i)
        QVERIFY(m_commands->saveToPath(m_folder->filePath(QStringLiteral("p%1.sit").arg(i))));
    QStringList expected;
    for (int i = 11; i >= 3; --i)
        expected << m_folder->filePath(QStringLiteral("p%1.sit").arg(i));
    QCOMPARE(m_commands->recentFiles().entries(), expected);

    const QString ini = m_folder->filePath(QStringLiteral("sd.ini"));
    m_folder->write(QStringLiteral("sd.ini"), "[Sdt]\nIDUISprache=2\n[THauptformular]\nRecentFile9=/old/stale.sit\n");
    {
        IniFile file(ini);
        QVERIFY(file.load());
        m_commands->recentFiles().write(file);
        QVERIFY(file.save());
    }
    IniFile file(ini);
    QVERIFY(file.load());
    RecentFiles restarted;
    restarted.read(file);
    QCOMPARE(restarted.entries(), expected);
    QCOMPARE(file.readString(QStringLiteral("Sdt"), QStringLiteral("IDUISprache")), QStringLiteral("2"));
    QCOMPARE(file.readString(QStringLiteral("THauptformular"), QStringLiteral("RecentFile1")), expected.first());
}

void TestProjectCommands::recentFiles_sameFileMovesUp()
{
    RecentFiles files;
    files.add(QStringLiteral("/a/one.sit"));
    files.add(QStringLiteral("/a/two.sit"));
    files.add(QStringLiteral("/a/./one.sit"));
    QCOMPARE(files.entries(), (QStringList {QStringLiteral("/a/./one.sit"), QStringLiteral("/a/two.sit")}));
    files.add(QStringLiteral("  "));
    QCOMPARE(files.count(), 2);
    files.remove(QStringLiteral("/a/two.sit"));
    QCOMPARE(files.entries(), QStringList {QStringLiteral("/a/./one.sit")});
}

void TestProjectCommands::untitledNameFollowsLanguage()
{
    m_container->SetFilename(QStringLiteral("[Unbenannt]"));
    m_commands->languageChanged();
    QCOMPARE(m_container->Filename(), QStringLiteral("[Untitled]"));
    makeFile(QStringLiteral("site.sit"));
    m_commands->languageChanged();
    QCOMPARE(m_container->Filename(), m_folder->filePath(QStringLiteral("site.sit")));
}

QTEST_GUILESS_MAIN(TestProjectCommands)
#include "tst_ProjectCommands.moc"
