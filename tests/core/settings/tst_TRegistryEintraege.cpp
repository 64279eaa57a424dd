#include "core/platform/IniFile.h"
#include "core/settings/StringCipher.h"
#include "core/settings/TRegistryEintraege.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QVariant>

#include <algorithm>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void resetKeepsCountries();
    void settingsFolderGetsTrailingSlash_data();
    void settingsFolderGetsTrailingSlash();
    void hintSwitches();
    void missingFileLoadsDefaultsAndSaveCreatesIt();
    void readingRules_data();
    void readingRules();
    void passwordRoundTrip_data();
    void passwordRoundTrip();
    void passwordOutsideWindows1252IsNotStored();
    void goldenFile();
    void goldenFileLoads();
    void saveKeepsOtherSectionsAndKeys();
    void unreadableFileResetsRecord();
    void unwritableFileResetsRecord();
    void damagedFiles_data();
    void damagedFiles();
};

namespace {

// A record far from the defaults in every field.
void fillKnownRecord(TRegistryEintraege& r)
{
    r.globAnzThreads = 12;
    r.globAnzAutoV = 20;
    r.globDropDownAnzAutoV = 6;
    r.globProxy = QStringLiteral("http://proxy.example.org");
    r.globProxyPort = QStringLiteral("3128");
    r.globProxyUsername = QStringLiteral("webmaster");
    r.globProxyKennwort = QStringLiteral("geheim");
    r.proxyVorauswahl = 1;
    r.tdt = false;
    r.assi = true;
    r.infoFenster = false;
    r.infoFensterMausSensitiv = true;
    r.infoFensterPos = 3;
    r.countries.fill(false);
    r.countries[0] = r.countries[7] = r.countries[55] = true;
    r.verOH = QStringLiteral("3.2.0.0");
    r.verSD = QStringLiteral("3.1.0.0");
    r.verDK = QStringLiteral("3.2.0.0");
    r.verGS = QStringLiteral("3.2");
    r.hints.fill(true);
    r.setHint(2, false);
    r.setHint(9, false);
    r.setHint(15, false);
    r.timeOut = 90;
    r.pfadRTFSchablone = QStringLiteral("/opt/sendora/schablone.rtf");
    r.autoUpdatesSuche = true;
    r.stammRTF = QStringLiteral("/home/user/Berichte/");
    r.stammHTML = QStringLiteral("/home/user/Antworten/");
    r.rtfDirTyp = 1;
    r.htmlDirTyp = 0;
    r.uiSprache = 2;
}

void verifyDefaults(const TRegistryEintraege& r, const QString& folder, int language)
{
    QCOMPARE(r.globAnzThreads, 5);
    QCOMPARE(r.globAnzAutoV, 35);
    QCOMPARE(r.globDropDownAnzAutoV, 8);
    QCOMPARE(r.globProxy, QString());
    QCOMPARE(r.globProxyPort, QString());
    QCOMPARE(r.globProxyUsername, QString());
    QCOMPARE(r.globProxyKennwort, QString());
    QCOMPARE(r.proxyVorauswahl, 0);
    QCOMPARE(r.tdt, true);
    QCOMPARE(r.assi, false);
    QCOMPARE(r.infoFenster, true);
    QCOMPARE(r.infoFensterMausSensitiv, false);
    QCOMPARE(r.infoFensterPos, 1);
    QCOMPARE(r.verOH, QStringLiteral("3.2.0.0"));
    QCOMPARE(r.verSD, QStringLiteral("3.0.0.0"));
    QCOMPARE(r.verDK, QStringLiteral("3.2.0.0"));
    QCOMPARE(r.verGS, QStringLiteral("3.2"));
    for (int kind = 1; kind <= TRegistryEintraege::kHintCount; ++kind)
        QVERIFY2(r.hint(kind), qPrintable(QString::number(kind)));
    QCOMPARE(r.timeOut, 60);
    QCOMPARE(r.pfadRTFSchablone, folder + QStringLiteral("schablone.rtf"));
    QCOMPARE(r.autoUpdatesSuche, false);
    QCOMPARE(r.stammRTF, folder + QStringLiteral("Reports/"));
    QCOMPARE(r.stammHTML, folder + QStringLiteral("HTML/"));
    QCOMPARE(r.rtfDirTyp, 0);
    QCOMPARE(r.htmlDirTyp, 0);
    QCOMPARE(r.uiSprache, language);
}

QByteArray sdtLineOf(const QByteArray& file, const QByteArray& key)
{
    for (const QByteArray& line : file.split('\n')) {
        if (line.startsWith(QByteArray(key + '=')))
            return line.mid(key.size() + 1);
    }
    return "<missing>";
}

} // namespace

