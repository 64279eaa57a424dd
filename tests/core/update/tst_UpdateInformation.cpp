#include "core/platform/TDateTime.h"
#include "core/settings/StringCipher.h"
#include "core/settings/TRegistryEintraege.h"
#include "core/update/TUpdateManager.h"
#include "core/update/UpdateServer.h"
#include "core/update/UpdateTexts.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QAbstractItemModelTester>
#include <QLocale>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr double kDate = 45000.5; // 15 March 2023, 12:00

QString plain(const QString& kind, const QString& version, const QString& minVersion,
              const QString& edition = QStringLiteral("VOLL"),
              const QString& language = QStringLiteral("ENGLISCH"),
              const QString& channel = QStringLiteral("SDSE-STD"),
              const QString& size = QStringLiteral("1000"),
              const QString& date = QStringLiteral("45000.5"))
{
    return QStringList { channel,
                         language,
                         kind,
                         edition,
                         version,
                         minVersion,
                         QStringLiteral("Title ") + kind,
                         QStringLiteral("Details of ") + kind,
                         kind.toLower() + QStringLiteral(".zip"),
                         size,
                         date,
                         QString() }
        .join(u';');
}

TAktuelleVersionInfo installed()
{
    TAktuelleVersionInfo info;
    info.infoFileUrl = QStringLiteral("http://127.0.0.1:1/INFO.DAT");
    info.verGS = QStringLiteral("3.2");
    info.verSD = QStringLiteral("3.0.0.0");
    info.verOH = QStringLiteral("3.2.0.0");
    info.verDK = QStringLiteral("3.2.0.0");
    return info;
}

QStringList encipher(const QStringList& lines)
{
    QStringList result;
    for (const QString& line : lines)
        result.append(line.startsWith(u'!') ? line.mid(1) : EncryptText(line)); // "!": raw
    return result;
}

// "2=3.1,3=3.3": the available slots (1 to 5) and their versions.
QString availability(const UpdateSlots& updates)
{
    QStringList parts;
    for (int i = 0; i < kUpdateSlotCount; ++i) {
        if (!updates[std::size_t(i)].NotAvailable)
            parts.append(QString::number(i + 1) + u'=' + updates[std::size_t(i)].Version);
    }
    return parts.join(u',');
}

} // namespace

class TestUpdateInformation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseInformation_data();
    void parseInformation();
    void parsedFields();
    void releaseDateInUserLocale();
    void updateList_data();
    void updateList();
    void tickingChangesButtons();
    void serverAddressFromEnvironment();
    void makeUpdateInfoTool();
    void makeUpdateInfoRefusesBadLine();
};

