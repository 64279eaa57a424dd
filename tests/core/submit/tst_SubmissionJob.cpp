#include "core/project/TProjektDetails.h"
#include "core/submit/SubmissionJob.h"
#include "support/ScriptedWaitIndicator.h"

#include <QTest>

Q_DECLARE_METATYPE(TDetailEngine)

class TestSubmissionJob : public QObject
{
    Q_OBJECT

private slots:
    void buildJob_data();
    void buildJob();
    void detailValues();
    void jobListSkipsFailures();
};

namespace {

const QString kAction = QStringLiteral("http://a.example/add");

TDetailEngine service(const QString& method)
{
    TDetailEngine engine;
    engine.Name = QStringLiteral("Engine");
    engine.Methode = method;
    engine.Action = kAction;
    engine.ManuellURL = QStringLiteral("http://a.example/manual");
    engine.Nr = 7;
    engine.Ref = true;
    engine.Parameter1 = QStringLiteral("a=1");
    engine.FieldNames = { QStringLiteral("url;x"), QStringLiteral("title;x") };
    engine.FieldNumbers = { 2, 1 };
    return engine;
}

void siteDetails(TProjektDetails& details)
{
    details.SetTitle(QStringLiteral("A & B"));
    details.SetURL(QStringLiteral("x://y"));
    details.SetCategory(5);
    details.SetCompany(QStringLiteral("Firm"));
}

} // namespace

void TestSubmissionJob::buildJob_data()
{
    QTest::addColumn<TDetailEngine>("engine");
    QTest::addColumn<bool>("built");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("postData");

    const QString query = QStringLiteral("a=1&url=x%3a%2f%2fy&title=A %26 B");
    QString getQuery = query;
    getQuery.replace(QLatin1Char(' '), QStringLiteral("%20"));

    QTest::newRow("GET: spaces of the URL only") << service("G") << true
                                                   << kAction + "?" + getQuery << "XXX";
    QTest::newRow("get in lower case") << service("g") << true << kAction + "?" + getQuery << "XXX";
    QTest::newRow("POST keeps the body as it is") << service("P") << true << kAction << query;
    QTest::newRow("post in lower case") << service("p") << true << kAction << query;
    QTest::newRow("other method letter") << service("X") << false << "FEHLER" << "";
    QTest::newRow("empty method") << service("") << false << "FEHLER" << "";

    TDetailEngine noSemicolon = service("P");
    noSemicolon.FieldNames = { QStringLiteral("company"), QStringLiteral("title;t") };
    noSemicolon.FieldNumbers = { 12, 1 };
    QTest::newRow("field name without ;") << noSemicolon << true << kAction
                                          << "a=1&=Firm&title=A %26 B";

    TDetailEngine noScheme = service("P");
    noScheme.FieldNames = { QStringLiteral("u;") };
    noScheme.FieldNumbers = { 2 };
    noScheme.Parameter1.clear();
    QTest::newRow("no parameter1, no leading &") << noScheme << true << kAction << "u=x%3a%2f%2fy";

    TDetailEngine category = service("P");
    category.Parameter1.clear();
    category.FieldNames = { QStringLiteral("cat;"), QStringLiteral("c2;") };
    category.FieldNumbers = { 7, 7 };
    category.CategoryTexts = { QStringLiteral("Four"), QStringLiteral("Five"), QStringLiteral("Five again") };
    category.CategoryNumbers = { 4, 5, 5 };
    QTest::newRow("category: first matching pair") << category << true << kAction
                                                   << "cat=Five&c2=Five";
    category.CategoryNumbers = { 4, 6, 8 };
    QTest::newRow("category without a pair") << category << true << kAction << "cat=&c2=";

    TDetailEngine emptyFields = service("P");
    emptyFields.Parameter1.clear();
    emptyFields.FieldNames = { QStringLiteral("c;"), QStringLiteral("n0;"), QStringLiteral("n27;"),
                               QStringLiteral("n47;"), QStringLiteral("neg;") };
    emptyFields.FieldNumbers = { 12, 0, 27, 47, -3 };
    QTest::newRow("fields 0, 27, 47 are empty") << emptyFields << true << kAction
                                                << "c=Firm&n0=&n27=&n47=&neg=";

    TDetailEngine onlyParameter = service("G");
    onlyParameter.FieldNames.clear();
    onlyParameter.FieldNumbers.clear();
    QTest::newRow("Parameter1 without field pairs") << onlyParameter << false << "FEHLER" << "";

    TDetailEngine question = service("G");
    question.Action = QStringLiteral("http://a.example/add?x=1");
    QTest::newRow("Action with ?") << question << true
                                   << "http://a.example/add?x=1?" + getQuery << "XXX";

    TDetailEngine noAction = service("P");
    noAction.Action.clear();
    QTest::newRow("empty Action") << noAction << false << "" << query;
}

