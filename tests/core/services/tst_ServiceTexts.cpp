// The texts of the service details window and the export file.

#include "ServiceFixture.h"

#include "core/platform/SdError.h"
#include "core/services/ServiceExport.h"
#include "core/services/ServiceTexts.h"
#include "core/services/TDatenmodul.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QTest>

using F = ServiceField;

class TestServiceTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void delay_data();
    void delay();
    void rating_data();
    void rating();
    void kindAndFlags();
    void detailsOfOneRow();

    void exportAll();
    void exportTicked();
    void exportNothingTicked();
    void exportKeepsNamesAndEncoding();
    void exportToUnwritablePath();
};

void TestServiceTexts::delay_data()
{
    QTest::addColumn<QVariant>("days");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("3 days") << QVariant(3) << "S" << "3 days";
    QTest::newRow("4 days round to a week") << QVariant(4) << "S" << "Up to 1 weeks";
    QTest::newRow("14 days") << QVariant(14) << "V" << "Up to 2 weeks";
    QTest::newRow("0, spider") << QVariant(0) << "S" << "Varies (generally several days)";
    QTest::newRow("empty, directory") << QVariant() << "V" << "Varies (generally several weeks)";
    QTest::newRow("0, other") << QVariant(0) << "A" << "Varies (generally several weeks)";
    QTest::newRow("0, unknown kind") << QVariant(0) << "" << "Unknown";
    QTest::newRow("negative") << QVariant(-3) << "S" << "-3 days";
}

void TestServiceTexts::delay()
{
    QFETCH(QVariant, days);
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QCOMPARE(ServiceTexts::delayText(days, kind), expected);
}

void TestServiceTexts::rating_data()
{
    QTest::addColumn<QVariant>("rating");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QVariant() << "New or not very important search service";
    QTest::newRow("0") << QVariant(0) << "New or not very important search service";
    QTest::newRow("1") << QVariant(1) << "Small search service";
    QTest::newRow("2") << QVariant(2) << "Important search service";
    QTest::newRow("3") << QVariant(3) << "Highly important search service";
    QTest::newRow("4") << QVariant(4) << "Top search service";
    QTest::newRow("7") << QVariant(7) << "Search service not yet rated";
    QTest::newRow("-1") << QVariant(-1) << "Search service not yet rated";
}

void TestServiceTexts::rating()
{
    QFETCH(QVariant, rating);
    QFETCH(QString, expected);
    QCOMPARE(ServiceTexts::ratingText(rating), expected);
}

void TestServiceTexts::kindAndFlags()
{
    QCOMPARE(ServiceTexts::kindText(QStringLiteral("S")), QStringLiteral("Spider search engine"));
    QCOMPARE(ServiceTexts::kindText(QStringLiteral("V")), QStringLiteral("Directory"));
    QCOMPARE(ServiceTexts::kindText(QStringLiteral("A")), QStringLiteral("Other"));
    QCOMPARE(ServiceTexts::kindText(QStringLiteral("s")), QStringLiteral("Unknown"));
    QCOMPARE(ServiceTexts::kindText(QString()), QStringLiteral("Unknown"));
    QCOMPARE(ServiceTexts::automaticText(true), QStringLiteral("Only manual submission"));
    QCOMPARE(ServiceTexts::automaticText(false), QStringLiteral("Yes"));
    QCOMPARE(ServiceTexts::feeText(true), QStringLiteral("Yes, this search service charges a fee"));
    QCOMPARE(ServiceTexts::feeText(false), QStringLiteral("No, registration is free of charge"));
    QCOMPARE(ServiceTexts::commentText(QStringLiteral("  ")), QStringLiteral("/"));
    QCOMPARE(ServiceTexts::countryText(QStringLiteral(" ")), QStringLiteral("<Information not available>"));
}

void TestServiceTexts::detailsOfOneRow()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    TServiceRecord r = ServiceFixture::record({9, QStringLiteral("Wiby"), QStringLiteral("A"), 1, 0,
                                               QVariant(), 0, ServiceFixture::day(2024, 3, 10, 15, 30),
                                               QStringLiteral("us")});
    r.setValue(F::URL, QString());
    r.setValue(F::ManuellURL, QStringLiteral("https://wiby.test/submit"));
    ServiceTexts::Details d = ServiceTexts::details(r, 2, english);
    QCOMPARE(d.name, QStringLiteral("Wiby"));
    QCOMPARE(d.country, QStringLiteral("us"));
    QCOMPARE(d.flagResource, QStringLiteral("FUS"));
    QCOMPARE(d.kind, QStringLiteral("Other"));
    QCOMPARE(d.automatic, QStringLiteral("Only manual submission"));
    QCOMPARE(d.rating, QStringLiteral("New or not very important search service"));
    QCOMPARE(d.lastSubmission, QStringLiteral("Website last submitted to this search service on 3/10/24"));
    QCOMPARE(d.comment, QStringLiteral("/"));
    QCOMPARE(d.startPageCaption, QStringLiteral("Go to start page of Wiby"));
    QCOMPARE(d.startPageTarget, ServiceTexts::fallbackPage(2));
    QCOMPARE(d.submitPageCaption, QStringLiteral("Go to 'Submit URL' page of Wiby"));
    QCOMPARE(d.submitPageTarget, QStringLiteral("https://wiby.test/submit"));

    r.setValue(F::ZuletztRegistriert, 0.0);
    r.setValue(F::Land, QString());
    d = ServiceTexts::details(r, 1, english);
    QCOMPARE(d.lastSubmission,
             QStringLiteral("You have not yet submitted your current website to this search service"));
    QCOMPARE(d.country, QStringLiteral("<Information not available>"));
    QVERIFY(d.flagResource.isEmpty());
}