void TestUpdateInformation::parseInformation_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("available");
    QTest::addColumn<QStringList>("messages");

    const QString db = QStringLiteral("DATENBANK");
    const QString internal = UpdateTexts::internalError(QStringLiteral("%1"));

    QTest::newRow("empty file") << QStringList() << true << QString() << QString() << QStringList();
    QTest::newRow("blank lines only") << QStringList { QStringLiteral("!"), QStringLiteral("!  ") }
                                      << true << QString() << QString() << QStringList();
    QTest::newRow("database above its lowest version")
        << QStringList { plain(db, QStringLiteral("3.1"), QStringLiteral("3.0")) } << true
        << QString() << QStringLiteral("2=3.1") << QStringList();
    QTest::newRow("installed below the lowest version")
        << QStringList { plain(db, QStringLiteral("3.1"), QStringLiteral("3.0.5")) } << true
        << QString() << QString() << QStringList();
    QTest::newRow("equal version not offered")
        << QStringList { plain(db, QStringLiteral("3.0.0.0"), QStringLiteral("1.0")) } << true
        << QString() << QString() << QStringList();
    QTest::newRow("BEIDES applies")
        << QStringList { plain(QStringLiteral("HILFE"), QStringLiteral("3.3"),
                               QStringLiteral("3.0"), QStringLiteral("BEIDES")) }
        << true << QString() << QStringLiteral("3=3.3") << QStringList();
    QTest::newRow("other edition skipped") << QStringList {
        plain(db, QStringLiteral("3.1"), QStringLiteral("3.0"), QStringLiteral("DEMO"))
    } << true << QString() << QString() << QStringList();
    QTest::newRow("other language skipped")
        << QStringList { plain(db, QStringLiteral("3.1"), QStringLiteral("3.0"),
                               QStringLiteral("VOLL"), QStringLiteral("DEUTSCH")),
                         plain(QStringLiteral("DOKU"), QStringLiteral("3.3"),
                               QStringLiteral("3.0")) }
        << true << QString() << QStringLiteral("4=3.3") << QStringList();
    QTest::newRow("other distribution skipped") << QStringList {
        plain(db, QStringLiteral("3.1"), QStringLiteral("3.0"), QStringLiteral("VOLL"),
              QStringLiteral("ENGLISCH"), QStringLiteral("SDSE-PRO"))
    } << true << QString() << QString() << QStringList();
    QTest::newRow("words in lower case")
        << QStringList { plain(QStringLiteral("datenbank"), QStringLiteral("3.1"),
                               QStringLiteral("3.0"), QStringLiteral("voll"),
                               QStringLiteral("englisch"), QStringLiteral("sdse-std")) }
        << true << QString() << QStringLiteral("2=3.1") << QStringList();
    QTest::newRow("program update")
        << QStringList { plain(QStringLiteral("PROGRAMM"), QStringLiteral("3.2.9.5"),
                               QStringLiteral("3.2")) }
        << true << QString() << QStringLiteral("5=3.2.9.5") << QStringList();
    QTest::newRow("setup and database both apply")
        << QStringList { plain(QStringLiteral("KOMPLETT"), QStringLiteral("4.0"),
                               QStringLiteral("3.0")),
                         plain(db, QStringLiteral("3.1"), QStringLiteral("3.0")) }
        << true << QString() << QStringLiteral("1=4.0,2=3.1") << QStringList();
    QTest::newRow("later line of the same kind replaces")
        << QStringList { plain(db, QStringLiteral("3.2"), QStringLiteral("3.0")),
                         plain(db, QStringLiteral("3.1"), QStringLiteral("3.0")) }
        << true << QString() << QStringLiteral("2=3.1") << QStringList();
    QTest::newRow("later line that does not apply keeps the earlier")
        << QStringList { plain(db, QStringLiteral("3.1"), QStringLiteral("3.0")),
                         plain(db, QStringLiteral("3.5"), QStringLiteral("3.1")) }
        << true << QString() << QStringLiteral("2=3.1") << QStringList();
    QTest::newRow("size 0 fails the whole evaluation")
        << QStringList { plain(QStringLiteral("HILFE"), QStringLiteral("3.3"),
                               QStringLiteral("3.0")),
                         plain(db, QStringLiteral("3.1"), QStringLiteral("3.0"),
                               QStringLiteral("VOLL"), QStringLiteral("ENGLISCH"),
                               QStringLiteral("SDSE-STD"), QStringLiteral("0")) }
        << false << QStringLiteral("Error code: DATENBANK xc882") << QString() << QStringList();
    QTest::newRow("size not a number")
        << QStringList { plain(db, QStringLiteral("3.1"), QStringLiteral("3.0"),
                               QStringLiteral("VOLL"), QStringLiteral("ENGLISCH"),
                               QStringLiteral("SDSE-STD"), QStringLiteral("1k")) }
        << false << QStringLiteral("Error code: DATENBANK xc882") << QString() << QStringList();
    QTest::newRow("release date 0 is an internal error")
        << QStringList { plain(db, QStringLiteral("3.1"), QStringLiteral("3.0"),
                               QStringLiteral("VOLL"), QStringLiteral("ENGLISCH"),
                               QStringLiteral("SDSE-STD"), QStringLiteral("10"),
                               QStringLiteral("0")) }
        << false << QStringLiteral("Error code: DATENBANK xc882") << QString()
        << QStringList { internal.arg(QStringLiteral("xc880011")) };
    QTest::newRow("release date that cannot be written")
        << QStringList { plain(db, QStringLiteral("3.1"), QStringLiteral("3.0"),
                               QStringLiteral("VOLL"), QStringLiteral("ENGLISCH"),
                               QStringLiteral("SDSE-STD"), QStringLiteral("10"),
                               QStringLiteral("9000000")) }
        << true << QString() << QStringLiteral("2=3.1")
        << QStringList { internal.arg(QStringLiteral("xc880014")) };
    QTest::newRow("unknown distribution code")
        << QStringList { plain(db, QStringLiteral("3.1"), QStringLiteral("3.0"),
                               QStringLiteral("VOLL"), QStringLiteral("ENGLISCH"),
                               QStringLiteral("ACME")) }
        << false << QStringLiteral("Error code:  xc882") << QString() << QStringList();
    QTest::newRow("unknown kind word")
        << QStringList { plain(QStringLiteral("TREIBER"), QStringLiteral("3.1"),
                               QStringLiteral("3.0")) }
        << false << QStringLiteral("Error code: TREIBER xc882") << QString() << QStringList();
    QTest::newRow("blank title") << QStringList { QStringLiteral(
        "SDSE-STD;ENGLISCH;HILFE;VOLL;3.3;3.0; ;d;h.zip;1;45000;") }
                                 << false << QStringLiteral("Error code: HILFE xc882") << QString()
                                 << QStringList();
    QTest::newRow("version that is no version")
        << QStringList { QStringLiteral(
               "SDSE-STD;ENGLISCH;HILFE;VOLL;three;3.0;t;d;h.zip;1;45000;") }
        << false << QStringLiteral("Error code: HILFE xc882") << QString() << QStringList();
    QTest::newRow("ten fields only")
        << QStringList { QStringLiteral("SDSE-STD;ENGLISCH;HILFE;VOLL;3.3;3.0;t;d;h.zip;1;") }
        << false << QStringLiteral("Error code: HILFE xc882") << QString() << QStringList();
    QTest::newRow("text after the eleventh field is ignored") << QStringList {
        QStringLiteral("SDSE-STD;ENGLISCH;HILFE;VOLL;3.3;3.0;t;d;h.zip;1;45000;x;y")
    } << true << QString() << QStringLiteral("3=3.3") << QStringList();
    QTest::newRow("line that is not Base64")
        << QStringList { QStringLiteral("!this is not enciphered") } << false
        << QStringLiteral("Error code:  xc882") << QString() << QStringList();
    QTest::newRow("Base64 that deciphers to nonsense")
        << QStringList { plain(db, QStringLiteral("3.1"), QStringLiteral("3.0")),
                         QStringLiteral("!QUJDREVGR0g=") }
        << false << QStringLiteral("Error code:  xc882") << QString() << QStringList();
}

