#include "core/metatags/FetchURL.h"
#include "core/platform/HttpClient.h"
#include "core/settings/TRegistryEintraege.h"
#include "support/HttpTestServer.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedWaitIndicator.h"

#include <QElapsedTimer>
#include <QTest>

using Reply = HttpTestServer::Reply;

class TestFetchURL : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HttpClient::globalInit(); }
    void okWithBodyAndStages();
    void charsetFromContentType();
    void notFound();
    void redirect();
    void stallCancelled();
    void unreachable();
    void throughProxyFromSettings();
    void waitIndicatorShowsAndCancels();
};

void TestFetchURL::okWithBodyAndStages()
{
    HttpTestServer server;
    server.setReply("/index.html", Reply::ok("<html>\r\n<title>Hi</title>\n</html>"));
    TRegistryEintraege settings;
    QList<int> stages;
    FetchURLOptions options;
    options.onProgress = [&stages](int percent) { stages.append(percent); };
    QStringList lines;
    const FetchURLResult result =
        FetchURL(true, server.url("/index.html"), {}, {}, &lines, settings, options);
    QVERIFY(result.success);
    QCOMPARE(result.statusCode, 200);
    QCOMPARE(result.reasonText, QStringLiteral("OK"));
    QCOMPARE(lines, (QStringList { "<html>", "<title>Hi</title>", "</html>" }));
    QCOMPARE(stages, (QList<int> { 20, 30, 40, 50, 60, 70, 80, 100 }));
    QCOMPARE(server.received().first().method, QByteArray("GET"));
}

void TestFetchURL::charsetFromContentType()
{
    HttpTestServer server;
    // The page itself claims UTF-8; the server's header wins.
    server.setReply("/latin", Reply::ok("<meta charset=\"utf-8\">K\xF6nig", "text/html; charset=ISO-8859-1"));
    server.setReply("/meta", Reply::ok("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                       "charset=windows-1252\">\x80",
                                       "text/html"));
    server.setReply("/utf8", Reply::ok("\xC3\xA4\xE2\x82\xAC", "text/plain"));
    TRegistryEintraege settings;
    QStringList lines;
    QVERIFY(FetchURL(true, server.url("/latin"), {}, {}, &lines, settings).success);
    QCOMPARE(lines, QStringList { QStringLiteral("<meta charset=\"utf-8\">K\u00f6nig") });
    QVERIFY(FetchURL(true, server.url("/meta"), {}, {}, &lines, settings).success);
    QVERIFY(lines.first().endsWith(QChar(0x20AC)));
    QVERIFY(FetchURL(true, server.url("/utf8"), {}, {}, &lines, settings).success);
    QCOMPARE(lines, QStringList { QStringLiteral("\u00e4\u20ac") });
}

void TestFetchURL::notFound()
{
    HttpTestServer server;
    TRegistryEintraege settings;
    QStringList lines;
    const FetchURLResult result = FetchURL(true, server.url("/missing"), {}, {}, &lines, settings);
    QVERIFY(!result.success);
    QCOMPARE(result.statusCode, 404);
    QCOMPARE(result.reasonText, QStringLiteral("Not Found"));
    QCOMPARE(lines, QStringList { "<html><body>Not Found</body></html>" });
}

void TestFetchURL::redirect()
{
    HttpTestServer server;
    server.setReply("/old", Reply::redirect("/new", 301));
    server.setReply("/new", Reply::ok("moved here"));
    TRegistryEintraege settings;
    QStringList lines;
    const FetchURLResult result = FetchURL(true, server.url("/old"), {}, {}, &lines, settings);
    QVERIFY(result.success);
    QCOMPARE(result.statusCode, 200);
    QCOMPARE(result.finalUrl, server.url("/new"));
    QCOMPARE(lines, QStringList { "moved here" });
    QCOMPARE(server.requestCount(), 2);
}

void TestFetchURL::stallCancelled()
{
    HttpTestServer server;
    Reply stall;
    stall.stall = true;
    server.setReply("/stall", stall);
    TRegistryEintraege settings;
    QElapsedTimer clock;
    clock.start();
    FetchURLOptions options;
    options.cancelRequested = [&clock] { return clock.elapsed() > 300; };
    QStringList lines { "old" };
    const FetchURLResult result = FetchURL(true, server.url("/stall"), {}, {}, &lines, settings, options);
    QVERIFY(!result.success);
    QCOMPARE(result.statusCode, 0);
    QVERIFY(!result.reasonText.isEmpty());
    QVERIFY(lines.isEmpty());
}

void TestFetchURL::unreachable()
{
    quint16 port = 0;
    {
        HttpTestServer closed; // a port that was free a moment ago and is closed now
        port = closed.port();
    }
    TRegistryEintraege settings;
    QStringList lines;
    const FetchURLResult result = FetchURL(true, QStringLiteral("http://127.0.0.1:%1/").arg(port), {},
                                           {}, &lines, settings);
    QVERIFY(!result.success);
    QCOMPARE(result.statusCode, 0);
    QVERIFY2(!result.reasonText.isEmpty(), "the client's error text");
}

void TestFetchURL::throughProxyFromSettings()
{
    HttpTestServer proxy;
    proxy.setReply("http://sendora.invalid/page", Reply::ok("via proxy"));
    TRegistryEintraege settings;
    settings.globProxy = QStringLiteral("127.0.0.1");
    settings.globProxyPort = QString::number(proxy.port());
    settings.globProxyUsername = QStringLiteral("pu");
    settings.globProxyKennwort = QStringLiteral("pw");
    settings.proxyVorauswahl = 1;
    QStringList lines;
    QVERIFY(FetchURL(true, QStringLiteral("http://sendora.invalid/page"), {}, {}, &lines, settings).success);
    QCOMPARE(lines, QStringList { "via proxy" });
    QCOMPARE(proxy.received().first().header("Proxy-Authorization"),
             QByteArray("Basic ") + QByteArray("pu:pw").toBase64());

    // Preselection 0: no proxy, even though one is configured.
    settings.proxyVorauswahl = 0;
    HttpTestServer direct;
    direct.setReply("/page", Reply::ok("direct"));
    QVERIFY(FetchURL(true, direct.url("/page"), {}, {}, &lines, settings).success);
    QCOMPARE(proxy.requestCount(), 1);
}

void TestFetchURL::waitIndicatorShowsAndCancels()
{
    HttpTestServer server;
    server.setReply("/page", Reply::ok("x"));
    Reply stall;
    stall.stall = true;
    server.setReply("/stall", stall);
    TRegistryEintraege settings;
    {
        ScriptedWaitIndicator wait;
        QVERIFY(FetchURL(false, server.url("/page"), {}, {}, nullptr, settings).success);
        QCOMPARE(wait.showCount(), 1);
        QCOMPARE(wait.caption(), QStringLiteral("Retrieve data"));
        QCOMPARE(wait.text(), QStringLiteral("Please wait. The data is being retrieved"));
        QVERIFY(!wait.visible());
    }
    {
        ScriptedWaitIndicator wait;
        wait.abortAfterUpdates(1); // the user presses Cancel once the connection is open
        QVERIFY(!FetchURL(false, server.url("/stall"), {}, {}, nullptr, settings).success);
        QVERIFY(!wait.visible());
    }
}

QTEST_GUILESS_MAIN(TestFetchURL)
#include "tst_FetchURL.moc"
