// Runs the built sendora executable, offscreen, on temporary program folders.

#include "core/app/SingleInstance.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {

QString executable()
{
    return qEnvironmentVariable("SENDORA_EXECUTABLE");
}

QProcessEnvironment environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("SENDORA_HOME"));
    return env;
}

std::unique_ptr<QProcess> startSendora(const QString& home, const QStringList& extra = {})
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    process->start(executable(), QStringList {QStringLiteral("--home"), home} + extra);
    process->waitForStarted();
    return process;
}

// Asks the instance of home which window it shows, the way a later start does. Returns
// an empty text while nothing answers yet.
QString askRunningInstance(const QString& home)
{
    const QString title = SingleInstance::defaultTitle(executable());
    SingleInstance probe(SingleInstance::keyFor(title, QDir(home).absolutePath() + QLatin1Char('/')));
    if (probe.claim() != SingleInstance::Role::Second)
        return {};
    QString reply;
    return probe.activateFirst(&reply, 3000) ? reply : QString();
}

bool waitUntilServing(const QString& home, QProcess& process)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 90000 && process.state() != QProcess::NotRunning) {
        if (!askRunningInstance(home).isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool endGracefully(QProcess& process)
{
    ::kill(pid_t(process.processId()), SIGTERM);
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

} // namespace

class TestExecutable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsOnFreshFolderAndEndsCleanly();
    void secondStartHandsOverAndEnds();
    void crashedInstanceDoesNotBlockNextStart();
    void languageCarriesToNextStart();
    void terminatedDuringStartupMessageEndsCleanly();
    void noDisplayIsReportedClearly();
};

void TestExecutable::initTestCase()
{
    QVERIFY2(QFileInfo(executable()).isExecutable(), qPrintable(executable()));
}

void TestExecutable::startsOnFreshFolderAndEndsCleanly()
{
    TestFolder home;
    const QString folder = home.filePath(QStringLiteral("program"));
    auto sendora = startSendora(folder);
    QVERIFY(sendora->waitForStarted());
    QVERIFY(waitUntilServing(folder, *sendora));
    // A fresh folder has the tip of the day switched on: it is the window brought forward.
    QCOMPARE(askRunningInstance(folder), QStringLiteral("TfrmTippDesTages"));
    QVERIFY(QFileInfo(folder + QStringLiteral("/DATEN")).isDir());
    QVERIFY(QFileInfo(folder + QStringLiteral("/DATEN/services.db")).isFile());

    QVERIFY2(endGracefully(*sendora), sendora->readAllStandardError().constData());
    QFile file(folder + QStringLiteral("/sd.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith("[Sdt]\n"));
    QVERIFY(content.contains("\nIDUISprache=1\n"));
    // A termination signal closes the window like a normal close, without questions:
    // the window wrote its own section too.
    QVERIFY(content.contains("\n[THauptformular]\n"));
}

void TestExecutable::secondStartHandsOverAndEnds()
{
    TestFolder home;
    auto first = startSendora(home.path());
    QVERIFY(waitUntilServing(home.path(), *first));

    auto second = startSendora(home.path());
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitCode(), 0);
    QVERIFY2(second->readAllStandardOutput().contains("already running"),
             "the later start reports the hand-over");
    // The first one is still there and still answers.
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(askRunningInstance(home.path()), QStringLiteral("TfrmTippDesTages"));
    QVERIFY(endGracefully(*first));
}

void TestExecutable::crashedInstanceDoesNotBlockNextStart()
{
    TestFolder home;
    auto first = startSendora(home.path());
    QVERIFY(waitUntilServing(home.path(), *first));
    ::kill(pid_t(first->processId()), SIGKILL);
    QVERIFY(first->waitForFinished(10000));

    auto next = startSendora(home.path());
    QVERIFY2(waitUntilServing(home.path(), *next), next->readAllStandardError().constData());
    QVERIFY(endGracefully(*next));
}

void TestExecutable::languageCarriesToNextStart()
{
    TestFolder home;
    home.write(QStringLiteral("sd.ini"), "[Sdt]\nIDUISprache=3\n");
    auto sendora = startSendora(home.path());
    QVERIFY(waitUntilServing(home.path(), *sendora));
    QVERIFY(endGracefully(*sendora));
    QVERIFY(home.read(QStringLiteral("sd.ini")).contains("\nIDUISprache=3\n"));
}

void TestExecutable::noDisplayIsReportedClearly()
{
    QProcess process;
    QProcessEnvironment env = environment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    TestFolder home;
    process.start(executable(), {QStringLiteral("--home"), home.path()});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().contains("needs a graphical display"));
}

void TestExecutable::terminatedDuringStartupMessageEndsCleanly()
{
    TestFolder home;
    // A folder named sd.ini cannot be read: the start-up shows its message box and waits.
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("sd.ini"))));
    auto sendora = startSendora(home.path());
    QVERIFY(sendora->waitForStarted());
    QTest::qWait(1500);
    QCOMPARE(sendora->state(), QProcess::Running);
    QVERIFY(endGracefully(*sendora));
}

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_Executable.moc"
