#include "core/platform/HttpClient.h"
#include "core/settings/StringCipher.h"
#include "core/update/TUpdateManager.h"
#include "core/update/TUpmngWebFileInfo.h"
#include "core/update/UpdateServer.h"
#include "core/update/UpdateTexts.h"
#include "support/HttpTestServer.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QTest>

namespace {

const QByteArray kUser(UpdateServer::kUserName.data(), UpdateServer::kUserName.size());
const QByteArray kPassword(UpdateServer::kPassword.data(), UpdateServer::kPassword.size());

HttpTestServer::Reply protectedReply(HttpTestServer::Reply reply)
{
    reply.basicUser = kUser;
    reply.basicPassword = kPassword;
    return reply;
}

TAktuelleVersionInfo versionsFor(const HttpTestServer& server)
{
    TAktuelleVersionInfo info;
    info.serverRoot = server.url(QStringLiteral("/updates/"));
    info.infoFileUrl = info.serverRoot + QStringLiteral("INFO.DAT");
    info.verSD = QStringLiteral("3.0.0.0");
    info.verOH = QStringLiteral("3.2.0.0");
    info.verDK = QStringLiteral("3.2.0.0");
    info.verGS = QStringLiteral("3.2");
    return info;
}

QByteArray infoFile(const QStringList& plainLines)
{
    QByteArray body;
    for (const QString& line : plainLines)
        body += EncryptText(line).toLatin1() + "\r\n";
    return body;
}

QByteArray payload(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

} // namespace

class TestUpdateDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { HttpClient::globalInit(); }
    void fetchesWithBasicAuthentication();
    void fetchFailures_data();
    void fetchFailures();
    void checkForUpdates();
    void groupedNumbers_data();
    void groupedNumbers();
    void downloadWithProgress();
    void downloadCancelledHalfWay();
    void downloadNotFound();
    void downloadUpdatesStopsAtFirstFailure();
};

void TestUpdateDownload::fetchesWithBasicAuthentication()
{
    HttpTestServer server;
    QVERIFY(server.isListening());
    server.setReply("/updates/INFO.DAT",
                    protectedReply(HttpTestServer::Reply::ok(
                        infoFile({ QStringLiteral(
                            "SDSE-STD;ENGLISCH;DATENBANK;VOLL;3.1;3.0;t;d;db.zip;10;45000;") }),
                        "text/plain")));
    ScriptedMessages messages;
    TUpdateManager manager(versionsFor(server));
    QString errorText;
    QVERIFY2(manager.FetchUpdateInformation(errorText), qPrintable(errorText));
    QVERIFY(errorText.isEmpty());
    QVERIFY(manager.updatesAvailable());
    QCOMPARE(manager.updateSlots()[1].RemoteFile, QStringLiteral("DB.ZIP"));

    const HttpTestServer::Received request = server.received().last();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.header("Authorization"),
             "Basic " + QByteArray(kUser + ':' + kPassword).toBase64());
    QCOMPARE(request.header("User-Agent"), QByteArray("Mozilla/4.0 (compatible; MSIE 5.0; Win32)"));
    QCOMPARE(request.header("Referer"), QByteArray(UpdateServer::kReferer.data()));
    QCOMPARE(request.header("Accept"),
             QByteArray("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*"));
}

void TestUpdateDownload::fetchFailures_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("errorStart");
    QTest::newRow("wrong credentials")
        << QStringLiteral("credentials") << QStringLiteral("Connection error: 401 ");
    QTest::newRow("status above 200")
        << QStringLiteral("203")
        << QStringLiteral("Connection error: 203 Non-Authoritative Information");
    QTest::newRow("server gone") << QStringLiteral("closed")
                                 << QStringLiteral("Connection error: 7 ");
    QTest::newRow("no address") << QStringLiteral("no address")
                                << QStringLiteral(
                                       "Cannot retrieve version information because no home URL "
                                       "was provided.");
    QTest::newRow("line that does not parse")
        << QStringLiteral("bad line") << QStringLiteral("Error code:  xc882");
}

void TestUpdateDownload::fetchFailures()
{
    QFETCH(QString, setup);
    QFETCH(QString, errorStart);

    auto server = std::make_unique<HttpTestServer>();
    TAktuelleVersionInfo versions = versionsFor(*server);
    if (setup == QLatin1String("credentials")) {
        HttpTestServer::Reply reply = HttpTestServer::Reply::ok("x");
        reply.basicUser = kUser;
        reply.basicPassword = "another1";
        server->setReply("/updates/INFO.DAT", reply);
    } else if (setup == QLatin1String("203")) {
        server->setReply("/updates/INFO.DAT",
                         protectedReply(HttpTestServer::Reply::withStatus(
                             203, "Non-Authoritative Information", "")));
    } else if (setup == QLatin1String("closed")) {
        server.reset(); // nothing listens on the port any more
    } else if (setup == QLatin1String("no address")) {
        versions.infoFileUrl.clear();
    } else {
        server->setReply("/updates/INFO.DAT",
                         protectedReply(HttpTestServer::Reply::ok("not enciphered\r\n")));
    }

    ScriptedMessages messages;
    TUpdateManager manager(versions);
    QString errorText;
    QVERIFY(!manager.FetchUpdateInformation(errorText));
    QVERIFY2(errorText.startsWith(errorStart), qPrintable(errorText));
    QVERIFY(errorText.size() > errorStart.size() || !errorStart.endsWith(u' '));
    QVERIFY(!manager.updatesAvailable());
}

