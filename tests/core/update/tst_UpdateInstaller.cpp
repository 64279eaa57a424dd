#include "ZipWriter.h"
#include "core/app/ProcessFlags.h"
#include "core/services/ServiceFixture.h"
#include "core/services/TDatenmodul.h"
#include "core/settings/TRegistryEintraege.h"
#include "core/update/ServiceTableStore.h"
#include "core/update/TAktuelleVersionInfo.h"
#include "core/update/TDatenmodulTableStore.h"
#include "core/update/TUpdateInstaller.h"
#include "core/update/UpdateTexts.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

class FakeTables final : public ServiceTableStore
{
public:
    bool CloseServiceTables() override
    {
        calls.append(QStringLiteral("close"));
        return closeWorks;
    }
    bool OpenServiceTables() override
    {
        calls.append(QStringLiteral("open"));
        return openWorks;
    }
    void clearSelectedOnlyViewFlag() override { calls.append(QStringLiteral("view flag")); }

    bool closeWorks = true;
    bool openWorks = true;
    QStringList calls;
};

class FakeStarter final : public ProcessStarter
{
public:
    bool openWithShell(const QString& path) override
    {
        opened.append(path);
        return works;
    }
    bool startDetached(const Command& command) override
    {
        started.append(command);
        return works;
    }
    void requestQuit() override { ++quitRequests; }

    bool works = true;
    QStringList opened;
    QList<Command> started;
    int quitRequests = 0;
};

// A program folder with a downloaded update for each test.
struct Fixture
{
    TestFolder folder;
    UpdateSlots updateSlots {};
    TAktuelleVersionInfo versions;
    TRegistryEintraege settings;
    FakeTables tables;
    FakeStarter starter;
    ScriptedMessages messages;

    Fixture()
    {
        settings.verOH = QStringLiteral("3.2.0.0");
        settings.verSD = QStringLiteral("3.0.0.0");
        settings.verDK = QStringLiteral("3.2.0.0");
        folder.write(QStringLiteral("DATEN/sendora.db"), "old tables");
        folder.write(QStringLiteral("upgrader"), "#!/bin/sh\n");
        QFile::setPermissions(folder.filePath(QStringLiteral("upgrader")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir().mkpath(folder.filePath(QStringLiteral("Updates")));
    }

    TUpdateInstaller::Context context(const QString& executableFolder = {}) const
    {
        const QString bin = executableFolder.isEmpty() ? folder.path() : executableFolder;
        return { folder.path(), bin + QStringLiteral("sendora"),
                 folder.filePath(QStringLiteral("upgrader")), 4242 };
    }

    // Marks the slot as downloaded; with entries, an archive is written to its file.
    QString download(UpdateKind kind, const QString& version, const QList<ZipEntry>& entries = {})
    {
        tupdateinfofelder& slot = updateSlots[std::size_t(kind)];
        slot.NotAvailable = false;
        slot.Selected = true;
        slot.Version = version;
        slot.LocalFile
            = folder.filePath(QStringLiteral("Updates/") + QString(updateKindInfo(kind).localFile));
        if (!entries.isEmpty())
            writeZip(slot.LocalFile, entries);
        return slot.LocalFile;
    }

    TUpdateInstaller install(const QString& executableFolder = {})
    {
        TUpdateInstaller installer(updateSlots, versions, settings, tables, starter,
                                   context(executableFolder));
        installer.InstallUpdates();
        return installer;
    }
};

} // namespace

class TestUpdateInstaller : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void helpOnly();
    void databaseInstalled();
    void databaseExtractionFails();
    void databaseCannotBeClosed();
    void databaseCannotBeOpenedAgain();
    void databaseWithDataModule_data();
    void databaseWithDataModule();
    void twoFailingKindsJoined();
    void documentationFolderCreated();
    void programUpdateStartsUpgrader_data();
    void programUpdateStartsUpgrader();
    void programArchiveWithoutExecutable_data();
    void programArchiveWithoutExecutable();
    void setup_data();
    void setup();
};