void TestSettings::defaults()
{
    const TRegistryEintraege r(QStringLiteral("/srv/sendora"));
    verifyDefaults(r, QStringLiteral("/srv/sendora/"), 1);
    QVERIFY(std::none_of(r.countries.begin(), r.countries.end(), [](bool b) { return b; }));
    QCOMPARE(r.iniPath(), QStringLiteral("/srv/sendora/sd.ini"));
}

void TestSettings::resetKeepsCountries()
{
    TRegistryEintraege r(QStringLiteral("/srv/sendora/"));
    fillKnownRecord(r);
    r.resetToDefaults(3);
    verifyDefaults(r, QStringLiteral("/srv/sendora/"), 3);
    QVERIFY(r.countries[0] && r.countries[7] && r.countries[55]);
    QVERIFY(!r.countries[1]);

    r.resetToDefaults(2);
    QCOMPARE(r.uiSprache, 2);
    r.resetToDefaults(0);
    QCOMPARE(r.uiSprache, 1);
    r.resetToDefaults(4);
    QCOMPARE(r.uiSprache, 1);
}

void TestSettings::settingsFolderGetsTrailingSlash_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("without slash") << QStringLiteral("/a/b") << QStringLiteral("/a/b/");
    QTest::newRow("with slash") << QStringLiteral("/a/b/") << QStringLiteral("/a/b/");
    QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/");
}

void TestSettings::settingsFolderGetsTrailingSlash()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    TRegistryEintraege r;
    r.setSettingsFolder(folder);
    QCOMPARE(r.settingsFolder(), expected);
    QCOMPARE(r.iniPath(), expected + QStringLiteral("sd.ini"));
    r.resetToDefaults(1);
    QCOMPARE(r.stammHTML, expected + QStringLiteral("HTML/"));
}

void TestSettings::hintSwitches()
{
    TRegistryEintraege r;
    r.setHint(15, false);
    QVERIFY(!r.hint(15));
    QVERIFY(!r.hints[14]);
    QVERIFY(r.hint(14));
    for (const int kind : { -1, 0, 16, 1000 }) {
        r.setHint(kind, false);
        QVERIFY(r.hint(kind));
        QCOMPARE(TRegistryEintraege::hintKey(kind), QString());
    }
    QCOMPARE(std::count(r.hints.begin(), r.hints.end(), false), 1);
    QCOMPARE(TRegistryEintraege::hintKey(1), QStringLiteral("IDMsgH_Assistent"));
    QCOMPARE(TRegistryEintraege::hintKey(8), QStringLiteral("IDMsgH_Upmanager"));
    QCOMPARE(TRegistryEintraege::hintKey(9), QStringLiteral("IDMsgT_Email"));
    QCOMPARE(TRegistryEintraege::hintKey(14), QStringLiteral("IDMsgW_URL"));
    QCOMPARE(TRegistryEintraege::hintKey(15), QStringLiteral("IDMsgH_Kategorien"));
}

