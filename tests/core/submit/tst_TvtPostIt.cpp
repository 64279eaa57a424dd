#include "core/platform/HttpClient.h"
#include "core/platform/SdError.h"
#include "core/submit/TvtPostIt.h"
#include "support/HttpTestServer.h"
#include "support/TestFolder.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using Reply = HttpTestServer::Reply;

class TestTvtPostIt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HttpClient::globalInit(); }
    void setters();
    void replyFolder_data();
    void replyFolder();
    void outcomes_data();
    void outcomes();
};

namespace {

TOneEngine job(const QString& name, const QString& url, const QString& postData = QStringLiteral("XXX"))
{
    TOneEngine j;
    j.Name = name;
    j.URL = url;
    j.PostData = postData;
    j.ReplyFile = name + QStringLiteral(".html");
    j.ProjectTitle = QStringLiteral("My Site");
    j.EngineNr = 1;
    j.ManuellURL = QStringLiteral("http://manual.example/");
    return j;
}

// Runs the jobs and waits until every one has reported or the run has completed.
struct Run
{
    TvtPostIt& poster;
    QList<TStatusberichtItem*> results;
    QList<int> threads;
    int completed = 0;
    int resultsAtCompletion = -1;

    explicit Run(TvtPostIt& p)
        : poster(p)
    {
        QObject::connect(&poster, &TvtPostIt::OnPostComplete, &poster,
                         [this](TStatusberichtItem* item) { results.append(item); });
        QObject::connect(&poster, &TvtPostIt::OnPostThreadsChange, &poster,
                         [this](int active, int) { threads.append(active); });
        QObject::connect(&poster, &TvtPostIt::OnCompleted, &poster, [this] {
            ++completed;
            resultsAtCompletion = int(results.size());
        });
    }

    bool run(const TEnginesToSend& jobs, int timeoutMs = 60000)
    {
        poster.Start(jobs);
        return QTest::qWaitFor([&] { return completed > 0; }, timeoutMs);
    }
};

QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

} // namespace

void TestTvtPostIt::setters()
{
    TvtPostIt poster;
    QCOMPARE(poster.MaxThreads(), 10);
    QCOMPARE(poster.TimeOut(), 90);
    QCOMPARE(poster.DirType(), 0);
    QVERIFY(poster.SaveReplyPages());
    QCOMPARE(poster.StorageDirectory(), QDir::currentPath() + "/");
    for (int bad : { 0, 25, -1 }) {
        try {
            poster.SetMaxThreads(bad);
            QFAIL("no error");
        } catch (const SdError& e) {
            QCOMPARE(e.text(), QStringLiteral("The property value should be in [1..24]"));
        }
        QCOMPARE(poster.MaxThreads(), 10);
    }
    poster.SetMaxThreads(1);
    QCOMPARE(poster.MaxThreads(), 1);
    poster.SetMaxThreads(24);
    QCOMPARE(poster.MaxThreads(), 24);
    poster.SetDirType(2);
    QCOMPARE(poster.DirType(), -1);
    poster.SetDirType(-5);
    QCOMPARE(poster.DirType(), -1);
    poster.SetDirType(1);
    QCOMPARE(poster.DirType(), 1);
    poster.SetStorageDirectory("/tmp/x");
    QCOMPARE(poster.StorageDirectory(), QStringLiteral("/tmp/x/"));
    poster.SetStorageDirectory("/tmp/y/");
    QCOMPARE(poster.StorageDirectory(), QStringLiteral("/tmp/y/"));
}

void TestTvtPostIt::replyFolder_data()
{
    QTest::addColumn<int>("dirType");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("folder");
    QTest::newRow("date/name") << 0 << "My Site" << "/r/20261211/My Site/";
    QTest::newRow("name/date") << 1 << "My Site" << "/r/My Site/20261211/";
    QTest::newRow("date alone") << -1 << "My Site" << "/r/20261211/";
    QTest::newRow("umlaut and punctuation") << 0 << QString::fromUtf8("Ünsere Seite: 2!")
                                            << "/r/20261211/nsere Seite 2/";
    QTest::newRow("only punctuation") << 0 << "!?:/.." << "/r/20261211/Unnamed/";
    QTest::newRow("first 48 characters") << 0 << QString(47, 'a') + " bcd"
                                         << "/r/20261211/" + QString(47, 'a') + "/";
    QTest::newRow("no path through the title") << 1 << "../../etc" << "/r/etc/20261211/";
}

void TestTvtPostIt::replyFolder()
{
    QFETCH(int, dirType);
    QFETCH(QString, title);
    QFETCH(QString, folder);
    QCOMPARE(TvtPostIt::FormatReplyFolder("/r", dirType, QDate(2026, 12, 11), title), folder);
}

void TestTvtPostIt::outcomes_data()
{
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("200") << Reply::ok("<p>thanks</p>") << 200 << "OK" << QByteArray("<p>thanks</p>");
    QTest::newRow("401 as it is") << Reply::withStatus(401, "Unauthorized", "who?") << 401
                                  << "Unauthorized" << QByteArray("who?");
    QTest::newRow("404 is a failure") << Reply::withStatus(404, "Not Found", "gone") << -1
                                      << "Not Found" << QByteArray("gone");
    QTest::newRow("500 is a failure") << Reply::withStatus(500, "Internal Server Error", "oops")
                                      << -1 << "Internal Server Error" << QByteArray("oops");
    QTest::newRow("302 followed") << Reply::redirect("/final") << 200 << "OK" << QByteArray("final page");
    Reply reset;
    reset.reset = true;
    QTest::newRow("reset connection") << reset << -1 << "*" << QByteArray();
    Reply stall;
    stall.stall = true;
    QTest::newRow("stall times out") << stall << 10060 << "Connection timed out (Error #10060)"
                                     << QByteArray();
    Reply drip = Reply::ok(QByteArray(12, 'd'));
    drip.dripBytes = 1;
    drip.dripIntervalMs = 400; // 4.8 s in all, never 1 s of silence
    QTest::newRow("slow drip is no time-out") << drip << 200 << "OK" << QByteArray(12, 'd');
}

void TestTvtPostIt::outcomes()
{
    QFETCH(Reply, reply);
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(QByteArray, stored);

    HttpTestServer server;
    server.setReply("/job", reply);
    server.setReply("/final", Reply::ok("final page"));
    TestFolder folder;
    TvtPostIt poster;
    poster.SetStorageDirectory(folder.path());
    poster.SetTimeOut(2);
    Run run(poster);
    QVERIFY(run.run({ job("x", server.url("/job")) }));
    QCOMPARE(run.results.size(), 1);
    const TStatusberichtItem* item = run.results.first();
    QCOMPARE(item->Suchdienst(), QStringLiteral("x"));
    QCOMPARE(item->Details().Fehlercode(), code);
    if (message == "*")
        QVERIFY(!item->Details().Fehlermeldung().isEmpty());
    else
        QCOMPARE(item->Details().Fehlermeldung(), message);
    QCOMPARE(item->Details().URLAnmeldeseite(), QStringLiteral("http://manual.example/"));
    QVERIFY(item->Date() > 0);
    const QString path = poster.ReplyFolder("My Site") + "x.html";
    QCOMPARE(item->Details().PfadAntwortSeite(), path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stored);
    QCOMPARE(poster.Results(), QList<const TStatusberichtItem*>({ item }));
}

QTEST_GUILESS_MAIN(TestTvtPostIt)
#include "tst_TvtPostIt.moc"
