#include "core/metatags/TLastInfo.h"
#include "core/metatags/TMetaTagData.h"
#include "core/platform/SdError.h"
#include "core/platform/TextLines.h"
#include "core/platform/Windows1252.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QHash>
#include <QTest>

using Kind = Messages::Kind;
using Result = Messages::Result;

namespace {

const QString kNoTags = QStringLiteral(
    "HEAD found, but HEAD does not contain any (correct or mandatory) meta tags to be loaded!");

QString fixtureText(const QString& name)
{
    return Windows1252::decodeUtf8OrWindows1252(TestFolder::fixtureBytes(QStringLiteral("metatags/") + name));
}

// Inputs of a generator window, as plain values.
class FakeInputs final : public TMetaTagInputs
{
public:
    QHash<int, QString> texts;
    QHash<int, int> indexes;
    QDateTime dateValue;
    QList<Input> missing;

    bool isAssigned(Input input) const override { return !missing.contains(input); }
    QString text(Input input) const override { return texts.value(int(input)); }
    void setText(Input input, const QString& text) override { texts.insert(int(input), text); }
    int itemIndex(Input input) const override { return indexes.value(int(input), -1); }
    void setItemIndex(Input input, int index) override { indexes.insert(int(input), index); }
    QDateTime date() const override { return dateValue; }
    void setDate(const QDateTime& date) override { dateValue = date; }
};

} // namespace

class TestTLastInfo : public QObject
{
    Q_OBJECT

private slots:
    void entityTable();
    void generate_data();
    void generate();
    void generateReplacesSpecialCharacters();
    void generateNothing();
    void read_data();
    void read();
    void readReportsDuplicates();
    void readStopsAtEmptyTag();
    void readWithoutTags();
    void readLimitsTags();
    void roundTrip();
    void expiresTextBothWays_data();
    void expiresTextBothWays();
    void refreshDelay_data();
    void refreshDelay();
    void realPages();
    void fileRoundTrip();
    void loadOriginalFile();
    void saveNothingWritesNothing();
    void metaTagDataRules();
    void metaTagDataBindsInputs();
};

void TestTLastInfo::entityTable()
{
    const auto& table = TLastInfo::sonderZeichen();
    QCOMPARE(table.size(), std::size_t(104));
    QCOMPARE(table[0].zeichen, QChar(u'"'));
    QCOMPARE(QLatin1String(table[0].entity), QLatin1String("&quot;"));
    QCOMPARE(table[1].zeichen, QChar(u'<'));
    QCOMPARE(table[2].zeichen, QChar(161));
    QCOMPARE(table[49].zeichen, QChar(255));
    // 151, 146, 148 and 62 follow the odd codes.
    QCOMPARE(table[50].zeichen, Windows1252::decode(QByteArray(1, char(151))).at(0));
    QCOMPARE(table[51].zeichen, Windows1252::decode(QByteArray(1, char(146))).at(0));
    QCOMPARE(table[53].zeichen, QChar(u'>'));
    QCOMPARE(table[54].zeichen, QChar(162));
    QCOMPARE(table[103].zeichen, QChar(0x20AC));
    QCOMPARE(QLatin1String(table[103].entity), QLatin1String("&euro;"));
    QSet<QChar> seen;
    for (const auto& entry : table) {
        QVERIFY(!seen.contains(entry.zeichen));
        seen.insert(entry.zeichen);
        QVERIFY(entry.zeichen != QChar(u'&') && entry.zeichen != QChar(160) && entry.zeichen != QChar(182));
    }
    const QChar uuml(0xFC);
    for (const auto& entry : table) {
        if (entry.zeichen == uuml)
            QCOMPARE(QLatin1String(entry.entity), QLatin1String("&uuml;"));
    }
}