void TestUpdateInformation::parseInformation()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, ok);
    QFETCH(QString, error);
    QFETCH(QString, available);
    QFETCH(QStringList, messages);

    ScriptedMessages shown;
    TUpdateManager manager(installed());
    QString errorText;
    QCOMPARE(manager.ParseUpdateInformation(encipher(lines), errorText), ok);
    QCOMPARE(errorText, error);
    QCOMPARE(availability(manager.updateSlots()), available);
    QCOMPARE(manager.updatesAvailable(), !available.isEmpty());
    QCOMPARE(shown.texts(), messages);
}

void TestUpdateInformation::parsedFields()
{
    ScriptedMessages shown;
    TUpdateInformation information(installed());
    QString errorText;
    const QString line
        = QStringLiteral("sdse-std;Englisch;Datenbank;Voll; 3.1 ;3.0;  New services ;"
                         "More of them;db.zip;123456;45000.5;");
    QVERIFY(information.ParseUpdateInformation({ EncryptText(line) }, errorText));

    const tinfodateifelder& parsed = information.parsedLine();
    QCOMPARE(parsed.Channel, QStringLiteral("SDSE-STD"));
    QCOMPARE(parsed.Language, QStringLiteral("ENGLISCH"));
    QCOMPARE(parsed.Kind, QStringLiteral("DATENBANK"));
    QCOMPARE(parsed.Edition, QStringLiteral("VOLL"));
    QCOMPARE(parsed.Version, QStringLiteral(" 3.1 ")); // kept as written
    QCOMPARE(parsed.Title, QStringLiteral("  New services "));
    QCOMPARE(parsed.RemoteFile, QStringLiteral("DB.ZIP"));
    QCOMPARE(parsed.Size, 123456);
    QCOMPARE(parsed.Date, kDate);

    const tupdateinfofelder& slot = information.slot(UpdateKind::Datenbank);
    QVERIFY(!slot.NotAvailable);
    QVERIFY(!slot.Selected);
    QCOMPARE(slot.RemoteFile, QStringLiteral("DB.ZIP"));
    QCOMPARE(slot.Size, 123456);
    QCOMPARE(slot.Details, QStringLiteral("More of them"));
    QCOMPARE(slot.Date, QLocale().toString(TDateTime::toDateTime(kDate), QLocale::ShortFormat));
    QVERIFY(slot.LocalFile.isEmpty());

    // A new evaluation starts from empty slots.
    QVERIFY(information.ParseUpdateInformation({}, errorText));
    QVERIFY(information.slot(UpdateKind::Datenbank).NotAvailable);
    QVERIFY(!information.updatesAvailable());
}