void TestUpdateInstaller::init()
{
    ProcessFlags::quitWithoutAsking = false;
    ProcessFlags::terminationRequested = false;
}

void TestUpdateInstaller::helpOnly()
{
    Fixture f;
    const QString archive = f.download(UpdateKind::Hilfe, QStringLiteral("3.3"),
                                       { { QStringLiteral("help/en/index.html"), "help" } });
    TUpdateInstaller installer = f.install();

    QCOMPARE(installer.summary(), QStringLiteral("The help file has been installed successfully."));
    QVERIFY(installer.HelpInstalled);
    QVERIFY(!installer.ErrorsOccurred);
    QCOMPARE(f.settings.verOH, QStringLiteral("3.3"));
    QCOMPARE(f.versions.verOH, QStringLiteral("3.3"));
    QCOMPARE(f.folder.read(QStringLiteral("help/en/index.html")), QByteArray("help"));
    QVERIFY(!QFile::exists(archive));
    QCOMPARE(f.tables.calls, QStringList { QStringLiteral("view flag") });
    QVERIFY(installer.errorPage().isEmpty());
    QVERIFY(!installer.closeManager());

    installer.ShowCompletion();
    QVERIFY(f.messages.texts().isEmpty());
    QVERIFY(installer.mayClose());
}

void TestUpdateInstaller::databaseInstalled()
{
    Fixture f;
    f.download(UpdateKind::Datenbank, QStringLiteral("3.1"),
               { { QStringLiteral("sendora.db"), "new tables" } });
    TUpdateInstaller installer = f.install();

    QVERIFY(installer.DatabaseInstalled);
    QCOMPARE(installer.summary(),
             QStringLiteral("The database update has been installed successfully."));
    QCOMPARE(f.settings.verSD, QStringLiteral("3.1"));
    QCOMPARE(f.folder.read(QStringLiteral("DATEN/sendora.db")), QByteArray("new tables"));
    QCOMPARE(f.tables.calls,
             QStringList(
                 { QStringLiteral("close"), QStringLiteral("open"), QStringLiteral("view flag") }));
}

void TestUpdateInstaller::databaseExtractionFails()
{
    Fixture f;
    const QString archive = f.download(UpdateKind::Datenbank, QStringLiteral("3.1"));
    f.folder.write(QStringLiteral("Updates/DB.ZIP"), "not an archive");
    TUpdateInstaller installer = f.install();

    QVERIFY(!installer.DatabaseInstalled);
    QVERIFY(installer.ErrorsOccurred);
    QCOMPARE(
        installer.summary(),
        QStringLiteral("Error during installation of the database update\rPlease close Sendora! "
                       "Special Edition and copy the content of the %1 zip file to the DATA "
                       "subfolder in the Sendora! Special Edition folder.")
            .arg(archive));
    QCOMPARE(f.tables.calls,
             QStringList(
                 { QStringLiteral("close"), QStringLiteral("open"), QStringLiteral("view flag") }));
    QVERIFY(!QFile::exists(archive));
    QCOMPARE(f.settings.verSD, QStringLiteral("3.0.0.0"));
    QCOMPARE(f.folder.read(QStringLiteral("DATEN/sendora.db")), QByteArray("old tables"));

    installer.ShowCompletion();
    QCOMPARE(f.messages.texts(),
             QStringList { QStringLiteral("Errors occurred. Please follow the instructions on the "
                                          "following pages.") });
}

