#include "core/details/SiteChecker.h"
#include "core/platform/HttpClient.h"
#include "core/settings/TRegistryEintraege.h"
#include "support/HttpTestServer.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedWaitIndicator.h"

#include <QTest>

class TestSiteChecker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HttpClient::globalInit(); }
    void title_data();
    void title();
    void emptyUrlFetchesNothing();
    void failedThenSuccessfulRun();
};

void TestSiteChecker::title_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain") << "<html><head><title>Shop</title></head>" << "Shop";
    QTest::newRow("two titles, the last one counts") << "<TITLE>One</TITLE><title>Two</title>" << "Two";
    QTest::newRow("attribute on the tag") << "<title lang=\"en\">x</title>" << "x";
    QTest::newRow("no title") << "<html></html>" << "";
    QTest::newRow("line break inside") << "<title>a\r\nb</title>" << "a\r\nb";
}

void TestSiteChecker::title()
{
    QFETCH(QString, page);
    QFETCH(QString, title);
    QEXPECT_FAIL("attribute on the tag", "the tag's text up to \">\" is taken, attributes and all", Continue);
    QCOMPARE(SiteChecker::extractTitle(page), title);
}

void TestSiteChecker::emptyUrlFetchesNothing()
{
    ScriptedMessages messages;
    bool urlFehler = true;
    bool fetched = false;
    const auto facts = SiteChecker::check(QString(), urlFehler, [&fetched](const QString&, QStringList*) {
        fetched = true;
        return FetchURLResult {};
    });
    QVERIFY(!facts);
    QVERIFY(!fetched);
    QVERIFY(urlFehler);
    QCOMPARE(messages.texts(),
             QStringList { "Enter website's URL in field 'URL' and click 'Check URL' again!" });
}

void TestSiteChecker::failedThenSuccessfulRun()
{
    HttpTestServer server;
    server.setReply("/", HttpTestServer::Reply::ok(
                             "<html><head><title>First</title><title>Garden Shop</title>\r\n"
                             "<meta name=\"keywords\" content=\"garden, tools\">\r\n"
                             "<meta name=\"description\" content=\"Tools.\"></head></html>"));
    TRegistryEintraege settings;
    ScriptedMessages messages;
    ScriptedWaitIndicator wait;
    const SiteChecker::Fetcher fetch = SiteChecker::defaultFetcher(settings);
    bool urlFehler = false;

    QVERIFY(!SiteChecker::check(server.url("/missing"), urlFehler, fetch));
    QVERIFY(urlFehler);
    QCOMPARE(messages.texts(), QStringList { "Data could not be retrieved!\rError code: 404 (Not Found)." });
    QCOMPARE(wait.showCount(), 1);

    messages.clear();
    const auto facts = SiteChecker::check(server.url("/"), urlFehler, fetch);
    QVERIFY(facts);
    QVERIFY(!urlFehler);
    QCOMPARE(facts->title, QStringLiteral("Garden Shop"));
    QCOMPARE(facts->keywords, QStringLiteral("garden, tools"));
    QCOMPARE(facts->description, QStringLiteral("Tools."));
    QCOMPARE(facts->refreshDelay, -1);
    QVERIFY(messages.shown().isEmpty());
}

QTEST_GUILESS_MAIN(TestSiteChecker)
#include "tst_SiteChecker.moc"