void TestTLastInfo::generate_data()
{
    QTest::addColumn<QString>("author");
    QTest::addColumn<QStringList>("keywords");
    QTest::addColumn<int>("robots");
    QTest::addColumn<int>("expiresMode");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("author, keywords, robots")
        << "A" << QStringList { "a, b" } << 0 << -1
        << QStringList { "<META NAME=\"author\" CONTENT=\"A\">",
                         "<META NAME=\"keywords\" CONTENT=\"a, b \">",
                         "<META NAME=\"robots\" CONTENT=\"INDEX,FOLLOW\">" };
    QTest::newRow("two keyword lines")
        << "" << QStringList { "one", "two" } << -1 << -1
        << QStringList { "<META NAME=\"keywords\" CONTENT=\"one two \">" };
    QTest::newRow("expires never, robots 3")
        << "" << QStringList() << 3 << 0
        << QStringList { "<META NAME=\"expires\" CONTENT=\"NEVER\">",
                         "<META NAME=\"robots\" CONTENT=\"NOINDEX,NOFOLLOW\">" };
    QTest::newRow("expires immediately, unknown robots")
        << "" << QStringList() << 4 << 1 << QStringList { "<META NAME=\"expires\" CONTENT=\"0\">" };
}

void TestTLastInfo::generate()
{
    QFETCH(QString, author);
    QFETCH(QStringList, keywords);
    QFETCH(int, robots);
    QFETCH(int, expiresMode);
    QFETCH(QStringList, expected);
    ScriptedMessages messages;
    TLastInfo info;
    info.Author = author;
    info.Keywords = keywords;
    info.Robots = robots;
    info.ExpiresMode = expiresMode;
    QStringList lines;
    QVERIFY(info.GenerateLines(lines));
    QCOMPARE(lines, expected);
    QVERIFY(messages.shown().isEmpty());
}

void TestTLastInfo::generateReplacesSpecialCharacters()
{
    const QString question = QStringLiteral(
        "Special characters have been found. Do you wish to replace these characters with HTML codes?");
    TLastInfo info;
    info.Author = QStringLiteral("M\u00e4rz \"&\" Co");
    info.Publisher = QStringLiteral("x");
    info.PageType = QStringLiteral("1 \u20ac");
    {
        ScriptedMessages messages;
        messages.answer(Result::Yes);
        QStringList lines;
        QVERIFY(info.GenerateLines(lines));
        QCOMPARE(messages.texts(), QStringList { question });
        QCOMPARE(lines.first(), QStringLiteral("<META NAME=\"author\" CONTENT=\"M&auml;rz &quot;&&quot; Co\">"));
        QCOMPARE(lines.last(), QStringLiteral("<META NAME=\"page-type\" CONTENT=\"1 &euro;\">"));
    }
    {
        ScriptedMessages messages;
        messages.answer(Result::No);
        QStringList lines;
        QVERIFY(info.GenerateLines(lines));
        QCOMPARE(lines.first(), QStringLiteral("<META NAME=\"author\" CONTENT=\"M\u00e4rz \"&\" Co\">"));
    }
}

void TestTLastInfo::generateNothing()
{
    ScriptedMessages messages;
    TLastInfo info;
    QStringList lines;
    QVERIFY(!info.GenerateLines(lines));
    QVERIFY(lines.isEmpty());
    QCOMPARE(messages.texts(),
             QStringList { "To complete the desired process, enter at least one meta tag!" });
}

void TestTLastInfo::read_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QStringList>("keywords");
    QTest::addColumn<int>("robots");

    QTest::newRow("plain") << "<META NAME=\"author\" CONTENT=\"Jo\">" << "Jo" << QStringList() << -1;
    QTest::newRow("apostrophes") << "<meta name='author' content='Jo'>" << "Jo" << QStringList() << -1;
    QTest::newRow("blanks around =") << "<meta name = \"author\"  content =  \"Jo\">" << "Jo"
                                     << QStringList() << -1;
    QTest::newRow("content first") << "<meta content=\"Jo\" name=\"author\">" << "Jo" << QStringList()
                                   << -1;
    QTest::newRow("line breaks in tag") << "<meta\r\nname=\"keywords\"\ncontent=\"a,\r\nb\">" << ""
                                        << QStringList { "a,  b" } << -1;
    QTest::newRow("robots exact") << "<meta name=robots content=noindex,follow>" << "" << QStringList()
                                  << 2;
    QTest::newRow("robots with blank") << "<meta name=robots content=\"index, follow\">" << ""
                                       << QStringList() << -1;
    QTest::newRow("semicolons as blanks") << "<meta name=keywords content=\"a;b\">" << ""
                                          << QStringList { "a b" } << -1;
    QTest::newRow("character references keep their semicolon")
        << "<meta name=keywords content=\"K&ouml;ln; &#8364;;x&;\">" << ""
        << QStringList { "K&ouml;ln  &#8364; x&" } << -1;
    QTest::newRow("other attributes stay in the value")
        << "<meta name=\"author\" content=\"Jo\" lang=\"en\">" << "Jo lang=en" << QStringList() << -1;
}