void TestSettings::missingFileLoadsDefaultsAndSaveCreatesIt()
{
    TestFolder dir;
    TRegistryEintraege r(dir.path());
    fillKnownRecord(r);
    QVERIFY(r.load());
    QVERIFY(r.errorString().isEmpty());
    verifyDefaults(r, dir.path(), 1);
    QVERIFY(!r.countries[0]);

    QVERIFY2(r.save(), qPrintable(r.errorString()));
    const QByteArray saved = dir.read(QStringLiteral("sd.ini"));
    QVERIFY(saved.startsWith("[Sdt]\nIDGlobAnzThreads=5\n"));
    QCOMPARE(saved.count('\n'), 97);
    QCOMPARE(sdtLineOf(saved, "IDGlobProxyKennwort"), QByteArray());
    QCOMPARE(sdtLineOf(saved, "IDStammRTF"), (dir.path() + QStringLiteral("Reports/")).toUtf8());

    TRegistryEintraege again(dir.path());
    QVERIFY(again.load());
    verifyDefaults(again, dir.path(), 1);
}

void TestSettings::readingRules_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("IDInfoFenster=0")
        << QByteArray("IDInfoFenster=0") << "infoFenster" << QVariant(false);
    QTest::newRow("IDInfoFenster=FALSE")
        << QByteArray("IDInfoFenster=FALSE") << "infoFenster" << QVariant(false);
    QTest::newRow("IDInfoFenster=false")
        << QByteArray("IDInfoFenster=false") << "infoFenster" << QVariant(false);
    QTest::newRow("IDInfoFenster=yes")
        << QByteArray("IDInfoFenster=yes") << "infoFenster" << QVariant(true);
    QTest::newRow("IDInfoFenster empty")
        << QByteArray("IDInfoFenster=") << "infoFenster" << QVariant(true);
    QTest::newRow("IDAssi=TRUE") << QByteArray("IDAssi=TRUE") << "assi" << QVariant(true);
    QTest::newRow("IDAssi=5") << QByteArray("IDAssi=5") << "assi" << QVariant(true);
    QTest::newRow("IDAssi=yes") << QByteArray("IDAssi=yes") << "assi" << QVariant(false);
    QTest::newRow("key in other case")
        << QByteArray("idglobanzthreads=9") << "globAnzThreads" << QVariant(9);
    QTest::newRow("integer hex") << QByteArray("IDGlobAnzThreads=0x10") << "globAnzThreads"
                                 << QVariant(16);
    QTest::newRow("integer word") << QByteArray("IDGlobAnzThreads=many") << "globAnzThreads"
                                  << QVariant(5);
    QTest::newRow("integer empty") << QByteArray("IDTimeOut=") << "timeOut" << QVariant(60);
    QTest::newRow("integer with blanks")
        << QByteArray("IDTimeOut =  120 ") << "timeOut" << QVariant(120);
    QTest::newRow("language") << QByteArray("IDUISprache=3") << "uiSprache" << QVariant(3);
    QTest::newRow("country") << QByteArray("C7=TRUE") << "C7" << QVariant(true);
    QTest::newRow("last country") << QByteArray("c55=1") << "C55" << QVariant(true);
    QTest::newRow("hint kind 15") << QByteArray("IDMsgH_Kategorien=FALSE") << "hint15"
                                  << QVariant(false);
    QTest::newRow("older database version")
        << QByteArray("IDVerSD=2.9.0.0") << "verSD" << QVariant(QStringLiteral("3.0.0.0"));
    QTest::newRow("newer database version")
        << QByteArray("IDVerSD=3.1.0.0") << "verSD" << QVariant(QStringLiteral("3.1.0.0"));
    QTest::newRow("malformed version")
        << QByteArray("IDVerSD=3..1") << "verSD" << QVariant(QStringLiteral("3.0.0.0"));
    QTest::newRow("empty version")
        << QByteArray("IDVerOH=") << "verOH" << QVariant(QStringLiteral("3.2.0.0"));
    QTest::newRow("equal setup version kept as written")
        << QByteArray("IDVerGS=3.2.0.0") << "verGS" << QVariant(QStringLiteral("3.2.0.0"));
    QTest::newRow("older setup version")
        << QByteArray("IDVerGS=3.1") << "verGS" << QVariant(QStringLiteral("3.2"));
    QTest::newRow("newer documentation")
        << QByteArray("IDVerDK=4") << "verDK" << QVariant(QStringLiteral("4"));
    QTest::newRow("password of five characters")
        << QByteArray("IDGlobProxyKennwort=abcde") << "globProxyKennwort" << QVariant(QString());
    QTest::newRow("password not base64")
        << QByteArray("IDGlobProxyKennwort=a*c=") << "globProxyKennwort" << QVariant(QString());
    QTest::newRow("password enciphered")
        << QByteArray("IDGlobProxyKennwort=vP6lA3EG") << "globProxyKennwort"
        << QVariant(QStringLiteral("geheim"));
    QTest::newRow("report folder") << QByteArray("IDStammRTF=/data/rep/") << "stammRTF"
                                   << QVariant(QStringLiteral("/data/rep/"));
    QTest::newRow("value cut") << QByteArray("IDGlobProxy=" + QByteArray(5000, 'p')) << "globProxy"
                               << QVariant(QString(1024, u'p'));
}