void TestUpdateInformation::releaseDateInUserLocale()
{
    ScriptedMessages shown;
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

    for (const QString& date : { QStringLiteral("45000,5"), QStringLiteral("45000.5") }) {
        tinfodateifelder record;
        QVERIFY2(ParseUpdateLine(QStringLiteral("SDSE-STD;ENGLISCH;HILFE;VOLL;3.3;3.0;t;d;h.zip;1;")
                                     + date + u';',
                                 record),
                 qPrintable(date));
        QCOMPARE(record.Date, kDate);
    }
}

void TestUpdateInformation::updateList_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("rootText");
    QTest::addColumn<QStringList>("children");
    QTest::addColumn<QList<int>>("slotNumbers");

    const QString date = QLocale().toString(TDateTime::toDateTime(kDate), QLocale::ShortFormat);
    QTest::newRow("no updates") << QStringList() << QStringLiteral("No updates available!")
                                << QStringList() << QList<int>();
    QTest::newRow("setup hides the others")
        << QStringList { plain(QStringLiteral("DATENBANK"), QStringLiteral("3.1"),
                               QStringLiteral("3.0")),
                         plain(QStringLiteral("KOMPLETT"), QStringLiteral("4.0"),
                               QStringLiteral("3.0")) }
        << QStringLiteral("Available updates")
        << QStringList { date + QStringLiteral(": Title KOMPLETT") } << QList<int> { 1 };
    QTest::newRow("one child per slot in slot order")
        << QStringList { plain(QStringLiteral("PROGRAMM"), QStringLiteral("3.3"),
                               QStringLiteral("3.0")),
                         plain(QStringLiteral("DOKU"), QStringLiteral("3.3"),
                               QStringLiteral("3.0")),
                         plain(QStringLiteral("DATENBANK"), QStringLiteral("3.1"),
                               QStringLiteral("3.0")) }
        << QStringLiteral("Available updates")
        << QStringList { date + QStringLiteral(": Title DATENBANK"),
                         date + QStringLiteral(": Title DOKU"),
                         date + QStringLiteral(": Title PROGRAMM") }
        << QList<int> { 2, 4, 5 };
}