void TestTLastInfo::read()
{
    QFETCH(QString, page);
    QFETCH(QString, author);
    QFETCH(QStringList, keywords);
    QFETCH(int, robots);
    ScriptedMessages messages;
    TLastInfo info;
    QVERIFY(info.ReadFromLines(TextLines::split(page)));
    QCOMPARE(info.Author, author);
    QCOMPARE(info.Keywords, keywords);
    QCOMPARE(info.Robots, robots);
    QVERIFY(messages.shown().isEmpty());
}

void TestTLastInfo::readReportsDuplicates()
{
    ScriptedMessages messages;
    TLastInfo info;
    const QString page = QStringLiteral(
        "<meta name=author content=first><meta name=keywords content=k1>"
        "<meta name=author content=second><meta name=keywords content=k2>"
        "<meta name=keywords content=k3>");
    QVERIFY(info.ReadFromLines({ page }));
    QCOMPARE(info.Author, QStringLiteral("first"));
    QCOMPARE(info.Keywords, QStringList { "k1" });
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().kind, Kind::Warning);
    QCOMPARE(messages.shown().first().text,
             QStringLiteral("The following meta tags are found more than once:\rAUTHOR x 2, KEYWORDS x 3"
                            "\r\rOnly the first respective meta tag (of several identical ones) has "
                            "been loaded!"));
}

void TestTLastInfo::readStopsAtEmptyTag()
{
    ScriptedMessages messages;
    TLastInfo info;
    // The second tag holds nothing but quotes: its line is empty after normalising.
    QVERIFY(!info.ReadFromLines({ "<meta name=author content=a><meta \"\"><meta name=publisher content=p>" }));
    QCOMPARE(info.Author, QStringLiteral("a"));
    QVERIFY(info.Publisher.isEmpty());
    QCOMPARE(messages.texts(), QStringList { "Empty string - non-critical error no. 881102" });
    QCOMPARE(messages.shown().first().kind, Kind::Warning);
}

void TestTLastInfo::readWithoutTags()
{
    ScriptedMessages messages;
    TLastInfo info;
    info.Author = QStringLiteral("kept");
    QVERIFY(!info.ReadFromLines({ "<html><head><title>x</title></head></html>" }));
    QCOMPARE(info.Author, QStringLiteral("kept"));
    QCOMPARE(messages.texts(), QStringList { kNoTags });
    QCOMPARE(messages.shown().first().kind, Kind::Information);
}

void TestTLastInfo::readLimitsTags()
{
    ScriptedMessages messages;
    QString page;
    for (int i = 0; i < 600; ++i)
        page += QStringLiteral("<meta name=author content=a%1>").arg(i);
    TLastInfo info;
    QVERIFY(info.ReadFromLines({ page }));
    QCOMPARE(info.Author, QStringLiteral("a0"));
    // One error box for the whole reading, then the duplicate warning.
    QCOMPARE(messages.shown().size(), 2);
    QCOMPARE(messages.shown().at(0).kind, Kind::Error);
    QVERIFY(messages.shown().at(0).text.startsWith(
        "This file has seemingly caused a program error. Please forward the file that has caused "
        "this error to "));
    QVERIFY(messages.shown().at(0).text.endsWith(". Thank you!"));
    QVERIFY(messages.shown().at(1).text.contains("AUTHOR x 600"));
}