void TestSettings::readingRules()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);

    TestFolder dir;
    dir.write(QStringLiteral("sd.ini"), "[Other]\nIDInfoFenster=0\n[Sdt]\n" + line + "\n");
    TRegistryEintraege r(dir.path());
    QVERIFY(r.load());

    const QHash<QString, QVariant> fields = {
        { QStringLiteral("infoFenster"), r.infoFenster },
        { QStringLiteral("assi"), r.assi },
        { QStringLiteral("globAnzThreads"), r.globAnzThreads },
        { QStringLiteral("timeOut"), r.timeOut },
        { QStringLiteral("uiSprache"), r.uiSprache },
        { QStringLiteral("C7"), r.countries[7] },
        { QStringLiteral("C55"), r.countries[55] },
        { QStringLiteral("hint15"), r.hint(15) },
        { QStringLiteral("verSD"), r.verSD },
        { QStringLiteral("verOH"), r.verOH },
        { QStringLiteral("verGS"), r.verGS },
        { QStringLiteral("verDK"), r.verDK },
        { QStringLiteral("globProxyKennwort"), r.globProxyKennwort },
        { QStringLiteral("stammRTF"), r.stammRTF },
        { QStringLiteral("globProxy"), r.globProxy },
    };
    QVERIFY(fields.contains(field));
    QCOMPARE(fields.value(field), expected);
}

void TestSettings::passwordRoundTrip_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("empty") << QString();
    QTest::newRow("word") << QStringLiteral("geheim");
    QTest::newRow("one character") << QStringLiteral("x");
    QTest::newRow("windows-1252 letters") << QString::fromUtf8("M\xc3\xbcller\xe2\x82\xac");
    QTest::newRow("ini syntax") << QStringLiteral("a=b;[c]#d");
    QTest::newRow("long") << QString(700, u'k');
}

void TestSettings::passwordRoundTrip()
{
    QFETCH(QString, password);
    TestFolder dir;
    TRegistryEintraege r(dir.path());
    r.globProxyKennwort = password;
    QVERIFY(r.save());
    const QByteArray stored = sdtLineOf(dir.read(QStringLiteral("sd.ini")), "IDGlobProxyKennwort");
    QCOMPARE(stored, EncryptText(password).toLatin1());
    if (!password.isEmpty())
        QVERIFY(!stored.contains(password.toUtf8()));

    TRegistryEintraege again(dir.path());
    QVERIFY(again.load());
    QCOMPARE(again.globProxyKennwort, password);
}

