// The formatted run report: filling templates, the lists, folders and file names, the
// questions and errors of the writer, and Rich Text that stays well formed whatever the
// inserted texts hold.

#include "core/app/TGlobaleVariablen.h"
#include "core/project/TProjektDetails.h"
#include "core/project/TStatusbericht.h"
#include "core/report/RtfText.h"
#include "core/report/RunReport.h"
#include "core/settings/TRegistryEintraege.h"
#include "core/platform/Windows1252.h"
#include "support/RtfCheck.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QTest>

using namespace RunReport;
using Cp = RtfText::CodePage;

namespace {

struct Entry
{
    QString name;
    int code;
    QString message;
};

void fill(TStatusbericht& report, const QList<Entry>& entries)
{
    for (const Entry& e : entries) {
        TStatusberichtItem* item = report.Add();
        item->SetSuchdienst(e.name);
        item->Details().SetFehlercode(e.code);
        item->Details().SetFehlermeldung(e.message);
    }
}

QString shippedTemplatePath()
{
    return qEnvironmentVariable("SENDORA_SOURCE_DIR") + QStringLiteral("/resources/templates/schablone.rtf");
}

QByteArray shippedTemplate()
{
    QFile f(shippedTemplatePath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

const QString kTemplateMissing = QStringLiteral(
    "RTF template not available! Check settings under Tools/Program options.\r"
    "Create report with standard template?");
const QString kStandardMissing = QStringLiteral("Standard template (schablone.rtf) not found!");
const QString kFailed = QStringLiteral("Error: 0012209");

} // namespace

class TestRunReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fillTemplate_data();
    void fillTemplate();
    void escape_data();
    void escape();
    void lists_data();
    void lists();
    void folderName_data();
    void folderName();
    void reportFolder();
    void reportFolderFailures();
    void fileNumbering();
    void fileNumberingFull();
    void shippedTemplateIsWellFormed();
    void insertedTextsShowAsTheyAre_data();
    void insertedTextsShowAsTheyAre();
    void templateWithoutPlaceholdersIsKeptByteForByte();
    void writeRunReport();
    void writeRunReportTemplateQuestions();
    void writeRunReportFailures();
};

void TestRunReport::fillTemplate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("placeholders");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no placeholders in text") << "plain {\\b text}" << "#D#T" << "a^b" << "plain {\\b text}";
    QTest::newRow("empty placeholders") << "#T" << "" << "a" << "#T";
    QTest::newRow("empty values") << "#T" << "#T" << "" << "#T";
    QTest::newRow("twice") << "#T and #T" << "#T" << "x" << "x and x";
    QTest::newRow("in order") << "#A-#B-#C" << "#A#B#C" << "1^2^3" << "1-2-3";
    QTest::newRow("case-sensitive") << "#t#T" << "#T" << "x" << "#tx";
    QTest::newRow("own placeholder in value") << "[#T][#T]" << "#T" << "a#Tb" << "[a#Tb][a#Tb]";
    QTest::newRow("value is the placeholder") << "#T#T" << "#T" << "#T" << "#T#T";
    QTest::newRow("later placeholder inside earlier value") << "#A" << "#A#B" << "x#By^z" << "xzy";
    QTest::newRow("earlier placeholder inside later value stays") << "#A#B" << "#A#B" << "1^#A" << "1#A";
    QTest::newRow("missing separator gives empty, consumes nothing")
        << "#A|#B|#C" << "#A#B#C" << "a^b" << "a||b";
    QTest::newRow("last value drops one leading separator") << "#A|#B" << "#A#B" << "a^^b" << "a|b";
    QTest::newRow("last value keeps the rest") << "#A|#B" << "#A#B" << "a^b^c" << "a|b^c";
    QTest::newRow("separator in a value moves the rest on") << "#A|#B|#C" << "#A#B#C" << "a^x^b^c"
                                                            << "a|x|b^c";
    QTest::newRow("placeholder formed across a value's end is left") << "#T" << "#T" << "#" << "#";
    QTest::newRow("odd placeholder length") << "#A#B" << "#A#" << "1^2" << "1^2#B";
}