void TestUpdateDownload::checkForUpdates()
{
    HttpTestServer server;
    ScriptedMessages messages;
    server.setReply("/updates/INFO.DAT", protectedReply(HttpTestServer::Reply::ok("")));
    TUpdateManager none(versionsFor(server));
    QVERIFY(!none.CheckForUpdates());
    QVERIFY(none.mayClose()); // the list says "No updates available!"

    server.setReply("/updates/INFO.DAT",
                    protectedReply(HttpTestServer::Reply::ok(infoFile({ QStringLiteral(
                        "SDSE-STD;ENGLISCH;HILFE;BEIDES;3.3;3.0;t;d;h.zip;10;45000;") }))));
    TUpdateManager some(versionsFor(server));
    QVERIFY(some.CheckForUpdates());

    server.setReply("/updates/INFO.DAT",
                    HttpTestServer::Reply::withStatus(500, "Internal Server Error"));
    TUpdateManager failing(versionsFor(server));
    QVERIFY(!failing.CheckForUpdates());
}

void TestUpdateDownload::groupedNumbers_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << QStringLiteral("0");
    QTest::newRow("three digits") << qint64(999) << QStringLiteral("999");
    QTest::newRow("four digits") << qint64(1000) << QStringLiteral("1,000");
    QTest::newRow("six digits") << qint64(100000) << QStringLiteral("100,000");
    QTest::newRow("seven digits: two commas") << qint64(1234567) << QStringLiteral("1,234,567");
    QTest::newRow("ten digits") << qint64(4294967296) << QStringLiteral("4,294,967,296");
}

void TestUpdateDownload::groupedNumbers()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(UpdateTexts::groupedNumber(value), text);
    QCOMPARE(UpdateTexts::bytesReceived(value, 1234567),
             text + QStringLiteral(" of 1,234,567 bytes received."));
}

void TestUpdateDownload::downloadWithProgress()
{
    HttpTestServer server;
    const QByteArray body = payload(1234567);
    HttpTestServer::Reply reply
        = protectedReply(HttpTestServer::Reply::ok(body, "application/zip"));
    reply.dripBytes = 200000;
    reply.dripIntervalMs = 20;
    server.setReply("/updates/DB.ZIP", reply);

    TestFolder folder;
    const QString local = folder.write(QStringLiteral("Updates/DB.ZIP"), "old download");
    TUpmngWebFileInfo downloader(versionsFor(server).serverRoot, {});
    QList<int> positions;
    QStringList texts;
    connect(&downloader, &TUpmngWebFileInfo::OnDownloadProgress, this, [&](qint64, qint64) {
        positions.append(downloader.progressPosition());
        texts.append(downloader.progressText());
        QVERIFY(downloader.isDownloading());
    });

    QVERIFY2(downloader.DownloadFile(QStringLiteral("DB.ZIP"), local),
             qPrintable(downloader.LastError()));
    QCOMPARE(downloader.LastErrorCode(), 0);
    QVERIFY(downloader.LastError().isEmpty());
    QVERIFY(!downloader.userCancel());
    QCOMPARE(folder.read(QStringLiteral("Updates/DB.ZIP")), body);
    QCOMPARE(server.received().last().header("Authorization"),
             "Basic " + QByteArray(kUser + ':' + kPassword).toBase64());

    QVERIFY(positions.size() > 2);
    for (qsizetype i = 1; i < positions.size(); ++i)
        QVERIFY(positions[i] >= positions[i - 1]); // the bar never moves back
    QCOMPARE(positions.last(), 100);
    QCOMPARE(texts.last(), QStringLiteral("1,234,567 of 1,234,567 bytes received."));
    QVERIFY(!downloader.isDownloading());
}