void TestSettings::passwordOutsideWindows1252IsNotStored()
{
    TestFolder dir;
    TRegistryEintraege r(dir.path());
    r.globProxyKennwort = QString::fromUtf8("\xe5\xaf\x86\xe7\xa0\x81");
    r.globAnzThreads = 7;
    QVERIFY(r.save());
    QCOMPARE(sdtLineOf(dir.read(QStringLiteral("sd.ini")), "IDGlobProxyKennwort"), QByteArray());
    TRegistryEintraege again(dir.path());
    QVERIFY(again.load());
    QCOMPARE(again.globProxyKennwort, QString());
    QCOMPARE(again.globAnzThreads, 7);
}

void TestSettings::goldenFile()
{
    TestFolder dir;
    TRegistryEintraege r(dir.path());
    fillKnownRecord(r);
    QVERIFY(r.save());
    QCOMPARE(dir.read(QStringLiteral("sd.ini")),
             TestFolder::fixtureBytes(QStringLiteral("settings/golden.ini")));
}

void TestSettings::goldenFileLoads()
{
    TestFolder dir;
    dir.write(QStringLiteral("sd.ini"),
              TestFolder::fixtureBytes(QStringLiteral("settings/golden.ini")));
    TRegistryEintraege loaded(dir.path());
    QVERIFY(loaded.load());
    TRegistryEintraege expected(dir.path());
    fillKnownRecord(expected);

    QCOMPARE(loaded.globAnzThreads, expected.globAnzThreads);
    QCOMPARE(loaded.globAnzAutoV, expected.globAnzAutoV);
    QCOMPARE(loaded.globDropDownAnzAutoV, expected.globDropDownAnzAutoV);
    QCOMPARE(loaded.globProxy, expected.globProxy);
    QCOMPARE(loaded.globProxyPort, expected.globProxyPort);
    QCOMPARE(loaded.globProxyUsername, expected.globProxyUsername);
    QCOMPARE(loaded.globProxyKennwort, expected.globProxyKennwort);
    QCOMPARE(loaded.proxyVorauswahl, expected.proxyVorauswahl);
    QCOMPARE(loaded.tdt, expected.tdt);
    QCOMPARE(loaded.assi, expected.assi);
    QCOMPARE(loaded.infoFenster, expected.infoFenster);
    QCOMPARE(loaded.infoFensterMausSensitiv, expected.infoFensterMausSensitiv);
    QCOMPARE(loaded.infoFensterPos, expected.infoFensterPos);
    QVERIFY(loaded.countries == expected.countries);
    QCOMPARE(loaded.verOH, expected.verOH);
    QCOMPARE(loaded.verSD, expected.verSD);
    QCOMPARE(loaded.verDK, expected.verDK);
    QCOMPARE(loaded.verGS, expected.verGS);
    QVERIFY(loaded.hints == expected.hints);
    QCOMPARE(loaded.timeOut, expected.timeOut);
    QCOMPARE(loaded.pfadRTFSchablone, expected.pfadRTFSchablone);
    QCOMPARE(loaded.autoUpdatesSuche, expected.autoUpdatesSuche);
    QCOMPARE(loaded.stammRTF, expected.stammRTF);
    QCOMPARE(loaded.stammHTML, expected.stammHTML);
    QCOMPARE(loaded.rtfDirTyp, expected.rtfDirTyp);
    QCOMPARE(loaded.htmlDirTyp, expected.htmlDirTyp);
    QCOMPARE(loaded.uiSprache, expected.uiSprache);
}