void TestTLastInfo::roundTrip()
{
    ScriptedMessages messages;
    messages.answer(Result::Yes);
    TLastInfo info;
    info.Author = QStringLiteral("J\u00fcrgen <web>");
    info.Publisher = QStringLiteral("Pub");
    info.Copyright = QStringLiteral("(c) 2004");
    info.Keywords = QStringList { "garden, tools" };
    info.Description = QStringList { "A shop." };
    info.PageTopic = QStringLiteral("Chemicals");
    info.Audience = QStringLiteral("All");
    info.PageType = QStringLiteral("Commercial");
    info.ExpiresMode = 2;
    info.ExpiresDate = QDateTime(QDate(2004, 10, 1), QTime(15, 30));
    info.Robots = 1;
    QStringList lines;
    QVERIFY(info.GenerateLines(lines));
    QCOMPARE(lines.size(), 10);
    QVERIFY(lines.contains("<META NAME=\"expires\" CONTENT=\"Fri, 1 Oct 2004 00:00:00 GMT\">"));

    TLastInfo back;
    back.ExpiresDate = QDateTime(QDate(2020, 1, 1), QTime(0, 0));
    QVERIFY(back.ReadFromLines(lines));
    // The entities stay entities: the reader does not decode them.
    QCOMPARE(back.Author, QStringLiteral("J&uuml;rgen &lt;web&gt;"));
    QCOMPARE(back.Publisher, info.Publisher);
    QCOMPARE(back.Copyright, info.Copyright);
    QCOMPARE(back.Keywords, QStringList { "garden, tools" });
    QCOMPARE(back.Description, QStringList { "A shop." });
    QCOMPARE(back.PageTopic, info.PageTopic);
    QCOMPARE(back.Audience, info.Audience);
    QCOMPARE(back.PageType, info.PageType);
    QCOMPARE(back.ExpiresMode, 2);
    QCOMPARE(back.ExpiresDate.date(), QDate(2004, 10, 1));
    QCOMPARE(back.Robots, 1);
}

void TestTLastInfo::expiresTextBothWays_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QDate>("date");

    const QDate kept(2020, 2, 2);
    QTest::newRow("generated form") << "Tue, 6 Jan 2004 00:00:00 GMT" << 2 << QDate(2004, 1, 6);
    QTest::newRow("month in capitals") << "Mon, 29 FEB 2016 00:00:00 GMT" << 2 << QDate(2016, 2, 29);
    QTest::newRow("no such date") << "Mon, 30 Feb 2016 00:00:00 GMT" << -1 << kept;
    QTest::newRow("day not a number") << "Mon, x Feb 2016" << -1 << kept;
    QTest::newRow("unknown month keeps the date") << "Mon, 3 Foo 2016" << 2 << kept;
    QTest::newRow("zero") << "0" << 1 << kept;
    QTest::newRow("never") << "never" << 0 << kept;
    QTest::newRow("other") << "tomorrow" << -1 << kept;
}

void TestTLastInfo::expiresTextBothWays()
{
    QFETCH(QString, content);
    QFETCH(int, mode);
    QFETCH(QDate, date);
    ScriptedMessages messages;
    TLastInfo info;
    info.ExpiresDate = QDateTime(QDate(2020, 2, 2), QTime(0, 0));
    QVERIFY(info.ReadFromLines({ "<meta name=\"expires\" content=\"" + content + "\">" }));
    QCOMPARE(info.ExpiresMode, mode);
    QCOMPARE(info.ExpiresDate.date(), date);
    if (mode == 2 && date != QDate(2020, 2, 2))
        QCOMPARE(TLastInfo::expiresText(date), content.replace("FEB", "Feb"));
}

void TestTLastInfo::refreshDelay_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("delay");

    QTest::newRow("content with target")
        << "<meta http-equiv=\"refresh\" content=\"10; URL=http://x.de/\">" << 10;
    QTest::newRow("number and blank") << "<META HTTP-EQUIV=REFRESH CONTENT=\"5 http://x.de\">" << 5;
    QTest::newRow("number alone, last tag") << "<meta http-equiv='refresh' content='7'>" << 7;
    QTest::newRow("followed by another tag")
        << "<meta http-equiv=\"refresh\" content=\"15\">\n<meta name=\"author\" content=\"x\">" << 15;
    QTest::newRow("no refresh") << "<meta name=\"author\" content=\"x\">" << -1;
    QTest::newRow("no content") << "<meta http-equiv=\"refresh\">" << -1;
    QTest::newRow("not a number") << "<meta http-equiv=\"refresh\" content=\"soon\">" << -1;
    QTest::newRow("no meta at all") << "<html></html>" << -1;
}

