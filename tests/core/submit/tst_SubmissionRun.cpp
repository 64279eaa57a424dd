// A whole automatic submission without any window: ticked services of a small database
// pointing at a local server, both reports, the reply pages, the formatted report and
// the last-registered dates.

#include "../services/ServiceFixture.h"

#include "core/app/TGlobaleVariablen.h"
#include "core/platform/HttpClient.h"
#include "core/platform/TDateTime.h"
#include "core/project/TSdProjectData.h"
#include "core/project/TStatusbericht.h"
#include "core/services/TDatenmodul.h"
#include "core/settings/TRegistryEintraege.h"
#include "core/submit/SubmissionRun.h"
#include "core/submit/TvtPostIt.h"
#include "support/HttpTestServer.h"
#include "support/RtfCheck.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedWaitIndicator.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

using F = ServiceField;
using D = TProjektDetails::Field;

namespace {

struct Service
{
    qint32 nr;
    QString name;
    bool ticked;
    QString path;
};

TServiceRecord recordOf(const Service& s, quint16 port, double lastRegistered)
{
    TServiceRecord r = ServiceFixture::record({s.nr, s.name, QStringLiteral("S"), 0, s.ticked ? 1 : 0, 1,
                                               16, lastRegistered, QStringLiteral("DE")});
    r.setValue(F::Action, QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(s.path));
    r.setValue(F::Status, 0);
    r.setValue(F::Methode, QStringLiteral("P"));
    r.setValue(F::KostetGeld, 0);
    r.setValue(F::ManuellURL, QStringLiteral("http://%1.test/add").arg(s.nr));
    r.setValue(F::Parameter1, QStringLiteral("id=%1").arg(s.nr));
    return r;
}

const double kEarlier = ServiceFixture::day(2020, 5, 1, 12, 0);

} // namespace

class TestSubmissionRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { HttpClient::globalInit(); }
    void wholeRun();
    void cancelledRun();
    void nothingToSend();
};

// Everything the runs need: a program folder with a database, the settings, a project.
struct RunFixture
{
    TestFolder folder;
    HttpTestServer server;
    TRegistryEintraege settings;
    TSdProjectData project;
    TStatusbericht currentRun;
    TDatenmodul data;

    explicit RunFixture(const QList<Service>& services)
    {
        QList<TServiceRecord> records;
        for (const Service& s : services)
            records << recordOf(s, server.port(), s.name == QLatin1String("Earlier") ? kEarlier : 0.0);
        // Every service's form takes the site's address; a service without fields has
        // nothing to send.
        ServiceFixture::createRecords(folder.path(), records, [&services](QSqlDatabase& db) {
            for (const Service& s : services)
                ServiceSchema::insertFieldPair(db, s.nr, QStringLiteral("url;"), 2);
        });
        settings.resetToDefaults(1);
        settings.globAnzThreads = 3;
        settings.timeOut = 1;
        settings.stammHTML = folder.filePath(QStringLiteral("replies"));
        settings.htmlDirTyp = 0;
        settings.stammRTF = folder.filePath(QStringLiteral("reports"));
        settings.rtfDirTyp = 0;
        settings.pfadRTFSchablone = QString::fromLocal8Bit(qgetenv("SENDORA_SOURCE_DIR"))
            + QStringLiteral("/resources/templates/schablone.rtf");
        TProjektDetails& d = project.ProjektDetails();
        d.SetURL(QStringLiteral("https://www.example.com/"));
        d.SetTitle(QStringLiteral("Bäckerei {Müller} \\ #T"));
    }

    bool open()
    {
        if (!data.DataModuleCreate(folder.path()))
            return false;
        data.SetSubmissionMode(1);
        return true;
    }

    std::optional<double> lastRegistered(qint32 nr) const
    {
        return data.recordByNr(nr)->date(F::ZuletztRegistriert);
    }
};