void TestUpdateDownload::downloadCancelledHalfWay()
{
    HttpTestServer server;
    HttpTestServer::Reply reply
        = protectedReply(HttpTestServer::Reply::ok(payload(400000), "application/zip"));
    reply.dripBytes = 20000;
    reply.dripIntervalMs = 30;
    server.setReply("/updates/HILFE.ZIP", reply);

    TestFolder folder;
    const QString local = folder.filePath(QStringLiteral("HILFE.ZIP"));
    TUpmngWebFileInfo downloader(versionsFor(server).serverRoot, {});
    QString textAtCancel;
    int positionAtCancel = -1;
    connect(&downloader, &TUpmngWebFileInfo::OnDownloadProgress, this,
            [&](qint64 received, qint64) {
                if (received >= 100000 && positionAtCancel < 0) {
                    downloader.cancel();
                    textAtCancel = downloader.progressText();
                    positionAtCancel = downloader.progressPosition();
                } else if (positionAtCancel >= 0) {
                    QCOMPARE(downloader.progressText(), textAtCancel); // no updates after Cancel
                }
            });

    QVERIFY(!downloader.DownloadFile(QStringLiteral("HILFE.ZIP"), local));
    QVERIFY(downloader.userCancel());
    QCOMPARE(downloader.LastErrorCode(), TUpmngWebFileInfo::kErrorRequest);
    QVERIFY(!downloader.LastError().isEmpty());
    QVERIFY(positionAtCancel > 0 && positionAtCancel < 100);
    QVERIFY(!QFile::exists(local));

    ScriptedMessages messages;
    QCOMPARE(
        UpdateTexts::downloadCancelled(downloader.LastError()),
        QStringLiteral(
            "Process has been terminated (error code: %1).\r\rUpdate manager is being terminated.")
            .arg(downloader.LastError()));
}

void TestUpdateDownload::downloadNotFound()
{
    HttpTestServer server; // nothing under that name: 404
    TestFolder folder;
    TUpmngWebFileInfo downloader(versionsFor(server).serverRoot, {});
    QVERIFY(!downloader.DownloadFile(QStringLiteral("DOKU.ZIP"),
                                     folder.filePath(QStringLiteral("DOKU.ZIP"))));
    QCOMPARE(downloader.LastErrorCode(), TUpmngWebFileInfo::kErrorStatus);
    QCOMPARE(downloader.LastError(), QStringLiteral("Not Found"));
    QVERIFY(!downloader.userCancel());
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("DOKU.ZIP"))));
}

void TestUpdateDownload::downloadUpdatesStopsAtFirstFailure()
{
    HttpTestServer server;
    server.setReply("/updates/DB.ZIP",
                    protectedReply(HttpTestServer::Reply::ok("database", "application/zip")));
    server.setReply("/updates/H.ZIP",
                    protectedReply(HttpTestServer::Reply::withStatus(404, "Not Found")));
    server.setReply("/updates/P.ZIP",
                    protectedReply(HttpTestServer::Reply::ok("program", "application/zip")));
    ScriptedMessages messages;
    TUpdateManager manager(versionsFor(server));
    QString errorText;
    QVERIFY(manager.ParseUpdateInformation(
        { EncryptText(
              QStringLiteral("SDSE-STD;ENGLISCH;DATENBANK;VOLL;3.1;3.0;t;d;db.zip;10;45000;")),
          EncryptText(QStringLiteral("SDSE-STD;ENGLISCH;HILFE;VOLL;3.3;3.0;t;d;h.zip;10;45000;")),
          EncryptText(
              QStringLiteral("SDSE-STD;ENGLISCH;PROGRAMM;VOLL;3.3;3.0;t;d;p.zip;10;45000;")) },
        errorText));
    for (std::size_t i : { 1, 2, 4 })
        manager.updateSlots()[i].Selected = true;

    TestFolder folder;
    const QString updates = folder.filePath(QStringLiteral("Updates"));
    TUpmngWebFileInfo downloader(manager.information().versionInfo().serverRoot, {});
    QVERIFY(!manager.DownloadUpdates(updates, downloader));

    QCOMPARE(folder.read(QStringLiteral("Updates/DB.ZIP")), QByteArray("database")); // kept
    QCOMPARE(manager.updateSlots()[1].LocalFile, updates + QStringLiteral("/DB.ZIP"));
    QVERIFY(!QFile::exists(updates + QStringLiteral("/SENDORA.ZIP"))); // not tried
    QVERIFY(manager.updateSlots()[4].LocalFile.isEmpty());
    QCOMPARE(messages.texts(),
             QStringList { QStringLiteral(
                 "The update manager was unable to download the available updates (error code: "
                 "1900, Not "
                 "Found). This problem is most likely only temporary (e.g. update server "
                 "temporarily offline, "
                 "etc.).\r\rPlease check your proxy settings and try again. If this error "
                 "persists, please "
                 "contact our technical support.\r\rUpdate manager is being terminated.") });
    QCOMPARE(messages.shown().first().kind, Messages::Kind::Error);
    QVERIFY(manager.mayClose());
    QCOMPARE(manager.buttonState(), TUpdateManager::ButtonState::Exit);
}

QTEST_GUILESS_MAIN(TestUpdateDownload)
#include "tst_UpdateDownload.moc"