namespace {

QByteArray exportOf(const QStringList& names)
{
    QByteArray bytes = "<!doctype html public \"-//w3c//dtd html 4.0 transitional//en\">\r\n"
                       "<html>\r\n<head>\r\n<title>Search engines</title>\r\n</head>\r\n<body>\r\n<pre>\r\n";
    int n = 0;
    for (const QString& name : names)
        bytes += QByteArray::number(++n) + ") " + name.toLatin1() + "\r\n";
    return bytes + "</pre>\r\n</body>\r\n</html>\r\n";
}

} // namespace

void TestServiceTexts::exportAll()
{
    TestFolder folder;
    ScriptedMessages messages;
    ServiceFixture::create(folder.path(), ServiceFixture::standard());
    TDatenmodul data;
    QVERIFY(data.DataModuleCreate(folder.path()));
    data.SetSubmissionMode(2);
    QVERIFY(data.locate(4));
    const QString path = folder.filePath(QStringLiteral("export.html"));
    ServiceExport::exportServices(data, false, path);
    QCOMPARE(folder.read(QStringLiteral("export.html")),
             exportOf({"Alpha", "beta", "Delta", "Epsilon", "Gamma", "Zeta"}));
    // The view is as it was.
    QCOMPARE(data.rowCount(), 2);
    QCOMPARE(data.currentRecord()->nr(), 4);
    QCOMPARE(data.indexName(), TDatenmodul::sequentialIndex());
}

void TestServiceTexts::exportTicked()
{
    TestFolder folder;
    ScriptedMessages messages;
    ServiceFixture::create(folder.path(), ServiceFixture::standard());
    TDatenmodul data;
    QVERIFY(data.DataModuleCreate(folder.path()));
    data.setRowValue(data.viewRowOf(6), F::Ausgewaehlt, true);
    data.setRowValue(data.viewRowOf(4), F::Ausgewaehlt, true);
    ServiceExport::exportServices(data, true, folder.filePath(QStringLiteral("t.html")));
    QCOMPARE(folder.read(QStringLiteral("t.html")), exportOf({"Alpha", "Delta", "Gamma", "Zeta"}));
    // Only what the view shows: the manual list holds Delta alone of the ticked.
    data.SetSubmissionMode(2);
    QCOMPARE(ServiceExport::lines(data, true).mid(7, 1), QStringList {QStringLiteral("1) Delta")});
}

void TestServiceTexts::exportNothingTicked()
{
    TestFolder folder;
    ScriptedMessages messages;
    ServiceFixture::create(folder.path(), ServiceFixture::standard());
    TDatenmodul data;
    QVERIFY(data.DataModuleCreate(folder.path()));
    data.DeselectAll();
    ServiceExport::exportServices(data, true, folder.filePath(QStringLiteral("n.html")));
    QCOMPARE(folder.read(QStringLiteral("n.html")), exportOf({}));
}

void TestServiceTexts::exportKeepsNamesAndEncoding()
{
    TestFolder folder;
    ScriptedMessages messages;
    ServiceFixture::create(folder.path(), {{1, QStringLiteral("A<b>&c"), QStringLiteral("S"), 0, 1, 0, 0, QVariant(), QString()},
                                           {2, QStringLiteral("Übersicht"), QStringLiteral("V"), 0, 1, 0, 0, QVariant(), QString()}});
    TDatenmodul data;
    QVERIFY(data.DataModuleCreate(folder.path()));
    ServiceExport::exportServices(data, false, folder.filePath(QStringLiteral("e.html")));
    const QByteArray bytes = folder.read(QStringLiteral("e.html"));
    QVERIFY(bytes.contains("\r\n1) A<b>&c\r\n2) \xdc" "bersicht\r\n"));
}

void TestServiceTexts::exportToUnwritablePath()
{
    TestFolder folder;
    ScriptedMessages messages;
    ServiceFixture::create(folder.path(), ServiceFixture::standard());
    TDatenmodul data;
    QVERIFY(data.DataModuleCreate(folder.path()));
    QVERIFY_THROWS_EXCEPTION(SdError, ServiceExport::exportServices(
                                          data, false, folder.filePath(QStringLiteral("no/such/folder/x.html"))));
}

QTEST_GUILESS_MAIN(TestServiceTexts)
#include "tst_ServiceTexts.moc"