void TestTLastInfo::refreshDelay()
{
    QFETCH(QString, page);
    QFETCH(int, delay);
    QCOMPARE(TLastInfo::RefreshDelay(page), delay);
}

void TestTLastInfo::realPages()
{
    ScriptedMessages messages;
    {
        TLastInfo info;
        QVERIFY(info.ReadFromLines(TextLines::split(fixtureText("shop.html"))));
        QCOMPARE(info.Author, QStringLiteral("Hans M\u00fcller"));
        QCOMPARE(info.Keywords, QStringList { "garden, tools, plants, seeds" });
        QCOMPARE(info.Description, QStringList { "Everything for your garden:   tools, plants and seeds." });
        QCOMPARE(info.Robots, 0);
        QCOMPARE(info.ExpiresMode, 2);
        QCOMPARE(info.ExpiresDate.date(), QDate(2004, 10, 1));
        QVERIFY(messages.shown().isEmpty());
        QCOMPARE(TLastInfo::RefreshDelay(fixtureText("shop.html")), -1);
    }
    {
        TLastInfo info;
        QVERIFY(info.ReadFromLines(TextLines::split(fixtureText("blog.html"))));
        QCOMPARE(info.Author, QStringLiteral("Jane Doe"));
        QCOMPARE(info.Publisher, QStringLiteral("Doe Media"));
        QCOMPARE(info.Keywords, QStringList { "compost  soil  worms" });
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts().first().contains("AUTHOR x 2, KEYWORDS x 3"));
        QCOMPARE(TLastInfo::RefreshDelay(fixtureText("blog.html")), 30);
    }
    {
        messages.clear();
        TLastInfo info;
        QVERIFY(!info.ReadFromLines(TextLines::split(fixtureText("plain.html"))));
        QCOMPARE(messages.texts(), QStringList { kNoTags });
    }
    {
        messages.clear();
        TLastInfo info;
        QVERIFY(info.ReadFromLines(TextLines::split(fixtureText("oneline.html"))));
        QCOMPARE(info.PageTopic, QStringLiteral("Chemicals"));
        QCOMPARE(info.Audience, QStringLiteral("All"));
        QCOMPARE(info.PageType, QStringLiteral("Commercial"));
        QCOMPARE(info.Robots, -1);
        QCOMPARE(info.ExpiresMode, 1);
        QVERIFY(messages.shown().isEmpty());
    }
}

void TestTLastInfo::fileRoundTrip()
{
    ScriptedMessages messages;
    messages.answer(Result::No);
    TestFolder folder;
    const QString path = folder.filePath("page.mtg");
    TLastInfo info;
    info.Author = QStringLiteral("M\u00fcller \u0141ukasz"); // the L with stroke is not Windows-1252
    info.Robots = 2;
    QVERIFY(info.SaveFile(path));
    const QByteArray bytes = folder.read("page.mtg");
    QCOMPARE(bytes, QByteArray("<META NAME=\"author\" CONTENT=\"M\xFCller &#321;ukasz\">\r\n"
                               "<META NAME=\"robots\" CONTENT=\"NOINDEX,FOLLOW\">\r\n"));
    TLastInfo back;
    QVERIFY(back.LoadFile(path));
    QCOMPARE(back.Author, QStringLiteral("M\u00fcller &#321;ukasz"));
    QCOMPARE(back.Robots, 2);
}

void TestTLastInfo::loadOriginalFile()
{
    ScriptedMessages messages;
    TestFolder folder;
    // Windows-1252 bytes as the original program wrote them; "\x80" is the euro sign.
    const QString path = folder.write("old.MTG", "<META NAME=\"author\" CONTENT=\"K\xF6nig \x80\">\r\n"
                                                 "<META NAME=\"keywords\" CONTENT=\"a, b \">\r\n");
    TLastInfo info;
    QVERIFY(info.LoadFile(path));
    QCOMPARE(info.Author, QStringLiteral("K\u00f6nig \u20ac"));
    QCOMPARE(info.Keywords, QStringList { "a, b" });
    QVERIFY_THROWS_EXCEPTION(SdError, info.LoadFile(folder.filePath("missing.mtg")));
}