void TestRunReport::fillTemplate()
{
    QFETCH(QString, text);
    QFETCH(QString, placeholders);
    QFETCH(QString, values);
    QFETCH(QString, expected);
    QCOMPARE(FillTemplate(text, placeholders, values), expected);
}

void TestRunReport::escape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ansi1252");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "Site 1, Code: 200" << true << "Site 1, Code: 200";
    QTest::newRow("rtf specials") << "a\\b{c}" << true << "a\\\\b\\{c\\}";
    QTest::newRow("control word lookalike") << "\\par" << true << "\\\\par";
    QTest::newRow("tab") << "a\tb" << true << "a\\tab b";
    QTest::newRow("line breaks") << "a\r\nb\nc\rd" << true << "a\\line b\\line c\\line d";
    QTest::newRow("other control") << QStringLiteral("a\x01" "b\x7f") << true << "a\\'01b\\'7f";
    QTest::newRow("latin in 1252") << QStringLiteral("é€") << true << "\\'e9\\'80";
    QTest::newRow("latin without 1252") << QStringLiteral("é") << false << "\\u233?";
    QTest::newRow("greek") << QStringLiteral("Ω") << true << "\\u937?";
    QTest::newRow("cjk, signed") << QStringLiteral("\uFF21") << true << "\\u-223?";
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F600") << true << "\\u-10179?\\u-8704?";
}

void TestRunReport::escape()
{
    QFETCH(QString, text);
    QFETCH(bool, ansi1252);
    QFETCH(QString, expected);
    const QString escaped = RtfText::escape(text, ansi1252 ? Cp::Windows1252 : Cp::Other);
    QCOMPARE(escaped, expected);
    for (QChar c : escaped)
        QVERIFY(c.unicode() >= 0x20 && c.unicode() < 0x7f);
}

void TestRunReport::lists_data()
{
    QTest::addColumn<QList<Entry>>("entries");
    QTest::addColumn<int>("successes");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("successList");
    QTest::addColumn<QString>("failureList");

    QTest::newRow("no entries") << QList<Entry> {} << 0 << 0 << "" << "";
    QTest::newRow("all succeeded")
        << QList<Entry> {{"A", 200, "OK"}, {"B", 0, "OK (manually)"}} << 2 << 0
        << "A, Code: 200, Message: OK\\par\r\nB, Code: 0, Message: OK (manually)\r\n"
        << "<No entries>\r\n";
    QTest::newRow("all failed") << QList<Entry> {{"A", -1, "Not Found"}} << 0 << 1
                                << "<No entries>\r\n" << "A, Code: -1, Message: Not Found\r\n";
    QTest::newRow("three, par after the first two only")
        << QList<Entry> {{"A", -1, "x"}, {"B", 10060, "y"}, {"C", 400, "z"}} << 0 << 3
        << "<No entries>\r\n"
        << "A, Code: -1, Message: x\\par\r\nB, Code: 10060, Message: y\\par\r\nC, Code: 400, Message: z\r\n";
    QTest::newRow("bounds 399 and 400")
        << QList<Entry> {{"A", 399, "a"}, {"B", 400, "b"}, {"C", 302, "c"}, {"D", 401, "d"}} << 2 << 2
        << "A, Code: 399, Message: a\\par\r\nC, Code: 302, Message: c\r\n"
        << "B, Code: 400, Message: b\\par\r\nD, Code: 401, Message: d\r\n";
    QTest::newRow("texts escaped")
        << QList<Entry> {{"{A}", 200, "#X ^ \\"}} << 1 << 0
        << "\\{A\\}, Code: 200, Message: \\'23X \\'5e \\\\\r\n" << "<No entries>\r\n";
}