void TestSubmissionJob::buildJob()
{
    QFETCH(TDetailEngine, engine);
    QFETCH(bool, built);
    QFETCH(QString, url);
    QFETCH(QString, postData);

    TProjektDetails details;
    siteDetails(details);
    TOneEngine job;
    job.Name = QStringLiteral("stale");
    QCOMPARE(BuildJob(engine, details, job), built);
    QCOMPARE(job.URL, url);
    QCOMPARE(job.PostData, postData);
    if (built) {
        QCOMPARE(job.Name, engine.Name);
        QCOMPARE(job.ReplyFile, engine.Name + ".html");
        QCOMPARE(job.ProjectTitle, QStringLiteral("A & B"));
        QCOMPARE(job.EngineNr, 7);
        QCOMPARE(job.ManuellURL, engine.ManuellURL);
        QVERIFY(job.Ref);
    }
}

void TestSubmissionJob::detailValues()
{
    TProjektDetails details;
    details.SetTitle(QStringLiteral("T&T&T"));
    details.SetURL(QStringLiteral("http://a://b"));
    details.SetLanguage(-2);
    details.SetAge(30);
    details.SetCountry(49);
    for (int k = 1; k <= 15; ++k)
        details.SetKey(k, QStringLiteral("k%1").arg(k));
    details.SetDescriptionShort(QStringLiteral("short"));
    details.SetWebmasterEmail(QStringLiteral("w@x"));
    QCOMPARE(DetailValue(1, details, {}), QStringLiteral("T%26T%26T"));
    QCOMPARE(DetailValue(2, details, {}), QStringLiteral("http%3a%2f%2fa://b"));
    QCOMPARE(DetailValue(5, details, {}), QStringLiteral("-2"));
    QCOMPARE(DetailValue(7, details, QStringLiteral("Cat")), QStringLiteral("Cat"));
    QCOMPARE(DetailValue(17, details, {}), QStringLiteral("49"));
    QCOMPARE(DetailValue(26, details, {}), QStringLiteral("30"));
    QCOMPARE(DetailValue(15, details, {}), QStringLiteral("w@x"));
    QCOMPARE(DetailValue(29, details, {}), QStringLiteral("w@x"));
    QCOMPARE(DetailValue(31, details, {}), QStringLiteral("k1"));
    QCOMPARE(DetailValue(45, details, {}), QStringLiteral("k15"));
    QCOMPARE(DetailValue(46, details, {}), QStringLiteral("short"));
    details.SetURL(QStringLiteral("www.example.com"));
    QCOMPARE(DetailValue(2, details, {}), QStringLiteral("Fehler!!!"));
}

void TestSubmissionJob::jobListSkipsFailures()
{
    ScriptedWaitIndicator wait;
    TProjektDetails details;
    siteDetails(details);
    TDetailEngine longName = service("G");
    longName.Name = QString(40, QLatin1Char('n'));
    TDetailEngine tooLong = service("P");
    tooLong.Name = QString(41, QLatin1Char('m'));
    TDetailEngine onlyParameter = service("G");
    onlyParameter.FieldNames.clear();
    onlyParameter.FieldNumbers.clear();
    const TEnginesArray services { longName, onlyParameter, tooLong, service("Q") };

    TEnginesToSend jobs { TOneEngine() };
    const int count = BuildJobList(jobs, { &details }, services);
    QCOMPARE(count, 2);
    QCOMPARE(jobs.size(), 2);
    QCOMPARE(jobs.at(0).Name, longName.Name);
    QCOMPARE(jobs.at(0).ReplyFile, longName.Name + ".html");
    QCOMPARE(jobs.at(1).Name, QString(40, QLatin1Char('m')));
    QCOMPARE(jobs.at(1).ReplyFile, tooLong.Name + ".html");
    QCOMPARE(wait.caption(), QStringLiteral("Please wait ..."));
    QCOMPARE(wait.showCount(), 1);
    QVERIFY(!wait.visible());
    QCOMPARE(wait.updateCount(), 2);
}

QTEST_GUILESS_MAIN(TestSubmissionJob)
#include "tst_SubmissionJob.moc"
