#include "core/app/SingleInstance.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <memory>

namespace {

// The later start blocks while it waits for the answer, so it runs on a thread of its
// own while the test's event loop serves the first instance.
struct Activation
{
    bool answered = false;
    QString reply;
};

std::unique_ptr<QThread> startActivation(const QString& key, Activation& result)
{
    std::unique_ptr<QThread> thread(QThread::create([key, &result] {
        SingleInstance later(key);
        if (later.claim() == SingleInstance::Role::Second)
            result.answered = later.activateFirst(&result.reply, 5000);
    }));
    thread->start();
    return thread;
}

bool waitFor(QThread& thread)
{
    return QTest::qWaitFor([&] { return thread.isFinished(); }, 10000);
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultTitle_data();
    void defaultTitle();
    void keyDependsOnFolder();
    void secondStartActivatesFirst();
    void differentFoldersRunSideBySide();
    void staleSocketDoesNotBlock();
    void garbageRequestIsDropped();
    void socketFreedWhenFirstEnds();
};

void TestSingleInstance::defaultTitle_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");

    QTest::newRow("first letter kept") << "/usr/bin/sendora" << "sendora";
    QTest::newRow("upper case") << "/opt/SENDORA" << "Sendora";
    QTest::newRow("cut at first dot") << "/x/Sendora.bin.old" << "Sendora";
    QTest::newRow("mixed") << "SubMitTer.exe" << "Submitter";
    QTest::newRow("one letter") << "/bin/s" << "s";
    QTest::newRow("long name") << QString(QStringLiteral("/b/") + QString(600, QLatin1Char('A')))
                               << QString(QLatin1Char('A') + QString(511, QLatin1Char('a')));
}

void TestSingleInstance::defaultTitle()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(SingleInstance::defaultTitle(path), title);
}

void TestSingleInstance::keyDependsOnFolder()
{
    TestFolder a;
    TestFolder b;
    const QString keyA = SingleInstance::keyFor(QStringLiteral("Sendora"), a.path());
    QVERIFY(keyA.startsWith(QLatin1String("PREVINST:Sendora")));
    QCOMPARE(SingleInstance::keyFor(QStringLiteral("Sendora"), a.path() + QStringLiteral("./")),
             keyA);
    QVERIFY(SingleInstance::keyFor(QStringLiteral("Sendora"), b.path()) != keyA);
}

void TestSingleInstance::secondStartActivatesFirst()
{
    TestFolder folder;
    const QString key = SingleInstance::keyFor(QStringLiteral("Sendora"), folder.path());
    SingleInstance first(key);
    QCOMPARE(first.claim(), SingleInstance::Role::First);
    int calls = 0;
    first.setActivationHandler([&calls] {
        ++calls;
        return QStringLiteral("TfrmHauptFormular");
    });
    QSignalSpy activated(&first, &SingleInstance::activated);

    Activation result;
    auto thread = startActivation(key, result);
    QVERIFY(waitFor(*thread));
    QVERIFY(result.answered);
    QCOMPARE(result.reply, QStringLiteral("TfrmHauptFormular"));
    QCOMPARE(calls, 1);
    QCOMPARE(activated.size(), 1);
}

void TestSingleInstance::differentFoldersRunSideBySide()
{
    TestFolder a;
    TestFolder b;
    SingleInstance first(SingleInstance::keyFor(QStringLiteral("Sendora"), a.path()));
    SingleInstance other(SingleInstance::keyFor(QStringLiteral("Sendora"), b.path()));
    QCOMPARE(first.claim(), SingleInstance::Role::First);
    QCOMPARE(other.claim(), SingleInstance::Role::First);
}

void TestSingleInstance::staleSocketDoesNotBlock()
{
    TestFolder folder;
    const QString key = SingleInstance::keyFor(QStringLiteral("Sendora"), folder.path());
    const QString name = SingleInstance(key).serverName();
    const QString socketPath = QDir(QDir::tempPath()).filePath(name);

    // What a crashed instance leaves: a bound socket file that nobody listens on.
    QLocalServer::removeServer(name);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(socketPath);
    QVERIFY(size_t(encoded.size()) < sizeof(address.sun_path));
    qstrcpy(address.sun_path, encoded.constData());
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(socketPath));

    SingleInstance next(key);
    QCOMPARE(next.claim(), SingleInstance::Role::First);

    // And it really serves: a later start is answered.
    next.setActivationHandler([] { return QStringLiteral("raised"); });
    Activation result;
    auto thread = startActivation(key, result);
    QVERIFY(waitFor(*thread));
    QVERIFY(result.answered);
    QCOMPARE(result.reply, QStringLiteral("raised"));
}

void TestSingleInstance::garbageRequestIsDropped()
{
    TestFolder folder;
    const QString key = SingleInstance::keyFor(QStringLiteral("Sendora"), folder.path());
    SingleInstance first(key);
    QCOMPARE(first.claim(), SingleInstance::Role::First);
    int calls = 0;
    first.setActivationHandler([&calls] {
        ++calls;
        return QString();
    });

    for (const QByteArray& junk : {QByteArray("quit\n"), QByteArray(10000, 'x'),
                                   QByteArray("activate now\n"), QByteArray("\0\n", 2)}) {
        QLocalSocket socket;
        socket.connectToServer(first.serverName());
        QVERIFY(socket.waitForConnected(2000));
        socket.write(junk);
        QVERIFY(socket.waitForBytesWritten(2000));
        QVERIFY(QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; },
                                5000));
    }
    QCOMPARE(calls, 0);

    // Still serving afterwards.
    Activation result;
    auto thread = startActivation(key, result);
    QVERIFY(waitFor(*thread));
    QVERIFY(result.answered);
    QCOMPARE(calls, 1);
}

void TestSingleInstance::socketFreedWhenFirstEnds()
{
    TestFolder folder;
    const QString key = SingleInstance::keyFor(QStringLiteral("Sendora"), folder.path());
    {
        SingleInstance first(key);
        QCOMPARE(first.claim(), SingleInstance::Role::First);
    }
    SingleInstance next(key);
    QCOMPARE(next.claim(), SingleInstance::Role::First);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