void TestRunReport::lists()
{
    QFETCH(QList<Entry>, entries);
    TStatusbericht run;
    fill(run, entries);
    const Lists lists = BuildLists(run, Cp::Windows1252);
    QTEST(lists.successes, "successes");
    QTEST(lists.failures, "failures");
    QTEST(lists.successList, "successList");
    QTEST(lists.failureList, "failureList");
}

void TestRunReport::folderName_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expected");
    QTest::newRow("kept") << "My Site 2" << "My Site 2";
    QTest::newRow("forbidden characters") << "A/B:C" << "ABC";
    QTest::newRow("all nine") << "a\\b/c:d*e?f\"g<h>i|j" << "abcdefghij";
    QTest::newRow("empty") << "" << "Unbenannt";
    QTest::newRow("blanks") << "   " << "Unbenannt";
    QTest::newRow("only forbidden") << "//::" << "Unbenannt";
    QTest::newRow("dot") << "." << "Unbenannt";
    QTest::newRow("dot dot") << ".." << "Unbenannt";
    QTest::newRow("dot dot after removal") << "./." << "Unbenannt";
    QTest::newRow("200 characters") << QString(200, u'x') << QString(128, u'x');
    QTest::newRow("non-ASCII kept") << QStringLiteral("Ünsere Seite") << QStringLiteral("Ünsere Seite");
}

void TestRunReport::folderName()
{
    QFETCH(QString, title);
    QTEST(FolderNameOf(title), "expected");
}

