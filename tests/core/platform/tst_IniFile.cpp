#include "core/platform/IniFile.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void missingFile();
    void caseInsensitiveAndFirstWins();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void longValueIsCut();
    void untouchedLinesSurviveByteForByte();
    void newKeysAndSections();
    void removeKeyAndSection();
    void lineBreaksCannotInjectKeys();
    void encodings_data();
    void encodings();
    void binaryFileIsKeptAsBackup();
    void folderIsUnreadable();
    void failedSaveKeepsOldFile();
    void hugeGarbageFile();

private:
    static IniFile loaded(const QString& path)
    {
        IniFile ini(path);
        ini.load();
        return ini;
    }
};

void TestIniFile::missingFile()
{
    TestFolder dir;
    IniFile ini(dir.filePath(QStringLiteral("sd.ini")));
    QVERIFY(ini.load());
    QCOMPARE(ini.status(), IniFile::Status::Missing);
    QVERIFY(ini.sections().isEmpty());
    QCOMPARE(ini.readString(QStringLiteral("Sdt"), QStringLiteral("k"), QStringLiteral("d")),
             QStringLiteral("d"));

    ini.writeInteger(QStringLiteral("Sdt"), QStringLiteral("k"), -12);
    QVERIFY2(ini.save(), qPrintable(ini.errorString()));
    QCOMPARE(dir.read(QStringLiteral("sd.ini")), QByteArray("[Sdt]\nk=-12\n"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("sd.ini.bak"))));
}

void TestIniFile::caseInsensitiveAndFirstWins()
{
    TestFolder dir;
    const QString path = dir.write(QStringLiteral("a.ini"),
                                   "[SdT]\n"
                                   "IdGlobAnzThreads=7\n"
                                   "idglobanzthreads=9\n"
                                   "[Other]\n"
                                   "x=1\n"
                                   "[sdt]\n"
                                   "IDGlobAnzThreads=11\n"
                                   "Late=only in the second copy\n");
    IniFile ini = loaded(path);
    QCOMPARE(ini.status(), IniFile::Status::Ok);
    QVERIFY(ini.hasSection(QStringLiteral("SDT")));
    QVERIFY(ini.hasKey(QStringLiteral("sdt"), QStringLiteral("IDGLOBANZTHREADS")));
    QCOMPARE(ini.readInteger(QStringLiteral("sdt"), QStringLiteral("IDGLOBANZTHREADS"), 0), 7);
    QVERIFY(!ini.hasKey(QStringLiteral("Sdt"), QStringLiteral("Late")));
    QCOMPARE(ini.sections(), QStringList({ QStringLiteral("SdT"), QStringLiteral("Other") }));
    QCOMPARE(ini.keys(QStringLiteral("SDT")), QStringList { QStringLiteral("IdGlobAnzThreads") });

    // Writing replaces the first copy in place and keeps the key as it was spelled.
    ini.writeInteger(QStringLiteral("SDT"), QStringLiteral("IDGLOBANZTHREADS"), 3);
    QVERIFY(ini.save());
    QCOMPARE(dir.read(QStringLiteral("a.ini")),
             QByteArray("[SdT]\n"
                        "IdGlobAnzThreads=3\n"
                        "idglobanzthreads=9\n"
                        "[Other]\n"
                        "x=1\n"
                        "[sdt]\n"
                        "IDGlobAnzThreads=11\n"
                        "Late=only in the second copy\n"));
}