void TestUpdateInstaller::databaseCannotBeClosed()
{
    Fixture f;
    const QString archive = f.download(UpdateKind::Datenbank, QStringLiteral("3.1"),
                                       { { QStringLiteral("sendora.db"), "new tables" } });
    f.tables.closeWorks = false;
    TUpdateInstaller installer = f.install();

    QCOMPARE(f.messages.texts(), QStringList { QStringLiteral("Could not close database!") });
    QCOMPARE(f.messages.shown().first().kind, Messages::Kind::Error);
    QVERIFY(installer.summary().isEmpty());
    QVERIFY(QFile::exists(archive));
    QCOMPARE(f.folder.read(QStringLiteral("DATEN/sendora.db")), QByteArray("old tables"));
    QCOMPARE(f.tables.calls, QStringList({ QStringLiteral("close"), QStringLiteral("view flag") }));
}

void TestUpdateInstaller::databaseCannotBeOpenedAgain()
{
    Fixture f;
    f.download(UpdateKind::Datenbank, QStringLiteral("3.1"),
               { { QStringLiteral("sendora.db"), "new" } });
    f.tables.openWorks = false;
    TUpdateInstaller installer = f.install();
    QVERIFY(installer.DatabaseInstalled);
    QCOMPARE(f.messages.texts(), QStringList { QStringLiteral("Could not open database!") });
}

void TestUpdateInstaller::databaseWithDataModule_data()
{
    QTest::addColumn<bool>("archiveWorks");
    QTest::newRow("new tables") << true;
    QTest::newRow("broken archive") << false;
}

void TestUpdateInstaller::databaseWithDataModule()
{
    QFETCH(bool, archiveWorks);
    Fixture f;
    ServiceFixture::create(f.folder.path(), ServiceFixture::standard());
    TDatenmodul dataModule;
    QVERIFY(dataModule.DataModuleCreate(f.folder.path()));
    const int oldCount = dataModule.rowCount();
    dataModule.SetViewFlags(TDatenmodul::OnlyTicked);

    TestFolder source;
    QFile generated(ServiceFixture::createGenerated(source.path(), 3));
    QVERIFY(generated.open(QIODevice::ReadOnly));
    const QByteArray newTables = generated.readAll();
    const QString archive = f.download(UpdateKind::Datenbank, QStringLiteral("3.1"),
                                       { { TDatenmodul::databaseFileName(), newTables } });
    if (!archiveWorks)
        f.folder.write(QStringLiteral("Updates/DB.ZIP"), "PK broken");

    TDatenmodulTableStore tables(dataModule);
    TUpdateInstaller installer(f.updateSlots, f.versions, f.settings, tables, f.starter,
                               f.context());
    installer.InstallUpdates();

    QCOMPARE(installer.DatabaseInstalled, archiveWorks);
    QVERIFY(dataModule.isOpen());
    QCOMPARE(dataModule.ViewFlags() & TDatenmodul::OnlyTicked, 0);
    dataModule.SetViewFlags(0);
    QCOMPARE(dataModule.rowCount(), archiveWorks ? 3 : oldCount);
    QVERIFY(!QFile::exists(archive));
    QVERIFY(f.messages.texts().isEmpty());
}

void TestUpdateInstaller::twoFailingKindsJoined()
{
    Fixture f;
    const QString help = f.download(UpdateKind::Hilfe, QStringLiteral("3.3")); // never arrived
    const QString docu = f.download(UpdateKind::Doku, QStringLiteral("3.3"),
                                    { { QStringLiteral("../escape.txt"), "x" } });
    TUpdateInstaller installer = f.install();

    const QString instruction
        = QStringLiteral("Please close Sendora! Special Edition and copy the content "
                         "of the %1 zip file to the Sendora! Special Edition "
                         "program folder.");
    QCOMPARE(installer.summary(),
             QStringLiteral("Error during installation of the help update\r")
                 + instruction.arg(help)
                 + QStringLiteral("\r\rError during installation of the documentation update\r")
                 + instruction.arg(docu));
    QVERIFY(installer.ErrorsOccurred);
    QVERIFY(!QFile::exists(f.folder.filePath(QStringLiteral("escape.txt"))));
    QCOMPARE(f.settings.verOH, QStringLiteral("3.2.0.0"));
    QCOMPARE(f.settings.verDK, QStringLiteral("3.2.0.0"));
}