void TestTLastInfo::saveNothingWritesNothing()
{
    ScriptedMessages messages;
    TestFolder folder;
    const QString path = folder.write("keep.mtg", "old");
    TLastInfo info;
    QVERIFY(!info.SaveFile(path));
    QCOMPARE(folder.read("keep.mtg"), QByteArray("old"));
}

void TestTLastInfo::metaTagDataRules()
{
    ScriptedMessages messages;
    TMetaTagData data;
    data.setFilename(QStringLiteral("/tmp/a.MtG"));
    try {
        data.setFilename(QStringLiteral("/tmp/a.html"));
        QFAIL("no error");
    } catch (const SdError& e) {
        QCOMPARE(e.text(), QStringLiteral("Die Dateierweiterung muss \".MTG\" sein!"));
    }
    QCOMPARE(data.Filename(), QStringLiteral("/tmp/a.MtG"));

    data.info().Author = QStringLiteral("a");
    data.info().Keywords = QStringList { "k" };
    data.info().Robots = 2;
    data.info().ExpiresMode = 1;
    data.Clear();
    QVERIFY(data.Filename().isEmpty());
    QVERIFY(data.info().Author.isEmpty() && data.info().Keywords.isEmpty());
    QCOMPARE(data.info().Robots, -1);
    QCOMPARE(data.info().ExpiresMode, 1);

    try {
        data.Load();
        QFAIL("no error");
    } catch (const SdError& e) {
        QCOMPARE(e.text(), QStringLiteral("Kein Dateiname angegeben!"));
    }
    try {
        data.Save();
        QFAIL("no error");
    } catch (const SdError& e) {
        QCOMPARE(e.text(), QStringLiteral("File name is empty!"));
    }
    FakeInputs inputs;
    inputs.missing = { TMetaTagInputs::Input::MTrobots };
    data.setInputs(&inputs);
    data.setFilename(QStringLiteral("/tmp/x.mtg"));
    try {
        data.Save();
        QFAIL("no error");
    } catch (const SdError& e) {
        QVERIFY(e.text().contains("MTrobots"));
    }
}

void TestTLastInfo::metaTagDataBindsInputs()
{
    using Input = TMetaTagInputs::Input;
    ScriptedMessages messages;
    TestFolder folder;
    FakeInputs inputs;
    inputs.setText(Input::MTauthor, "Ann");
    inputs.setText(Input::MTkeywords, "one\r\ntwo\r\n");
    inputs.setItemIndex(Input::MTrobots, 0);
    inputs.setItemIndex(Input::MTexpiresInfo, 2);
    inputs.setDate(QDateTime(QDate(2004, 1, 6), QTime(0, 0)));
    TMetaTagData data(&inputs);
    data.setFilename(folder.filePath("page.mtg"));
    data.Save();
    QCOMPARE(folder.read("page.mtg"),
             QByteArray("<META NAME=\"author\" CONTENT=\"Ann\">\r\n"
                        "<META NAME=\"keywords\" CONTENT=\"one two \">\r\n"
                        "<META NAME=\"expires\" CONTENT=\"Tue, 6 Jan 2004 00:00:00 GMT\">\r\n"
                        "<META NAME=\"robots\" CONTENT=\"INDEX,FOLLOW\">\r\n"));

    FakeInputs other;
    other.setText(Input::MTpublisher, "stale");
    TMetaTagData reader(&other);
    reader.setFilename(folder.filePath("page.mtg"));
    reader.Clear();
    reader.setFilename(folder.filePath("page.mtg"));
    reader.Load();
    QCOMPARE(other.text(Input::MTauthor), QStringLiteral("Ann"));
    QCOMPARE(other.text(Input::MTpublisher), QString());
    QCOMPARE(other.text(Input::MTkeywords), QStringLiteral("one two\r\n"));
    QCOMPARE(other.itemIndex(Input::MTrobots), 0);
    QCOMPARE(other.itemIndex(Input::MTexpiresInfo), 2);
    QCOMPARE(other.date().date(), QDate(2004, 1, 6));
}

QTEST_GUILESS_MAIN(TestTLastInfo)
#include "tst_TLastInfo.moc"