void TestIniFile::readInteger_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");

    const int def = -99;
    QTest::newRow("decimal") << QByteArray("42") << 42;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("blanks around") << QByteArray("  12\t") << 12;
    QTest::newRow("leading zeros") << QByteArray("007") << 7;
    QTest::newRow("hex") << QByteArray("0x1F") << 31;
    QTest::newRow("hex upper prefix") << QByteArray("0X1f") << 31;
    QTest::newRow("negative hex") << QByteArray("-0x10") << -16;
    QTest::newRow("int max") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("int min") << QByteArray("-2147483648") << int(-2147483648LL);
    QTest::newRow("above int max") << QByteArray("2147483648") << def;
    QTest::newRow("below int min") << QByteArray("-2147483649") << def;
    QTest::newRow("huge") << QByteArray("123456789012345678901234567890") << def;
    QTest::newRow("hex above int max") << QByteArray("0xFFFFFFFF") << def;
    QTest::newRow("trailing text") << QByteArray("12abc") << def;
    QTest::newRow("word") << QByteArray("abc") << def;
    QTest::newRow("empty") << QByteArray("") << def;
    QTest::newRow("sign only") << QByteArray("-") << def;
    QTest::newRow("hex prefix only") << QByteArray("0x") << def;
    QTest::newRow("hex digits without prefix") << QByteArray("1F") << def;
    QTest::newRow("decimal fraction") << QByteArray("1.5") << def;
    QTest::newRow("inner blank") << QByteArray("1 000") << def;
    QTest::newRow("dollar hex") << QByteArray("$10") << def;
    QTest::newRow("arabic-indic digit") << QByteArray("\xd9\xa3") << def;
    QTest::newRow("fullwidth digit") << QByteArray("\xef\xbc\x95") << def;
}

void TestIniFile::readInteger()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    TestFolder dir;
    const IniFile ini = loaded(dir.write(QStringLiteral("a.ini"), "[S]\nk=" + value + "\n"));
    QCOMPARE(ini.readInteger(QStringLiteral("S"), QStringLiteral("k"), -99), expected);
    QCOMPARE(ini.readInteger(QStringLiteral("S"), QStringLiteral("missing"), -99), -99);
}

void TestIniFile::readBool_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");

    QTest::newRow("TRUE") << QByteArray("TRUE") << false << true;
    QTest::newRow("true") << QByteArray("true") << false << true;
    QTest::newRow("True with blanks") << QByteArray(" True ") << false << true;
    QTest::newRow("FALSE") << QByteArray("FALSE") << true << false;
    QTest::newRow("fAlSe") << QByteArray("fAlSe") << true << false;
    QTest::newRow("0") << QByteArray("0") << true << false;
    QTest::newRow("00") << QByteArray("00") << true << false;
    QTest::newRow("-0") << QByteArray("-0") << true << false;
    QTest::newRow("0x0") << QByteArray("0x0") << true << false;
    QTest::newRow("1") << QByteArray("1") << false << true;
    QTest::newRow("-1") << QByteArray("-1") << false << true;
    QTest::newRow("2") << QByteArray("2") << false << true;
    QTest::newRow("0x10") << QByteArray("0x10") << false << true;
    QTest::newRow("number beyond int") << QByteArray("99999999999999999999") << false << true;
    QTest::newRow("yes, default true") << QByteArray("yes") << true << true;
    QTest::newRow("yes, default false") << QByteArray("yes") << false << false;
    QTest::newRow("on") << QByteArray("on") << false << false;
    QTest::newRow("TRUEX") << QByteArray("TRUEX") << false << false;
    QTest::newRow("empty, default true") << QByteArray("") << true << true;
    QTest::newRow("empty, default false") << QByteArray("") << false << false;
    QTest::newRow("fraction") << QByteArray("0.5") << false << false;
}

void TestIniFile::readBool()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, def);
    QFETCH(bool, expected);
    TestFolder dir;
    const IniFile ini = loaded(dir.write(QStringLiteral("a.ini"), "[S]\nk=" + value + "\n"));
    QCOMPARE(ini.readBool(QStringLiteral("S"), QStringLiteral("k"), def), expected);
    QCOMPARE(ini.readBool(QStringLiteral("S"), QStringLiteral("missing"), def), def);
}

