// Recording results: the success bounds of every place, the copies into both reports,
// and the last-registered dates after a run.

#include "../services/ServiceFixture.h"

#include "core/platform/SdError.h"
#include "core/project/TSdProjectData.h"
#include "core/project/TStatusbericht.h"
#include "core/services/TDatenmodul.h"
#include "core/submit/ResultCodes.h"
#include "core/submit/ResultRecording.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using F = ServiceField;

namespace {

void addEntry(TStatusbericht& report, const QString& name, int code)
{
    TStatusberichtItem* e = report.Add();
    e->SetSuchdienst(name);
    e->SetDate(ServiceFixture::day(2025, 1, 1));
    e->Details().SetFehlercode(code);
}

QVariant lastRegistered(const TDatenmodul& data, qint32 nr)
{
    const QVariant& v = data.recordByNr(nr)->value(F::ZuletztRegistriert);
    return v.isNull() ? QVariant() : QVariant(v.toDouble());
}

} // namespace

class TestResultRecording : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void successRules_data();
    void successRules();
    void recordResultCopiesIntoBothReports();
    void updateLastRegisteredStampsOnlyThisRun();
    void updateLastRegisteredRestoresViewOnError();
};

void TestResultRecording::successRules_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("progressCount");
    QTest::addColumn<bool>("progressColour");
    QTest::addColumn<bool>("reportView");
    QTest::addColumn<bool>("formattedReport");
    QTest::addColumn<bool>("lastRegistered");

    QTest::newRow("302 redirect") << 302 << true << true << true << true << true;
    QTest::newRow("401 unauthorized") << 401 << false << false << false << false << false;
    QTest::newRow("399") << 399 << false << true << true << true << true;
    QTest::newRow("398") << 398 << true << true << true << true << true;
    QTest::newRow("400") << 400 << false << false << false << false << false;
    QTest::newRow("200") << 200 << true << true << true << true << true;
    QTest::newRow("1") << 1 << true << true << true << true << true;
    QTest::newRow("0 manual") << 0 << false << false << true << true << true;
    QTest::newRow("-1 error") << -1 << false << false << false << false << false;
    QTest::newRow("10060 time-out") << 10060 << false << false << false << false << false;
}

void TestResultRecording::successRules()
{
    QFETCH(int, code);
    QTEST(ResultCodes::countsAsSuccessInProgress(code), "progressCount");
    QTEST(ResultCodes::showsSuccessColour(code), "progressColour");
    QTEST(ResultCodes::isSuccessInReportView(code), "reportView");
    QTEST(ResultCodes::isSuccessInFormattedReport(code), "formattedReport");
    QTEST(ResultCodes::stampsLastRegistered(code), "lastRegistered");
}

void TestResultRecording::recordResultCopiesIntoBothReports()
{
    TSdProjectData project;
    addEntry(project.Status(), QStringLiteral("Earlier"), 200);
    TStatusbericht run;

    TStatusberichtItem result;
    result.SetSuchdienst(QStringLiteral("Alpha"));
    result.SetDate(ServiceFixture::day(2026, 12, 11, 8, 30));
    result.Details().SetFehlermeldung(QStringLiteral("Found"));
    result.Details().SetFehlercode(302);
    result.Details().SetEngineNr(17);
    result.Details().SetURLAnmeldeseite(QStringLiteral("http://alpha.test/add"));
    result.Details().SetPfadAntwortSeite(QStringLiteral("/tmp/HTML/Alpha.html"));
    result.Details().SetSubmittedURL(QStringLiteral("not copied"));

    RecordResult(result, project.Status(), run);

    QCOMPARE(project.Status().Count(), 2);
    QCOMPARE(run.Count(), 1);
    for (const TStatusberichtItem* copy : {project.Status().Items(1), run.Items(0)}) {
        QVERIFY(copy != &result);
        QCOMPARE(copy->Suchdienst(), result.Suchdienst());
        QCOMPARE(copy->Date(), result.Date());
        QCOMPARE(copy->Details().Fehlermeldung(), QStringLiteral("Found"));
        QCOMPARE(copy->Details().Fehlercode(), 302);
        QCOMPARE(copy->Details().EngineNr(), 17);
        QCOMPARE(copy->Details().URLAnmeldeseite(), QStringLiteral("http://alpha.test/add"));
        QCOMPARE(copy->Details().PfadAntwortSeite(), QStringLiteral("/tmp/HTML/Alpha.html"));
        QCOMPARE(copy->Details().SubmittedURL(), QString());
    }
    // The reports hold copies: the poster frees its result at the next run.
    result.SetSuchdienst(QStringLiteral("changed"));
    QCOMPARE(run.Items(0)->Suchdienst(), QStringLiteral("Alpha"));
}