void TestSettings::saveKeepsOtherSectionsAndKeys()
{
    TestFolder dir;
    const QByteArray before = "[THauptformular]\n"
                              "Left=10\n"
                              "MRU1=/home/user/site.sit\n"
                              "\n"
                              "; the user's own note\n"
                              "[sdt]\n"
                              "IDTimeOut=120\n"
                              "IDFuture=from a newer version\n"
                              "[Filter]\n"
                              "Mode=2\n";
    dir.write(QStringLiteral("sd.ini"), before);
    TRegistryEintraege r(dir.path());
    QVERIFY(r.load());
    QCOMPARE(r.timeOut, 120);
    r.timeOut = 45;
    QVERIFY(r.save());

    const QByteArray after = dir.read(QStringLiteral("sd.ini"));
    QVERIFY(after.startsWith("[THauptformular]\nLeft=10\nMRU1=/home/user/site.sit\n\n"
                             "; the user's own note\n[sdt]\nIDTimeOut=45\n"
                             "IDFuture=from a newer version\nIDGlobAnzThreads=5\n"));
    QVERIFY(after.endsWith("IDUISprache=1\n[Filter]\nMode=2\n"));
    QCOMPARE(after.count("IDTimeOut"), 1);
    QCOMPARE(after.count('\n'), before.count('\n') + 95);
}

void TestSettings::unreadableFileResetsRecord()
{
    TestFolder dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("sd.ini"))));
    TRegistryEintraege r(dir.path());
    fillKnownRecord(r);
    QVERIFY(!r.load());
    QVERIFY(!r.errorString().isEmpty());
    verifyDefaults(r, dir.path(), 1);
    QVERIFY(r.countries[7]);
}

void TestSettings::unwritableFileResetsRecord()
{
    TestFolder dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("sd.ini"))));
    TRegistryEintraege r(dir.path());
    fillKnownRecord(r);
    QVERIFY(!r.save());
    QVERIFY(!r.errorString().isEmpty());
    verifyDefaults(r, dir.path(), 1);
    QVERIFY(r.countries[55]);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("sd.ini"))).isDir());
}

void TestSettings::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("threads");

    QTest::newRow("binary") << QByteArrayLiteral("[Sdt]\nIDGlobAnzThreads=9\n\0\0\xff\xfe") << false
                            << 5;
    QTest::newRow("no Sdt section") << QByteArray("[THauptformular]\nLeft=1\n") << true << 5;
    QTest::newRow("empty") << QByteArray() << true << 5;
    QTest::newRow("garbage text") << QByteArray(
        "\x80\x81]]][[[===\r\r\n;;\n[Sdt\nIDGlobAnzThreads\n")
                                  << true << 5;
    QTest::newRow("5,000-character value")
        << "[Sdt]\nIDGlobProxyUsername=" + QByteArray(5000, 'u') + "\nIDGlobAnzThreads=9\n"
        << true << 9;
    QTest::newRow("section header without end")
        << QByteArray("[Sdt\nIDGlobAnzThreads=9\n[Sdt]\nIDGlobAnzThreads=7\n") << true << 7;
}

void TestSettings::damagedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    QFETCH(int, threads);

    TestFolder dir;
    dir.write(QStringLiteral("sd.ini"), content);
    TRegistryEintraege r(dir.path());
    r.uiSprache = 3;
    QCOMPARE(r.load(), loads);
    QCOMPARE(r.globAnzThreads, threads);
    QVERIFY(r.globProxyUsername.size() <= IniFile::kMaxValueLength);
    if (!loads)
        verifyDefaults(r, dir.path(), 1);

    r.globAnzAutoV = 17;
    QVERIFY2(r.save(), qPrintable(r.errorString()));
    IniFile ini(dir.filePath(QStringLiteral("sd.ini")));
    QVERIFY(ini.load());
    QCOMPARE(ini.readInteger(QStringLiteral("Sdt"), QStringLiteral("IDGlobAnzAutoV"), 0), 17);
    QCOMPARE(ini.keys(QStringLiteral("Sdt")).size() >= 96, true);
    if (content.contains("THauptformular"))
        QCOMPARE(ini.readInteger(QStringLiteral("THauptformular"), QStringLiteral("Left"), 0), 1);
    QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("sd.ini.bak"))), !loads);
    if (!loads)
        QCOMPARE(dir.read(QStringLiteral("sd.ini.bak")), content);

    TRegistryEintraege again(dir.path());
    QVERIFY(again.load());
    QCOMPARE(again.globAnzAutoV, 17);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_TRegistryEintraege.moc"