void TestIniFile::longValueIsCut()
{
    TestFolder dir;
    QByteArray value;
    for (int i = 0; i < 5000; ++i)
        value.append(char('a' + i % 26));
    const QByteArray content = "[S]\nlong=  " + value + "\nnext=1\n";
    const QString path = dir.write(QStringLiteral("a.ini"), content);
    IniFile ini = loaded(path);

    const QString read = ini.readString(QStringLiteral("S"), QStringLiteral("long"));
    QCOMPARE(read.size(), IniFile::kMaxValueLength);
    QCOMPARE(read, QString::fromLatin1(value.left(IniFile::kMaxValueLength)));
    QCOMPARE(ini.readInteger(QStringLiteral("S"), QStringLiteral("next"), 0), 1);

    // The cut is a reading rule: the file keeps the whole value.
    ini.writeInteger(QStringLiteral("S"), QStringLiteral("next"), 2);
    QVERIFY(ini.save());
    QCOMPARE(dir.read(QStringLiteral("a.ini")), "[S]\nlong=  " + value + "\nnext=2\n");

    // A cut never leaves half of a surrogate pair behind.
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80");
    const QString text = QString(IniFile::kMaxValueLength - 1, u'x') + emoji;
    dir.write(QStringLiteral("b.ini"), "[S]\nk=" + text.toUtf8() + "\n");
    const QString cut = loaded(dir.filePath(QStringLiteral("b.ini")))
                            .readString(QStringLiteral("S"), QStringLiteral("k"));
    QCOMPARE(cut, QString(IniFile::kMaxValueLength - 1, u'x'));
}

void TestIniFile::untouchedLinesSurviveByteForByte()
{
    TestFolder dir;
    const QByteArray before = "; written by hand\n"
                              "stray=before any section\n"
                              "\n"
                              "[THauptformular]\n"
                              "Left=100\n"
                              "  Top =  20  \n"
                              "# hash comment\n"
                              "this line has no equals sign\n"
                              "=value without key\n"
                              "[  Sdt  ]   ; trailing comment\n"
                              "IDGlobAnzThreads=5\n"
                              "Unknown=kept\n"
                              "\n"
                              "[Filter]\n"
                              "C1=TRUE\n"
                              "M\xc3\xbcller=\xe2\x82\xac\n";
    const QString path = dir.write(QStringLiteral("sd.ini"), before);
    IniFile ini = loaded(path);
    QCOMPARE(ini.readString(QStringLiteral("THauptformular"), QStringLiteral("top")),
             QStringLiteral("20"));
    QVERIFY(!ini.hasKey(QStringLiteral("THauptformular"), QString()));
    QVERIFY(!ini.hasKey(QString(), QStringLiteral("stray")));
    QCOMPARE(ini.readString(QStringLiteral("Filter"), QString::fromUtf8("m\xc3\xbcller")),
             QString::fromUtf8("\xe2\x82\xac"));

    QVERIFY(ini.save());
    QCOMPARE(dir.read(QStringLiteral("sd.ini")), before);

    ini.writeInteger(QStringLiteral("sdt"), QStringLiteral("IDGlobAnzThreads"), 12);
    ini.writeBool(QStringLiteral("Sdt"), QStringLiteral("IDTDT"), false);
    QVERIFY(ini.save());
    QByteArray after = before;
    after.replace("IDGlobAnzThreads=5\nUnknown=kept\n",
                  "IDGlobAnzThreads=12\nUnknown=kept\nIDTDT=FALSE\n");
    QCOMPARE(dir.read(QStringLiteral("sd.ini")), after);
}

void TestIniFile::newKeysAndSections()
{
    TestFolder dir;
    const QString path = dir.write(QStringLiteral("a.ini"), "[A]\na=1\n; about B\n\n\n[B]\n");
    IniFile ini = loaded(path);
    ini.writeString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("  two  "));
    ini.writeString(QStringLiteral("B"), QStringLiteral("c"), QStringLiteral("3"));
    ini.writeBool(QStringLiteral("New"), QStringLiteral("d"), true);
    QVERIFY(ini.save());
    QCOMPARE(dir.read(QStringLiteral("a.ini")),
             QByteArray("[A]\na=1\n; about B\nb=  two  \n\n\n[B]\nc=3\n[New]\nd=TRUE\n"));
    const IniFile again = loaded(path);
    QCOMPARE(again.readString(QStringLiteral("A"), QStringLiteral("b")), QStringLiteral("two"));
    QCOMPARE(again.readBool(QStringLiteral("new"), QStringLiteral("D"), false), true);
}