void TestUpdateInformation::updateList()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, rootText);
    QFETCH(QStringList, children);
    QFETCH(QList<int>, slotNumbers);

    ScriptedMessages shown;
    TUpdateManager manager(installed());
    QAbstractItemModelTester tester(&manager.updateList(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QString errorText;
    QVERIFY(manager.ParseUpdateInformation(encipher(lines), errorText));

    const TUpdateListModel& list = manager.updateList();
    QCOMPARE(list.rowCount(), 1);
    const QModelIndex root = list.rootEntry();
    QCOMPARE(root.data().toString(), rootText);
    QCOMPARE(list.isEmptyList(), children.isEmpty());
    QCOMPARE(manager.mayClose(), children.isEmpty());
    QVERIFY(!(list.flags(root) & Qt::ItemIsUserCheckable));
    QVERIFY(list.detailsText(root).isEmpty());
    QCOMPARE(list.rowCount(root), children.size());
    for (int row = 0; row < children.size(); ++row) {
        const QModelIndex child = list.index(row, 0, root);
        QCOMPARE(child.data().toString(), children[row]);
        QCOMPARE(child.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(child.data(TUpdateListModel::SlotRole).toInt(), slotNumbers[row]);
        QCOMPARE(list.detailsText(child),
                 manager.updateSlots()[std::size_t(slotNumbers[row] - 1)].Details);
    }
}

void TestUpdateInformation::tickingChangesButtons()
{
    ScriptedMessages shown;
    TUpdateManager manager(installed());
    QString errorText;
    QVERIFY(manager.ParseUpdateInformation(
        encipher({ plain(QStringLiteral("DATENBANK"), QStringLiteral("3.1"), QStringLiteral("3.0")),
                   plain(QStringLiteral("HILFE"), QStringLiteral("3.3"), QStringLiteral("3.0")) }),
        errorText));
    TUpdateListModel& list = manager.updateList();
    const QModelIndex database = list.index(0, 0, list.rootEntry());
    const QModelIndex help = list.index(1, 0, list.rootEntry());

    QVERIFY(list.setData(database, Qt::Checked, Qt::CheckStateRole));
    QVERIFY(list.setData(help, Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(manager.buttonState(), TUpdateManager::ButtonState::Next);
    QVERIFY(manager.updateSlots()[1].Selected);
    QVERIFY(manager.updateSlots()[2].Selected);

    QVERIFY(list.setData(database, Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(manager.buttonState(), TUpdateManager::ButtonState::Next);
    QVERIFY(list.setData(help, Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(manager.buttonState(), TUpdateManager::ButtonState::Exit); // the last tick went
    QVERIFY(!manager.updateSlots()[2].Selected);
    QVERIFY(!list.setData(list.rootEntry(), Qt::Checked, Qt::CheckStateRole));
}

void TestUpdateInformation::serverAddressFromEnvironment()
{
    const QByteArray name(UpdateServer::kEnvironmentVariable.data());
    qunsetenv(name.constData());
    QCOMPARE(UpdateServer::address(), UpdateServer::defaultAddress());
    QVERIFY(UpdateServer::defaultAddress().endsWith(u'/'));

    qputenv(name.constData(), "http://127.0.0.1:8080/mirror");
    auto restore = qScopeGuard([&] { qunsetenv(name.constData()); });
    QCOMPARE(UpdateServer::address(), QStringLiteral("http://127.0.0.1:8080/mirror/"));
    QCOMPARE(UpdateServer::infoFileUrl(), QStringLiteral("http://127.0.0.1:8080/mirror/INFO.DAT"));

    TRegistryEintraege settings;
    settings.verSD = QStringLiteral("3.0.0.0");
    const TAktuelleVersionInfo info = TAktuelleVersionInfo::fromSettings(settings, 3);
    QCOMPARE(info.infoFileUrl, QStringLiteral("http://127.0.0.1:8080/mirror/INFO.DAT"));
    QCOMPARE(info.languageWord, QStringLiteral("FRANZ"));
    QCOMPARE(info.verSD, QStringLiteral("3.0.0.0"));
    QCOMPARE(info.programVersion, QStringLiteral("3.2.9.4"));
}

void TestUpdateInformation::makeUpdateInfoTool()
{
    TestFolder folder;
    const QString input = folder.write(
        QStringLiteral("plain.txt"),
        (QStringLiteral("# Sendora updates\n\n")
         + plain(QStringLiteral("DATENBANK"), QStringLiteral("3.1"), QStringLiteral("3.0")) + u'\n'
         + plain(QStringLiteral("HILFE"), QStringLiteral("3.3"), QStringLiteral("3.0")) + u'\n')
            .toUtf8());
    QProcess tool;
    tool.start(qEnvironmentVariable("SENDORA_MAKE_UPDATE_INFO"),
               { QStringLiteral("-o"), folder.filePath(QStringLiteral("INFO.DAT")), input });
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);

    ScriptedMessages shown;
    TUpdateManager manager(installed());
    QString errorText;
    const QStringList lines
        = TUpdateInformation::splitLines(folder.read(QStringLiteral("INFO.DAT")));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(manager.ParseUpdateInformation(lines, errorText), qPrintable(errorText));
    QCOMPARE(availability(manager.updateSlots()), QStringLiteral("2=3.1,3=3.3"));

    QProcess date;
    date.start(qEnvironmentVariable("SENDORA_MAKE_UPDATE_INFO"),
               { QStringLiteral("--date"), QStringLiteral("2023-03-15T12:00") });
    QVERIFY(date.waitForFinished(30000));
    QCOMPARE(date.readAllStandardOutput().trimmed(), QByteArray("45000.500000"));
}

void TestUpdateInformation::makeUpdateInfoRefusesBadLine()
{
    TestFolder folder;
    const QString output = folder.write(QStringLiteral("INFO.DAT"), "old contents\r\n");
    const QString input = folder.write(
        QStringLiteral("plain.txt"),
        (plain(QStringLiteral("HILFE"), QStringLiteral("3.3"), QStringLiteral("3.0")) + u'\n'
         + QStringLiteral("SDSE-STD;ENGLISCH;HILFE;VOLL;3.3;3.0;t;d;h.zip;0;45000;\n"))
            .toUtf8());
    QProcess tool;
    tool.start(qEnvironmentVariable("SENDORA_MAKE_UPDATE_INFO"),
               { QStringLiteral("-o"), output, input });
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 1);
    QVERIFY(tool.readAllStandardError().contains("line 2 is not a valid update line"));
    QCOMPARE(folder.read(QStringLiteral("INFO.DAT")), QByteArray("old contents\r\n"));
}

QTEST_GUILESS_MAIN(TestUpdateInformation)
#include "tst_UpdateInformation.moc"
