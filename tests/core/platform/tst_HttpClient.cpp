#include "core/platform/HttpClient.h"
#include "core/platform/HttpRequestRunner.h"
#include "support/HttpTestServer.h"
#include "support/TestFolder.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <thread>

using Reply = HttpTestServer::Reply;

class TestHttpClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HttpClient::globalInit(); }
    void postSendsEverything();
    void basicAuthentication();
    void redirectLimit();
    void idleTimeoutMeasuresSilence();
    void resetConnection();
    void bodyToFile();
    void abortFromAnotherThread();
    void progressReportsTotal();
    void runnerReportsThroughSignals();
    void runnerDestroyedWhileRunning();
};

void TestHttpClient::postSendsEverything()
{
    HttpTestServer server;
    server.setReply("/submit", Reply::ok("thanks"));
    HttpClient client;
    HttpClient::Request request;
    request.method = HttpClient::Method::Post;
    request.url = server.url("/submit?x=1");
    request.body = "url=http%3A%2F%2Fa.de&title=A";
    request.userAgent = "Sendora-Test";
    request.referer = "http://referer.example/";
    request.accept = "text/html";
    request.headers = { { "X-Extra", "42" } };
    const HttpClient::Result result = client.perform(request);
    QVERIFY(result.completed);
    QCOMPARE(result.statusCode, 200);
    QCOMPARE(result.body, QByteArray("thanks"));
    QCOMPARE(result.contentType(), QByteArray("text/html"));
    const HttpTestServer::Received got = server.received().value(0);
    QCOMPARE(got.method, QByteArray("POST"));
    QCOMPARE(got.path, QByteArray("/submit?x=1"));
    QCOMPARE(got.body, request.body);
    QCOMPARE(got.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(got.header("User-Agent"), QByteArray("Sendora-Test"));
    QCOMPARE(got.header("Referer"), QByteArray("http://referer.example/"));
    QCOMPARE(got.header("Accept"), QByteArray("text/html"));
    QCOMPARE(got.header("X-Extra"), QByteArray("42"));
}

void TestHttpClient::basicAuthentication()
{
    HttpTestServer server;
    Reply secret = Reply::ok("INFO");
    secret.basicUser = "user";
    secret.basicPassword = "p@ss";
    server.setReply("/INFO.DAT", secret);
    HttpClient client;
    HttpClient::Request request;
    request.url = server.url("/INFO.DAT");
    HttpClient::Result result = client.perform(request);
    QVERIFY(result.completed);
    QCOMPARE(result.statusCode, 401);
    QCOMPARE(result.reasonPhrase, QStringLiteral("Unauthorized"));

    request.user = QStringLiteral("user");
    request.password = QStringLiteral("p@ss");
    result = client.perform(request);
    QCOMPARE(result.statusCode, 200);
    QCOMPARE(result.body, QByteArray("INFO"));
}

void TestHttpClient::redirectLimit()
{
    HttpTestServer server;
    server.setReply("/loop", Reply::redirect("/loop"));
    HttpClient client;
    HttpClient::Request request;
    request.url = server.url("/loop");
    request.maxRedirects = 3;
    const HttpClient::Result result = client.perform(request);
    QVERIFY(!result.completed);
    QVERIFY(!result.errorText.isEmpty());
    QCOMPARE(server.requestCount(), 4);

    request.followRedirects = false;
    const HttpClient::Result unfollowed = client.perform(request);
    QVERIFY(unfollowed.completed);
    QCOMPARE(unfollowed.statusCode, 302);
    QCOMPARE(unfollowed.header("Location"), QByteArray("/loop"));
}

void TestHttpClient::idleTimeoutMeasuresSilence()
{
    HttpTestServer server;
    Reply drip = Reply::ok(QByteArray(12, 'x'));
    drip.dripBytes = 1;
    drip.dripIntervalMs = 150; // 1.8 s in all, but never more than 150 ms silent
    server.setReply("/drip", drip);
    Reply silent = Reply::ok("late");
    silent.delayMs = 5000;
    server.setReply("/silent", silent);

    HttpClient client;
    HttpClient::Request request;
    request.url = server.url("/drip");
    request.idleTimeoutMs = 1000;
    HttpClient::Result result = client.perform(request);
    QVERIFY2(result.completed, qPrintable(result.errorText));
    QCOMPARE(result.body, QByteArray(12, 'x'));

    request.url = server.url("/silent");
    result = client.perform(request);
    QVERIFY(!result.completed);
    QVERIFY(result.timedOut);
    QCOMPARE(result.curlCode, 28); // CURLE_OPERATION_TIMEDOUT
}

void TestHttpClient::resetConnection()
{
    HttpTestServer server;
    Reply reset;
    reset.reset = true;
    server.setReply("/reset", reset);
    HttpClient client;
    HttpClient::Request request;
    request.url = server.url("/reset");
    const HttpClient::Result result = client.perform(request);
    QVERIFY(!result.completed);
    QVERIFY(result.curlCode != 0);
    QVERIFY(!result.errorText.isEmpty());
    QCOMPARE(result.statusCode, 0);
}

void TestHttpClient::bodyToFile()
{
    HttpTestServer server;
    server.setReply("/reply", Reply::ok(QByteArray(100000, 'r')));
    TestFolder folder;
    QFile file(folder.filePath("reply.html"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    HttpClient client;
    client.setBodyDevice(&file);
    HttpClient::Request request;
    request.url = server.url("/reply");
    const HttpClient::Result result = client.perform(request);
    file.close();
    QVERIFY(result.completed);
    QVERIFY(result.body.isEmpty());
    QCOMPARE(result.bytesReceived, 100000);
    QCOMPARE(folder.read("reply.html"), QByteArray(100000, 'r'));
}

void TestHttpClient::abortFromAnotherThread()
{
    HttpTestServer server;
    Reply stall;
    stall.stall = true;
    server.setReply("/stall", stall);
    HttpClient client;
    HttpClient::Request request;
    request.url = server.url("/stall");
    std::thread aborter([&client] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        client.abort();
    });
    QElapsedTimer clock;
    clock.start();
    const HttpClient::Result result = client.perform(request);
    aborter.join();
    QVERIFY(!result.completed);
    QVERIFY(result.aborted);
    QCOMPARE(result.curlCode, 42); // CURLE_ABORTED_BY_CALLBACK
}

void TestHttpClient::progressReportsTotal()
{
    HttpTestServer server;
    Reply drip = Reply::ok(QByteArray(4000, 'p'));
    drip.dripBytes = 1000;
    drip.dripIntervalMs = 20;
    server.setReply("/p", drip);
    HttpClient client;
    qint64 lastReceived = 0;
    qint64 lastTotal = 0;
    client.setProgressCallback([&](qint64 received, qint64 total) {
        QVERIFY(received >= lastReceived);
        lastReceived = received;
        lastTotal = total;
    });
    HttpClient::Request request;
    request.url = server.url("/p");
    QVERIFY(client.perform(request).completed);
    QCOMPARE(lastReceived, 4000);
    QCOMPARE(lastTotal, 4000);
}

void TestHttpClient::runnerReportsThroughSignals()
{
    HttpTestServer server;
    server.setReply("/a", Reply::ok("async"));
    HttpRequestRunner runner;
    QSignalSpy stages(&runner, &HttpRequestRunner::stageReached);
    QSignalSpy finished(&runner, &HttpRequestRunner::finished);
    HttpClient::Request request;
    request.url = server.url("/a");
    QVERIFY(runner.start(request));
    QVERIFY(!runner.start(request));
    const HttpClient::Result result = runner.waitForFinished();
    QCOMPARE(result.body, QByteArray("async"));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(stages.last().first().value<HttpClient::Stage>(), HttpClient::Stage::Finished);
    QVERIFY(!runner.isRunning());
}

void TestHttpClient::runnerDestroyedWhileRunning()
{
    HttpTestServer server;
    Reply stall;
    stall.stall = true;
    server.setReply("/stall", stall);
    {
        HttpRequestRunner runner;
        HttpClient::Request request;
        request.url = server.url("/stall");
        QVERIFY(runner.start(request));
        QTest::qWait(100);
    }
    // The detached worker ends on its own; its queued reports reach nothing.
    QTest::qWait(1500);
}

QTEST_GUILESS_MAIN(TestHttpClient)
#include "tst_HttpClient.moc"