void TestIniFile::removeKeyAndSection()
{
    TestFolder dir;
    const QString path
        = dir.write(QStringLiteral("a.ini"), "[A]\nk=1\nK=2\nj=3\n[B]\nx=1\n[a]\nk=4\n[C]\n");
    IniFile ini = loaded(path);
    ini.removeKey(QStringLiteral("A"), QStringLiteral("k"));
    QVERIFY(!ini.hasKey(QStringLiteral("A"), QStringLiteral("k")));
    QCOMPARE(ini.readInteger(QStringLiteral("A"), QStringLiteral("j"), 0), 3);
    ini.removeSection(QStringLiteral("b"));
    QVERIFY(!ini.hasSection(QStringLiteral("B")));
    QVERIFY(ini.save());
    QCOMPARE(dir.read(QStringLiteral("a.ini")), QByteArray("[A]\nj=3\n[a]\nk=4\n[C]\n"));

    ini.removeSection(QStringLiteral("A"));
    QVERIFY(!ini.hasSection(QStringLiteral("a")));
    QCOMPARE(ini.sections(), QStringList { QStringLiteral("C") });
}

void TestIniFile::lineBreaksCannotInjectKeys()
{
    TestFolder dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    IniFile ini(path);
    ini.load();
    ini.writeString(QStringLiteral("Sdt"), QStringLiteral("IDGlobProxyUsername"),
                    QStringLiteral("me\r\nIDGlobAnzThreads=24\n[Other]\nx=1\r"));
    QVERIFY(ini.save());
    const IniFile again = loaded(path);
    QCOMPARE(again.keys(QStringLiteral("Sdt")),
             QStringList { QStringLiteral("IDGlobProxyUsername") });
    QCOMPARE(again.sections(), QStringList { QStringLiteral("Sdt") });
    QVERIFY(again.readString(QStringLiteral("Sdt"), QStringLiteral("IDGlobProxyUsername"))
                .startsWith(QStringLiteral("me")));
}

void TestIniFile::encodings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QByteArray>("saved");

    const QString text = QString::fromUtf8("M\xc3\xbcller \xe2\x82\xac \xc5\xb8");
    const QByteArray utf8 = "[A]\nname=" + text.toUtf8() + "\n";
    QTest::newRow("utf-8") << utf8 << text << utf8;
    QTest::newRow("utf-8 with BOM") << "\xef\xbb\xbf" + utf8 << text << utf8;
    QTest::newRow("windows-1252") << QByteArray("[A]\nname=M\xfcller \x80 \x9f\n") << text << utf8;
    QTest::newRow("CRLF") << QByteArray("[A]\r\nname=" + text.toUtf8() + "\r\n") << text << utf8;
    QTest::newRow("windows-1252 and CRLF, no final break")
        << QByteArray("[A]\r\nname=M\xfcller \x80 \x9f") << text << utf8;
}

void TestIniFile::encodings()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QFETCH(QByteArray, saved);
    TestFolder dir;
    IniFile ini = loaded(dir.write(QStringLiteral("a.ini"), content));
    QCOMPARE(ini.status(), IniFile::Status::Ok);
    QCOMPARE(ini.readString(QStringLiteral("A"), QStringLiteral("name")), expected);
    QVERIFY(ini.save());
    QCOMPARE(dir.read(QStringLiteral("a.ini")), saved);
}