void TestRunReport::reportFolder()
{
    TestFolder tmp;
    const QString root = tmp.path() + QStringLiteral("Reports");
    const QDate day(2026, 12, 11);

    // Order 0: root/date/name/; the root is created when missing, and a root without a
    // trailing separator gets one.
    QCOMPARE(ReportFolder(root, 0, QStringLiteral("A/B:C"), day), root + QStringLiteral("/20261211/ABC/"));
    QVERIFY(QFileInfo(root + QStringLiteral("/20261211/ABC")).isDir());
    // Existing levels are fine.
    QCOMPARE(ReportFolder(root + u'/', 0, QStringLiteral("ABC"), day), root + QStringLiteral("/20261211/ABC/"));
    // The next day gets a new date folder.
    QCOMPARE(ReportFolder(root, 0, QStringLiteral("ABC"), day.addDays(1)),
             root + QStringLiteral("/20261212/ABC/"));
    // Order 1: root/name/date/.
    QCOMPARE(ReportFolder(root, 1, QStringLiteral("  "), day), root + QStringLiteral("/Unbenannt/20261211/"));
    // A title of dots stays below the root.
    QCOMPARE(ReportFolder(root, 1, QStringLiteral(".."), day), root + QStringLiteral("/Unbenannt/20261211/"));

    // Any other order creates the root only and gives no folder.
    const QString other = tmp.path() + QStringLiteral("Other");
    QCOMPARE(ReportFolder(other, 2, QStringLiteral("x"), day), QString());
    QVERIFY(QFileInfo(other).isDir());
    QCOMPARE(QDir(other).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestRunReport::reportFolderFailures()
{
    TestFolder tmp;
    const QDate day(2026, 12, 11);
    QCOMPARE(ReportFolder(QString(), 0, QStringLiteral("x"), day), QString(kFolderFailed));
    // The root is created one level only.
    QCOMPARE(ReportFolder(tmp.path() + QStringLiteral("a/b/c"), 0, QStringLiteral("x"), day),
             QString(kFolderFailed));
    QVERIFY(!QFileInfo::exists(tmp.path() + QStringLiteral("a")));
    // A file where a level belongs.
    tmp.write(QStringLiteral("R/20261211"), "not a folder");
    QCOMPARE(ReportFolder(tmp.path() + QStringLiteral("R"), 0, QStringLiteral("x"), day),
             QString(kFolderFailed));
    // A name too long for the file system.
    QCOMPARE(ReportFolder(tmp.path() + QStringLiteral("L"), 0, QString(128, QChar(0x4e2d)), day),
             QString(kFolderFailed));
}

void TestRunReport::fileNumbering()
{
    TestFolder tmp;
    QCOMPARE(ReportFileName(tmp.path()), QStringLiteral("Report no.1.rtf"));
    for (int n = 1; n <= 3; ++n)
        tmp.write(QStringLiteral("Report no.%1.rtf").arg(n), "x");
    QCOMPARE(ReportFileName(tmp.path()), QStringLiteral("Report no.4.rtf"));
    QFile::remove(tmp.filePath(QStringLiteral("Report no.2.rtf")));
    QCOMPARE(ReportFileName(tmp.path()), QStringLiteral("Report no.2.rtf"));
    // Other files do not count.
    tmp.write(QStringLiteral("Report no.2.txt"), "x");
    QCOMPARE(ReportFileName(tmp.path()), QStringLiteral("Report no.2.rtf"));
}

void TestRunReport::fileNumberingFull()
{
    TestFolder tmp;
    for (int n = 1; n < kMaxReportNumber; ++n)
        QVERIFY(QFile(tmp.filePath(QStringLiteral("Report no.%1.rtf").arg(n))).open(QIODevice::WriteOnly));
    QCOMPARE(ReportFileName(tmp.path()), QStringLiteral("Report no.5000.rtf"));
    QVERIFY(QFile(tmp.filePath(QStringLiteral("Report no.5000.rtf"))).open(QIODevice::WriteOnly));
    QCOMPARE(ReportFileName(tmp.path()), QString());
}

void TestRunReport::shippedTemplateIsWellFormed()
{
    const QByteArray source = shippedTemplate();
    QVERIFY(!source.isEmpty());
    const RtfCheck::Result r = RtfCheck::check(source);
    QVERIFY2(r.ok, qPrintable(r.error));
    for (qsizetype i = 0; i < kPlaceholders.size(); i += 2)
        QVERIFY2(r.text.contains(QString(kPlaceholders.mid(i, 2))), kPlaceholders.data() + i);
    QCOMPARE(RtfText::declaredCodePage(QString::fromLatin1(source)), Cp::Windows1252);

    // The build ships it as a default file of the program folder.
    QFile installed(QStringLiteral(SENDORA_DEFAULTS_DIR "/schablone.rtf"));
    QVERIFY(installed.open(QIODevice::ReadOnly));
    QCOMPARE(installed.readAll(), source);
}

void TestRunReport::insertedTextsShowAsTheyAre_data()
{
    QTest::addColumn<QByteArray>("templateBytes");

    QTest::newRow("shipped template, Windows-1252") << shippedTemplate();
    QByteArray other = shippedTemplate();
    other.replace("\\ansicpg1252", "\\ansicpg1251");
    QTest::newRow("other code page") << other;
    QByteArray none = shippedTemplate();
    none.replace("\\ansicpg1252", "");
    QTest::newRow("no code page") << none;
}

void TestRunReport::insertedTextsShowAsTheyAre()
{
    QFETCH(QByteArray, templateBytes);
    const QString title = QStringLiteral("Caf\u00e9 #T ^ #U {x} \\b \u03a9 \U0001F600 \u20ac");
    const QString url = QStringLiteral("http://example.test/?a=1^2#frag");
    const QString message = QStringLiteral("Bad {request}\r\nsee \\server^log");

    TProjektDetails details;
    details.SetTitle(title);
    details.SetURL(url);
    TStatusbericht run;
    fill(run, {{title, 200, QStringLiteral("OK")}, {QStringLiteral("B\tC"), -1, message}});
    const QString dateTime = QStringLiteral("11.12.2026 08:00:00");

    const QString filled = FillReport(Windows1252::decode(templateBytes), run, details, dateTime);
    const RtfCheck::Result r = RtfCheck::check(Windows1252::encode(filled));
    QVERIFY2(r.ok, qPrintable(r.error));

    QVERIFY2(r.text.contains(QStringLiteral("Title:\t") + title + u'\n'), qPrintable(r.text));
    QVERIFY2(r.text.contains(QStringLiteral("Address:\t") + url + u'\n'), qPrintable(r.text));
    QVERIFY(r.text.contains(QStringLiteral("Created by Sendora on ") + dateTime + u'\n'));
    QVERIFY(r.text.contains(QStringLiteral("Successful submissions:\t1\n")));
    QVERIFY(r.text.contains(QStringLiteral("Failed submissions:\t1\n")));
    QVERIFY(r.text.contains(title + QStringLiteral(", Code: 200, Message: OK\n")));
    QVERIFY(r.text.contains(QStringLiteral("B\tC, Code: -1, Message: Bad {request}\nsee \\server^log\n")));
    // Nothing of a value was taken for a placeholder.
    QCOMPARE(filled.count(QStringLiteral("#T")), 0);
    QCOMPARE(filled.count(QStringLiteral("#U")), 0);
}

void TestRunReport::templateWithoutPlaceholdersIsKeptByteForByte()
{
    // 8-bit bytes of the template itself (not ours to judge) survive unchanged.
    const QByteArray bytes("{\\rtf1\\ansi\\ansicpg1252 Caf\xe9 \x81\x9d {\\b x}\\par}\r\n");
    TProjektDetails details;
    details.SetTitle(QStringLiteral("T"));
    TStatusbericht run;
    const QString filled = FillReport(Windows1252::decode(bytes), run, details, QStringLiteral("d"));
    QCOMPARE(Windows1252::encode(filled), bytes);
}

void TestRunReport::writeRunReport()
{
    ScriptedMessages messages;
    TestFolder tmp;
    TRegistryEintraege settings(tmp.path());
    QVERIFY(QFile::copy(shippedTemplatePath(), settings.pfadRTFSchablone));
    settings.stammRTF = tmp.path() + QStringLiteral("Reports/");
    settings.rtfDirTyp = 0;

    TProjektDetails details;
    details.SetTitle(QStringLiteral("My: Site"));
    details.SetURL(QStringLiteral("http://my.test/"));
    TStatusbericht run;
    fill(run, {{QStringLiteral("A"), 200, QStringLiteral("OK")}, {QStringLiteral("B"), -1, QStringLiteral("Not Found")}});

    GlobaleVariablen.LastRTFReportPath.clear();
    QVERIFY(WriteRunReport(run, details, settings, tmp.path()));
    QCOMPARE(messages.texts(), QStringList());
    const QString folder = settings.stammRTF + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
        + QStringLiteral("/My Site/");
    QCOMPARE(GlobaleVariablen.LastRTFReportPath, folder + QStringLiteral("Report no.1.rtf"));
    QFile report(GlobaleVariablen.LastRTFReportPath);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const RtfCheck::Result r = RtfCheck::check(report.readAll());
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(r.text.contains(QStringLiteral("Title:\tMy: Site\n")));
    QVERIFY(r.text.contains(QStringLiteral("A, Code: 200, Message: OK\n")));
    QVERIFY(r.text.contains(QStringLiteral("B, Code: -1, Message: Not Found\n")));
    QVERIFY(!r.text.contains(QStringLiteral("#D")));

    // A second run of the day lands beside it with the next number; the path follows.
    QVERIFY(WriteRunReport(run, details, settings, tmp.path()));
    QCOMPARE(GlobaleVariablen.LastRTFReportPath, folder + QStringLiteral("Report no.2.rtf"));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("Report no.1.rtf")));

    // Folder order 1.
    settings.rtfDirTyp = 1;
    QVERIFY(WriteRunReport(run, details, settings, tmp.path()));
    QCOMPARE(GlobaleVariablen.LastRTFReportPath,
             settings.stammRTF + QStringLiteral("My Site/")
                 + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("/Report no.1.rtf"));
    QCOMPARE(messages.texts(), QStringList());
}