void TestResultRecording::updateLastRegisteredStampsOnlyThisRun()
{
    TestFolder folder;
    ScriptedMessages messages;
    const QString path = ServiceFixture::create(folder.path(), ServiceFixture::standard());
    const double now = ServiceFixture::day(2026, 12, 11, 9, 15);
    {
        TDatenmodul data;
        QVERIFY(data.DataModuleCreate(folder.path()));
        data.SetSubmissionMode(1);
        data.SetViewFlags(TDatenmodul::OnlyTicked);
        QVERIFY(data.setIndexName(QStringLiteral("IdxBewertung")));
        QVERIFY(data.locate(3));
        const int rowsBefore = data.rowCount();
        const QString filterBefore = data.filterText();
        ServiceFixture::writtenRows(path);

        TSdProjectData project;
        // Earlier runs of the project: Delta succeeded, beta failed.
        addEntry(project.Status(), QStringLiteral("Delta"), 200);
        addEntry(project.Status(), QStringLiteral("beta"), 200);
        // This run. Names are looked up without regard to case, as the name index does.
        TStatusbericht run;
        addEntry(run, QStringLiteral("Alpha"), 200);
        addEntry(run, QStringLiteral("Gamma"), -1);
        addEntry(run, QStringLiteral("beta"), 10060);
        addEntry(run, QStringLiteral("Zeta"), 0);
        addEntry(run, QStringLiteral("EPSILON"), 399);
        addEntry(run, QStringLiteral("No such service"), 200);
        addEntry(run, QStringLiteral("Delta"), 400);
        for (int i = 0; i < run.Count(); ++i) {
            TStatusberichtItem* e = project.Status().Add();
            e->SetSuchdienst(run.Items(i)->Suchdienst());
            e->Details().SetFehlercode(run.Items(i)->Details().Fehlercode());
        }

        UpdateLastRegistered(project, run, data, now);

        QVERIFY(project.Geaendert());
        QCOMPARE(lastRegistered(data, 1), QVariant(now));   // Alpha, 200
        QCOMPARE(lastRegistered(data, 6), QVariant(now));   // Zeta, 0 (manual)
        QCOMPARE(lastRegistered(data, 5), QVariant(now));   // Epsilon, 399
        QCOMPARE(lastRegistered(data, 3), QVariant(ServiceFixture::day(2024, 3, 10, 15, 30))); // failed
        QCOMPARE(lastRegistered(data, 2), QVariant());       // beta: time-out now
        // Delta succeeded in an earlier run only: this run did not submit to it.
        QCOMPARE(lastRegistered(data, 4), QVariant(ServiceFixture::day(2024, 1, 1)));

        // The view is as it was.
        QCOMPARE(data.indexName(), QStringLiteral("IdxBewertung"));
        QCOMPARE(data.filterText(), filterBefore);
        QCOMPARE(data.rowCount(), rowsBefore);
        QCOMPARE(data.currentRecord()->nr(), 3);
    }
    // Exactly the stamped rows were written to the database.
    QCOMPARE(ServiceFixture::writtenRows(path), (QList<int> {1, 6, 5}));
    {
        TDatenmodul reopened;
        QVERIFY(reopened.DataModuleCreate(folder.path()));
        QCOMPARE(lastRegistered(reopened, 1), QVariant(now));
        QCOMPARE(lastRegistered(reopened, 4), QVariant(ServiceFixture::day(2024, 1, 1)));
    }
    QCOMPARE(messages.texts(), QStringList());
}

void TestResultRecording::updateLastRegisteredRestoresViewOnError()
{
    TestFolder folder;
    ScriptedMessages messages;
    QList<TServiceRecord> records;
    for (const ServiceFixture::Service& s : ServiceFixture::standard())
        records << ServiceFixture::record(s);
    ServiceFixture::createRecords(folder.path(), records, [](QSqlDatabase& db) {
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF ZuletztRegistriert ON dba "
                              "WHEN new.Nr = 6 BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    });
    TDatenmodul data;
    QVERIFY(data.DataModuleCreate(folder.path()));
    data.SetSubmissionMode(2);
    QVERIFY(data.setIndexName(QStringLiteral("FF$PRIMARY")));
    QVERIFY(data.locate(4));
    const QString filterBefore = data.filterText();
    const int rowsBefore = data.rowCount();

    TSdProjectData project;
    TStatusbericht run;
    addEntry(run, QStringLiteral("Alpha"), 200);
    addEntry(run, QStringLiteral("Zeta"), 200);
    addEntry(run, QStringLiteral("Gamma"), 200);
    const double now = ServiceFixture::day(2026, 12, 11, 9, 0);

    QVERIFY_THROWS_EXCEPTION(SdError, UpdateLastRegistered(project, run, data, now));

    QVERIFY(project.Geaendert());
    QCOMPARE(lastRegistered(data, 1), QVariant(now));
    QCOMPARE(lastRegistered(data, 6), QVariant(ServiceFixture::day(2023, 12, 31)));
    // The error ended the walk.
    QCOMPARE(lastRegistered(data, 3), QVariant(ServiceFixture::day(2024, 3, 10, 15, 30)));
    QVERIFY(!data.isEditing());
    QCOMPARE(data.indexName(), QStringLiteral("FF$PRIMARY"));
    QCOMPARE(data.filterText(), filterBefore);
    QCOMPARE(data.rowCount(), rowsBefore);
    QCOMPARE(data.currentRecord()->nr(), 4);
}

QTEST_GUILESS_MAIN(TestResultRecording)
#include "tst_ResultRecording.moc"
