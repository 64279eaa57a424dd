#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <unistd.h>

namespace {

// A stand-in for the program: it records that it ran, with which contents, and ends.
QByteArray program(const QByteArray& version, const QString& marker = QStringLiteral("started.txt"))
{
    return "#!/bin/sh\necho " + version + " > '" + QFile::encodeName(marker) + "'\n";
}

QString upgrader()
{
    return qEnvironmentVariable("SENDORA_UPGRADER");
}

// Runs the upgrader in folder and waits for it (it becomes the started program).
bool runUpgrader(QProcess& process, const TestFolder& folder, const QStringList& arguments)
{
    process.setWorkingDirectory(folder.path());
    process.start(upgrader(), arguments);
    return process.waitForStarted(10000);
}

} // namespace

class TestUpgrader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waitsReplacesAndStarts();
    void keepsOldFileWhenReplacementFails_data();
    void keepsOldFileWhenReplacementFails();
    void refusesWrongArguments_data();
    void refusesWrongArguments();
};

void TestUpgrader::waitsReplacesAndStarts()
{
    TestFolder folder;
    const QString executable = folder.write(QStringLiteral("sendora"), program("old"));
    QFile::setPermissions(executable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    folder.write(QStringLiteral("Updates/sendora"), program("new")); // unpacked without x bits

    QProcess running; // plays the program that is still running
    running.start(QStringLiteral("sleep"), { QStringLiteral("60") });
    QVERIFY(running.waitForStarted());

    QProcess process;
    QVERIFY(runUpgrader(process, folder,
                        { QStringLiteral("--wait-pid"), QString::number(running.processId()),
                          QStringLiteral("sendora"), QStringLiteral("Updates/sendora"),
                          QStringLiteral("sendora") }));
    // While the program runs, nothing is touched.
    QVERIFY(!process.waitForFinished(700));
    QCOMPARE(folder.read(QStringLiteral("sendora")), program("old"));

    running.kill();
    QVERIFY(running.waitForFinished());
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);

    QCOMPARE(folder.read(QStringLiteral("sendora")), program("new"));
    QVERIFY(QFileInfo(executable).isExecutable());
    QCOMPARE(folder.read(QStringLiteral("started.txt")), QByteArray("new\n"));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Updates/sendora"))));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("sendora.upgrading"))));
}

void TestUpgrader::keepsOldFileWhenReplacementFails_data()
{
    QTest::addColumn<QString>("problem");
    QTest::newRow("new file missing") << QStringLiteral("missing");
    QTest::newRow("new file is a folder") << QStringLiteral("folder");
    QTest::newRow("folder not writable") << QStringLiteral("read-only");
}

void TestUpgrader::keepsOldFileWhenReplacementFails()
{
    QFETCH(QString, problem);
    if (problem == QLatin1String("read-only") && geteuid() == 0)
        QSKIP("permissions do not stop root");

    TestFolder folder;
    const QString bin = folder.filePath(QStringLiteral("bin"));
    const QString marker = folder.filePath(QStringLiteral("started.txt"));
    const QString executable = folder.write(QStringLiteral("bin/sendora"), program("old", marker));
    QFile::setPermissions(executable, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (problem == QLatin1String("folder"))
        QDir().mkpath(folder.filePath(QStringLiteral("Updates/sendora")));
    else if (problem == QLatin1String("read-only"))
        folder.write(QStringLiteral("Updates/sendora"), program("new"));
    if (problem == QLatin1String("read-only"))
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner);
    auto restore = qScopeGuard([&] {
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });

    QProcess process;
    process.setWorkingDirectory(bin);
    process.start(upgrader(),
                  { QStringLiteral("sendora"), folder.filePath(QStringLiteral("Updates/sendora")),
                    QStringLiteral("sendora") });
    QVERIFY(process.waitForFinished(20000));
    restore.dismiss();
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(folder.read(QStringLiteral("bin/sendora")), program("old", marker));
    QCOMPARE(folder.read(QStringLiteral("started.txt")), QByteArray("old\n")); // still started
    QVERIFY(process.readAllStandardError().contains("keeping the old sendora"));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("bin/sendora.upgrading"))));
}

void TestUpgrader::refusesWrongArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList();
    QTest::newRow("two") << QStringList { QStringLiteral("sendora"),
                                          QStringLiteral("Updates/sendora") };
    QTest::newRow("bad process id")
        << QStringList { QStringLiteral("--wait-pid"), QStringLiteral("12x"), QStringLiteral("a"),
                         QStringLiteral("b"), QStringLiteral("c") };
}

void TestUpgrader::refusesWrongArguments()
{
    QFETCH(QStringList, arguments);
    TestFolder folder;
    folder.write(QStringLiteral("sendora"), program("old"));
    QProcess process;
    QVERIFY(runUpgrader(process, folder, arguments));
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().contains("usage: upgrader"));
    QCOMPARE(folder.read(QStringLiteral("sendora")), program("old"));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("started.txt"))));
}

QTEST_GUILESS_MAIN(TestUpgrader)
#include "tst_Upgrader.moc"