void TestUpdateInstaller::documentationFolderCreated()
{
    Fixture f;
    f.download(UpdateKind::Doku, QStringLiteral("3.4"),
               { { QStringLiteral("manual.pdf"), "pdf" } });
    TUpdateInstaller installer = f.install();
    QVERIFY(installer.DocumentationInstalled);
    QCOMPARE(installer.summary(),
             QStringLiteral("The documentation has been installed successfully."));
    QCOMPARE(f.folder.read(QStringLiteral("dokumentation/manual.pdf")), QByteArray("pdf"));
    QCOMPARE(f.settings.verDK, QStringLiteral("3.4"));
}

void TestUpdateInstaller::programUpdateStartsUpgrader_data()
{
    QTest::addColumn<bool>("executableInProgramFolder");
    QTest::newRow("build tree: executable in the program folder") << true;
    QTest::newRow("installed: executable elsewhere") << false;
}

void TestUpdateInstaller::programUpdateStartsUpgrader()
{
    QFETCH(bool, executableInProgramFolder);
    Fixture f;
    TestFolder bin;
    const QString archive
        = f.download(UpdateKind::Programm, QStringLiteral("3.2.9.5"),
                     { { QStringLiteral("sendora"), "new program", ZipEntry::File, true } });
    TUpdateInstaller installer = f.install(executableInProgramFolder ? QString() : bin.path());

    QVERIFY(installer.errorPage().isEmpty());
    QVERIFY(installer.ProgramInstalled);
    QCOMPARE(f.versions.programVersion, QStringLiteral("3.2.9.5"));
    QVERIFY(!QFile::exists(archive));
    QCOMPARE(f.folder.read(QStringLiteral("Updates/sendora")), QByteArray("new program"));
    QCOMPARE(
        f.messages.texts(),
        QStringList { QStringLiteral("Update of program files successfully completed. Sendora! "
                                     "Special Edition is being restarted.") });

    QCOMPARE(f.starter.started.size(), 1);
    const ProcessStarter::Command& command = f.starter.started.first();
    QCOMPARE(command.program, f.folder.filePath(QStringLiteral("upgrader")));
    const QString newExecutable = executableInProgramFolder
        ? QStringLiteral("Updates/sendora")
        : f.folder.filePath(QStringLiteral("Updates/sendora"));
    QCOMPARE(command.arguments,
             QStringList({ QStringLiteral("--wait-pid"), QStringLiteral("4242"),
                           QStringLiteral("sendora"), newExecutable, QStringLiteral("sendora") }));
    const QString executableFolder = executableInProgramFolder ? f.folder.path() : bin.path();
    QCOMPARE(QDir(command.workingDirectory), QDir(executableFolder));
    QCOMPARE(command.environment.size(), 1);
    QCOMPARE(command.environment.first().first, QStringLiteral("SENDORA_HOME"));
    QCOMPARE(QDir(command.environment.first().second), QDir(f.folder.path()));

    QCOMPARE(f.starter.quitRequests, 1);
    QVERIFY(installer.closeManager());
    QVERIFY(installer.mayClose());
    QVERIFY(ProcessFlags::terminationRequested);
    QVERIFY(ProcessFlags::quitWithoutAsking);
}

void TestUpdateInstaller::programArchiveWithoutExecutable_data()
{
    QTest::addColumn<QList<ZipEntry>>("entries");
    QTest::addColumn<bool>("upgraderPresent");
    QTest::addColumn<bool>("starts");
    QTest::newRow("archive without the executable")
        << QList<ZipEntry> { { QStringLiteral("readme.txt"), "x" } } << true << true;
    QTest::newRow("archive that is refused")
        << QList<ZipEntry> { { QStringLiteral("sendora"), "x" }, { QStringLiteral("/etc/x"), "x" } }
        << true << true;
    QTest::newRow("upgrader missing")
        << QList<ZipEntry> { { QStringLiteral("sendora"), "x" } } << false << true;
    QTest::newRow("upgrader cannot start")
        << QList<ZipEntry> { { QStringLiteral("sendora"), "x" } } << true << false;
}