void TestRunReport::writeRunReportTemplateQuestions()
{
    ScriptedMessages messages;
    TestFolder tmp;
    TRegistryEintraege settings(tmp.path());
    settings.pfadRTFSchablone = tmp.path() + QStringLiteral("missing.rtf");
    settings.stammRTF = tmp.path() + QStringLiteral("Reports/");
    TProjektDetails details;
    details.SetTitle(QStringLiteral("T"));
    TStatusbericht run;

    // No: nothing written, nothing more said.
    GlobaleVariablen.LastRTFReportPath = QStringLiteral("earlier");
    messages.answer(Messages::Result::No);
    QVERIFY(!WriteRunReport(run, details, settings, tmp.path()));
    QCOMPARE(messages.texts(), QStringList {kTemplateMissing});
    QCOMPARE(messages.shown().first().kind, Messages::Kind::Confirmation);
    QCOMPARE(messages.shown().first().buttons, Messages::Buttons::YesNo);
    QVERIFY(!QFileInfo::exists(settings.stammRTF));
    QCOMPARE(GlobaleVariablen.LastRTFReportPath, QStringLiteral("earlier"));

    // Yes, but the standard template is missing as well.
    messages.clear();
    messages.answer(Messages::Result::Yes);
    QVERIFY(!WriteRunReport(run, details, settings, tmp.path()));
    QCOMPARE(messages.texts(), (QStringList {kTemplateMissing, kStandardMissing}));
    QCOMPARE(messages.shown().last().kind, Messages::Kind::Error);
    QVERIFY(!QFileInfo::exists(settings.stammRTF));

    // Yes with the program folder's template: the report is made from it.
    messages.clear();
    tmp.write(QStringLiteral("schablone.rtf"), "{\\rtf1\\ansi standard #T #E/#F}");
    messages.answer(Messages::Result::Yes);
    QVERIFY(WriteRunReport(run, details, settings, tmp.path()));
    QCOMPARE(messages.texts(), QStringList {kTemplateMissing});
    QFile report(GlobaleVariablen.LastRTFReportPath);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll(), QByteArray("{\\rtf1\\ansi standard T 0/0}"));
}