void TestSubmissionRun::wholeRun()
{
    ScriptedMessages messages;
    ScriptedWaitIndicator wait;
    RunFixture f({
        {1, QStringLiteral("Alpha"), true, QStringLiteral("/ok")},
        {2, QStringLiteral("Beta"), true, QStringLiteral("/gone")},
        {3, QStringLiteral("Gamma"), true, QStringLiteral("/stall")},
        {4, QStringLiteral("Delta"), true, QStringLiteral("/moved")},
        {5, QStringLiteral("Earlier"), false, QStringLiteral("/ok")},
        {6, QStringLiteral("Idle"), false, QStringLiteral("/ok")},
    });
    f.server.setReply("/ok", HttpTestServer::Reply::withStatus(200, "OK", "<html>thanks</html>"));
    f.server.setReply("/gone", HttpTestServer::Reply::withStatus(404, "Not Found"));
    HttpTestServer::Reply stall;
    stall.stall = true;
    f.server.setReply("/stall", stall);
    f.server.setReply("/moved", HttpTestServer::Reply::redirect("/ok"));
    QVERIFY(f.open());

    // An earlier run of this project succeeded with a service not ticked now.
    TStatusberichtItem* old = f.project.Status().Add();
    old->SetSuchdienst(QStringLiteral("Earlier"));
    old->SetDate(kEarlier);
    old->Details().SetFehlercode(200);
    // The current-run report still holds the previous run.
    f.currentRun.Add()->SetSuchdienst(QStringLiteral("Previous run"));
    GlobaleVariablen.LastRTFReportPath.clear();

    SubmissionRun run(f.project, f.data, f.settings, f.currentRun, f.folder.path());
    int recorded = 0;
    connect(&run, &SubmissionRun::resultRecorded, &run, [&recorded] { ++recorded; });
    const double before = TDateTime::now();
    QVERIFY(run.Execute());
    const double after = TDateTime::now();

    // One result per ticked service, in both reports; the old entry stays first.
    QCOMPARE(recorded, 4);
    QCOMPARE(f.currentRun.Count(), 4);
    QCOMPARE(f.project.Status().Count(), 5);
    QCOMPARE(f.project.Status().Items(0)->Suchdienst(), QStringLiteral("Earlier"));
    QMap<QString, int> codes;
    QMap<QString, QString> replyFiles;
    for (int i = 0; i < f.currentRun.Count(); ++i) {
        const TStatusberichtItem* item = f.currentRun.Items(i);
        codes[item->Suchdienst()] = item->Details().Fehlercode();
        replyFiles[item->Suchdienst()] = item->Details().PfadAntwortSeite();
        QVERIFY(item->Date() >= before && item->Date() <= after);
        QCOMPARE(*f.project.Status().Items(i + 1), *item);
    }
    QCOMPARE(codes.value(QStringLiteral("Alpha")), 200);
    QCOMPARE(codes.value(QStringLiteral("Beta")), -1);
    QCOMPARE(codes.value(QStringLiteral("Gamma")), TvtPostIt::kTimeoutCode);
    QCOMPARE(codes.value(QStringLiteral("Delta")), 200);
    QCOMPARE(run.Successes(), 2);
    QCOMPARE(run.Failures(), 2);
    QVERIFY(f.project.Geaendert());

    // The reply page of a success is stored below the reply folder.
    QFile alphaReply(replyFiles.value(QStringLiteral("Alpha")));
    QVERIFY(alphaReply.fileName().startsWith(f.settings.stammHTML));
    QVERIFY(alphaReply.open(QIODevice::ReadOnly));
    QCOMPARE(alphaReply.readAll(), QByteArray("<html>thanks</html>"));

    // The requests carried the form of each service.
    bool sawAlpha = false;
    for (const HttpTestServer::Received& r : f.server.received()) {
        if (r.path == "/ok" && r.body.contains("id=1"))
            sawAlpha = true;
    }
    QVERIFY(sawAlpha);

    // The formatted report exists, is well-formed and shows the title as it is.
    const QString reportPath = GlobaleVariablen.LastRTFReportPath;
    QVERIFY(reportPath.startsWith(f.settings.stammRTF));
    QFile report(reportPath);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const RtfCheck::Result checked = RtfCheck::check(report.readAll());
    QVERIFY2(checked.ok, qPrintable(checked.error));
    QVERIFY(checked.text.contains(QStringLiteral("Bäckerei {Müller} \\ #T")));
    QVERIFY(checked.text.contains(QStringLiteral("Alpha")));
    QVERIFY(checked.text.contains(QStringLiteral("Gamma")));
    QVERIFY(!checked.text.contains(QStringLiteral("Previous run")));

    // Only the services that succeeded in this run carry the new date.
    for (qint32 nr : {1, 4}) {
        const std::optional<double> date = f.lastRegistered(nr);
        QVERIFY(date.has_value());
        QVERIFY(*date >= before && *date <= TDateTime::now());
    }
    QVERIFY(!f.lastRegistered(2).value_or(0.0));
    QVERIFY(!f.lastRegistered(3).value_or(0.0));
    QCOMPARE(f.lastRegistered(5), std::optional<double>(kEarlier));
    QVERIFY(!f.lastRegistered(6).value_or(0.0));

    // The ticks are what they were before the run.
    QVERIFY(f.data.recordByNr(1)->boolean(F::Ausgewaehlt));
    QVERIFY(!f.data.recordByNr(6)->boolean(F::Ausgewaehlt));
    QCOMPARE(messages.texts(), QStringList());
    QVERIFY(!run.IsRunning());
}