void TestUpdateInstaller::programArchiveWithoutExecutable()
{
    QFETCH(QList<ZipEntry>, entries);
    QFETCH(bool, upgraderPresent);
    QFETCH(bool, starts);
    Fixture f;
    if (!upgraderPresent)
        QFile::remove(f.folder.filePath(QStringLiteral("upgrader")));
    f.starter.works = starts;
    const QString archive = f.download(UpdateKind::Programm, QStringLiteral("3.2.9.5"), entries);
    TUpdateInstaller installer = f.install();

    QCOMPARE(
        installer.errorPage(),
        QStringList(
            { QStringLiteral("An internal error occurred during the decompressing of the files."),
              QStringLiteral("Please close Sendora! Special Edition and copy the content of "
                             "the %1 zip file to the Sendora! Special Edition program folder.")
                  .arg(archive),
              QStringLiteral("Restart Sendora! Special Edition.") }));
    QVERIFY(!installer.ProgramInstalled);
    QCOMPARE(f.versions.programVersion, TAktuelleVersionInfo().programVersion);
    QVERIFY(!installer.closeManager());
    QVERIFY(!ProcessFlags::terminationRequested);
    QVERIFY(!ProcessFlags::quitWithoutAsking);
    QCOMPARE(f.starter.quitRequests, 0);
}

void TestUpdateInstaller::setup_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<bool>("starts");
    QTest::newRow("file the desktop opens") << true << false << true;
    QTest::newRow("executable file") << true << true << true;
    QTest::newRow("cannot be started") << true << false << false;
    QTest::newRow("never arrived") << false << false << true;
}

void TestUpdateInstaller::setup()
{
    QFETCH(bool, present);
    QFETCH(bool, executable);
    QFETCH(bool, starts);
    Fixture f;
    const QString setupFile = f.download(UpdateKind::Komplett, QStringLiteral("4.0"));
    if (present) {
        f.folder.write(QStringLiteral("Updates/SETUP.EXE"), "installer");
        if (executable)
            QFile::setPermissions(setupFile,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    f.starter.works = starts;
    TUpdateInstaller installer = f.install();

    QStringList expected;
    if (present) {
        expected.append(
            QStringLiteral(
                "Installation utility is being started. Sendora! Special Edition is therefore "
                "being terminated. After successful installation of the new version, start "
                "program as usual via the applications menu of your desktop (SENDORA! SPECIAL "
                "EDITION)\r\r"
                "The installation utility of the new version has been saved in the following "
                "directory and can be started again at any time, if required: \r\r")
            + setupFile);
        QCOMPARE(f.starter.opened, executable ? QStringList() : QStringList { setupFile });
        QCOMPARE(f.starter.started.size(), executable ? 1 : 0);
        if (executable)
            QCOMPARE(f.starter.started.first().program, setupFile);
    }
    const bool ok = present && starts;
    if (!ok)
        expected.append(QStringLiteral("Installation utility cannot be started!"));
    QCOMPARE(f.messages.texts(), expected);
    if (!ok)
        QCOMPARE(f.messages.shown().last().kind, Messages::Kind::Warning);

    QCOMPARE(installer.SetupStarted, ok);
    QCOMPARE(installer.closeManager(), ok);
    QCOMPARE(ProcessFlags::terminationRequested, ok);
    QCOMPARE(ProcessFlags::quitWithoutAsking, ok);
    QCOMPARE(installer.errorPage(),
             ok ? QStringList()
                : QStringList { QStringLiteral("Installation utility cannot be started!") });
    QCOMPARE(QFile::exists(setupFile), present); // the setup stays in "Updates"
}

QTEST_GUILESS_MAIN(TestUpdateInstaller)
#include "tst_UpdateInstaller.moc"