void TestRunReport::writeRunReportFailures()
{
    ScriptedMessages messages;
    TestFolder tmp;
    TRegistryEintraege settings(tmp.path());
    tmp.write(QStringLiteral("schablone.rtf"), "{\\rtf1 #T}");
    settings.pfadRTFSchablone = tmp.filePath(QStringLiteral("schablone.rtf"));
    TProjektDetails details;
    details.SetTitle(QStringLiteral("T"));
    TStatusbericht run;

    // No report root.
    settings.stammRTF.clear();
    QVERIFY(!WriteRunReport(run, details, settings, tmp.path()));
    QCOMPARE(messages.texts(), QStringList {kFailed});
    QCOMPARE(messages.shown().first().kind, Messages::Kind::Error);

    // An unknown folder order writes nowhere.
    messages.clear();
    settings.stammRTF = tmp.path() + QStringLiteral("Reports/");
    settings.rtfDirTyp = 7;
    QVERIFY(!WriteRunReport(run, details, settings, tmp.path()));
    QCOMPARE(messages.texts(), QStringList {kFailed});
    QVERIFY(!QFileInfo::exists(QDir::currentPath() + QStringLiteral("/Report no.1.rtf")));

    // All 5000 names taken.
    messages.clear();
    settings.rtfDirTyp = 0;
    const QString folder = ReportFolder(settings.stammRTF, 0, QStringLiteral("T"));
    for (int n = 1; n <= kMaxReportNumber; ++n)
        QVERIFY(QFile(folder + QStringLiteral("Report no.%1.rtf").arg(n)).open(QIODevice::WriteOnly));
    QVERIFY(!WriteRunReport(run, details, settings, tmp.path()));
    QCOMPARE(messages.texts(), QStringList {kFailed});

}

QTEST_GUILESS_MAIN(TestRunReport)
#include "tst_RunReport.moc"