void TestSubmissionRun::cancelledRun()
{
    ScriptedMessages messages;
    ScriptedWaitIndicator wait;
    QList<Service> services;
    for (int i = 1; i <= 8; ++i)
        services.append({i, QStringLiteral("Slow %1").arg(i), true, QStringLiteral("/slow")});
    RunFixture f(services);
    HttpTestServer::Reply slow = HttpTestServer::Reply::withStatus(200, "OK", "late");
    slow.delayMs = 3000;
    f.server.setReply("/slow", slow);
    f.settings.timeOut = 30;
    QVERIFY(f.open());

    SubmissionRun run(f.project, f.data, f.settings, f.currentRun, f.folder.path());
    QCOMPARE(run.Prepare(), 8);
    // Cancel once the first three requests are out.
    connect(&run.Poster(), &TvtPostIt::OnStartThread, &run, [&run](TStatusberichtItem*) {
        if (run.Poster().StartedCount() == 3)
            QTimer::singleShot(100, &run, &SubmissionRun::Cancel);
    });
    run.Run();

    QVERIFY(run.Cancelled());
    QVERIFY(!run.IsRunning());
    // Every request that went out reports once, aborted; nothing more was sent.
    QCOMPARE(f.currentRun.Count(), 3);
    for (int i = 0; i < f.currentRun.Count(); ++i) {
        QCOMPARE(f.currentRun.Items(i)->Details().Fehlercode(), -1);
        QCOMPARE(f.currentRun.Items(i)->Details().Fehlermeldung(),
                 QStringLiteral("Connection aborted on request"));
    }
    QCOMPARE(f.project.Status().Count(), 3);
    QVERIFY(f.server.requestCount() <= 3);
    QVERIFY(TvtPostIt::LiveWorkerCount() <= 3);
    QTRY_COMPARE_WITH_TIMEOUT(TvtPostIt::LiveWorkerCount(), 0, 20000);
}

void TestSubmissionRun::nothingToSend()
{
    ScriptedMessages messages;
    ScriptedWaitIndicator wait;
    RunFixture f({{1, QStringLiteral("Alpha"), false, QStringLiteral("/ok")}});
    QVERIFY(f.open());
    f.currentRun.Add()->SetSuchdienst(QStringLiteral("Previous run"));

    SubmissionRun run(f.project, f.data, f.settings, f.currentRun, f.folder.path());
    QVERIFY(!run.Execute());
    QCOMPARE(f.server.requestCount(), 0);
    QCOMPARE(f.currentRun.Count(), 0);
    QCOMPARE(f.project.Status().Count(), 0);
    QVERIFY(!QDir(f.settings.stammRTF).exists());
    QVERIFY(!f.lastRegistered(1).value_or(0.0));
}

QTEST_GUILESS_MAIN(TestSubmissionRun)
#include "tst_SubmissionRun.moc"