void TestIniFile::binaryFileIsKeptAsBackup()
{
    TestFolder dir;
    const QByteArray binary
        = QByteArrayLiteral("[Sdt]\nIDGlobAnzThreads=7\n\0\x01\x02\xff garbage");
    const QString path = dir.write(QStringLiteral("sd.ini"), binary);
    IniFile ini(path);
    QVERIFY(!ini.load());
    QCOMPARE(ini.status(), IniFile::Status::NotText);
    QVERIFY(!ini.errorString().isEmpty());
    QVERIFY(!ini.hasSection(QStringLiteral("Sdt")));
    QCOMPARE(ini.readInteger(QStringLiteral("Sdt"), QStringLiteral("IDGlobAnzThreads"), 5), 5);

    ini.writeInteger(QStringLiteral("Sdt"), QStringLiteral("IDGlobAnzThreads"), 9);
    QVERIFY2(ini.save(), qPrintable(ini.errorString()));
    QCOMPARE(dir.read(QStringLiteral("sd.ini")), QByteArray("[Sdt]\nIDGlobAnzThreads=9\n"));
    QCOMPARE(dir.read(QStringLiteral("sd.ini.bak")), binary);

    // Once replaced, the next save has nothing to keep: the copy stays the unusable file.
    QVERIFY(ini.save());
    QCOMPARE(dir.read(QStringLiteral("sd.ini.bak")), binary);
    IniFile again(path);
    QVERIFY(again.load());
    QCOMPARE(again.status(), IniFile::Status::Ok);
}

void TestIniFile::folderIsUnreadable()
{
    TestFolder dir;
    const QString path = dir.filePath(QStringLiteral("sd.ini"));
    QVERIFY(QDir().mkpath(path));
    IniFile ini(path);
    QVERIFY(!ini.load());
    QCOMPARE(ini.status(), IniFile::Status::Unreadable);
    QVERIFY(!ini.errorString().isEmpty());

    ini.writeInteger(QStringLiteral("Sdt"), QStringLiteral("k"), 1);
    QVERIFY(!ini.save());
    QVERIFY(!ini.errorString().isEmpty());
    QVERIFY(QFileInfo(path).isDir());
}

void TestIniFile::failedSaveKeepsOldFile()
{
    // A file size limit makes the write fail half-way, as a full disk would.
    TestFolder dir;
    const QByteArray old = "[Sdt]\nIDGlobAnzThreads=5\n";
    const QString path = dir.write(QStringLiteral("sd.ini"), old);
    IniFile ini = loaded(path);
    for (int i = 0; i < 20; ++i)
        ini.writeString(QStringLiteral("Sdt"), QStringLiteral("k%1").arg(i), QString(1000, u'v'));

    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool ok = ini.save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!ok);
    QVERIFY(!ini.errorString().isEmpty());
    QCOMPARE(dir.read(QStringLiteral("sd.ini")), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList { QStringLiteral("sd.ini") });

    // Without the limit the same content is written in full.
    QVERIFY(ini.save());
    QCOMPARE(loaded(path).readString(QStringLiteral("Sdt"), QStringLiteral("k19")),
             QString(1000, u'v'));
}

void TestIniFile::hugeGarbageFile()
{
    TestFolder dir;
    QByteArray garbage(10 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator rng(1234);
    const QByteArray alphabet("[]=;#\r\n \t\x80\xc3\xa9\xff"
                              "abcXYZ019");
    for (char& c : garbage)
        c = alphabet[rng.bounded(alphabet.size())];
    const QString path = dir.write(QStringLiteral("sd.ini"), garbage);
    IniFile ini(path);
    QVERIFY(ini.load());
    const QStringList sections = ini.sections();
    QVERIFY(!sections.isEmpty());
    for (const QString& section : sections.mid(0, 500)) {
        for (const QString& key : ini.keys(section))
            QVERIFY(ini.readString(section, key).size() <= IniFile::kMaxValueLength);
    }
    ini.writeInteger(QStringLiteral("Sdt"), QStringLiteral("IDGlobAnzThreads"), 3);
    QVERIFY(ini.save());
    QCOMPARE(loaded(path).readInteger(QStringLiteral("Sdt"), QStringLiteral("IDGlobAnzThreads"), 0),
             3);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_IniFile.moc"
