#include "core/metatags/MetaTagInsertion.h"
#include "core/platform/SdError.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QTest>

#include <QDir>

#include <csignal>

#include <sys/resource.h>

using Result = Messages::Result;

namespace {

const QByteArray kAuthorRobots = "<META NAME=\"author\" CONTENT=\"A\">\r\n"
                                 "<META NAME=\"robots\" CONTENT=\"INDEX,FOLLOW\">\r\n";

} // namespace

class TestMetaTagInsertion : public QObject
{
    Q_OBJECT

private slots:
    void insert_data();
    void insert();
    void refusesWithoutHead_data();
    void refusesWithoutHead();
    void asksWhenTargetHasMetaTags();
    void regeneratesFromPage();
    void sourceWithoutMetaTags();
    void identicalFiles();
    void keepsUtf8BytesOutsideInsertedLines();
    void failedWriteLeavesTarget();
};

void TestMetaTagInsertion::insert_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("head on its own line")
        << QByteArray("<html>\r\n<head>\r\n<title>T</title>\r\n</head>\r\n</html>\r\n")
        << QByteArray("<html>\r\n<head>\r\n<META NAME=\"robots\" CONTENT=\"INDEX,FOLLOW\">\r\n"
                      "<META NAME=\"author\" CONTENT=\"A\">\r\n\r\n<title>T</title>\r\n</head>\r\n</html>\r\n");
    QTest::newRow("head and end tag on one line, LF file")
        << QByteArray("<HTML><HEAD><TITLE>T</TITLE></HEAD>\n<BODY></BODY></HTML>\n")
        << QByteArray("<HTML><HEAD>\n<META NAME=\"robots\" CONTENT=\"INDEX,FOLLOW\">\n"
                      "<META NAME=\"author\" CONTENT=\"A\">\n<TITLE>T</TITLE></HEAD>\n<BODY></BODY></HTML>\n");
}

void TestMetaTagInsertion::insert()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, expected);
    ScriptedMessages messages;
    TestFolder folder;
    const QString source = folder.write("tags.mtg", kAuthorRobots);
    const QString page = folder.write("page.htm", target);
    QVERIFY(MetaTagInsertion::insertMetaTags(source, page));
    QCOMPARE(folder.read("page.htm"), expected);
    QVERIFY(messages.shown().isEmpty());
}

void TestMetaTagInsertion::refusesWithoutHead_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::newRow("head with attribute") << QByteArray("<html><head lang=\"en\"><title>x</title></head></html>");
    QTest::newRow("no end tag") << QByteArray("<html><head><title>x</title></html>");
    QTest::newRow("no head") << QByteArray("<html><body></body></html>");
}

void TestMetaTagInsertion::refusesWithoutHead()
{
    QFETCH(QByteArray, target);
    ScriptedMessages messages;
    TestFolder folder;
    const QString source = folder.write("tags.mtg", kAuthorRobots);
    const QString page = folder.write("page.htm", target);
    QVERIFY(!MetaTagInsertion::insertMetaTags(source, page));
    QCOMPARE(folder.read("page.htm"), target);
    QCOMPARE(messages.texts(),
             QStringList { QStringLiteral("File %1 contains no valid HEAD section. Meta tags must be "
                                          "pasted into HEAD section. Check HTML syntax of the file!")
                               .arg(page) });
}

void TestMetaTagInsertion::asksWhenTargetHasMetaTags()
{
    TestFolder folder;
    const QString source = folder.write("tags.mtg", "<META NAME=\"keywords\" CONTENT=\"new \">\r\n");
    const QByteArray original = "<head>\r\n<meta name=\"keywords\" content=\"old\">\r\n</head>\r\n";
    const QString page = folder.write("page.htm", original);
    const QString question = QStringLiteral("Target file %1 already contains meta tags. Paste meta tags "
                                            "from %2 anyway? (Existing meta tags will not be "
                                            "overwritten.)")
                                 .arg(page, source);
    {
        ScriptedMessages messages;
        messages.answer(Result::No);
        QVERIFY(!MetaTagInsertion::insertMetaTags(source, page));
        QCOMPARE(messages.texts(), QStringList { question });
        QCOMPARE(folder.read("page.htm"), original);
    }
    {
        ScriptedMessages messages;
        messages.answer(Result::Yes);
        QVERIFY(MetaTagInsertion::insertMetaTags(source, page));
        QCOMPARE(folder.read("page.htm"),
                 QByteArray("<head>\r\n<META NAME=\"keywords\" CONTENT=\"new \">\r\n\r\n"
                            "<meta name=\"keywords\" content=\"old\">\r\n</head>\r\n"));
    }
}

void TestMetaTagInsertion::regeneratesFromPage()
{
    ScriptedMessages messages;
    TestFolder folder;
    const QString source = folder.write("source.html",
                                        "<html><head>\r\n<meta content='Bob' name='AUTHOR'>\r\n"
                                        "<meta name=robots content=noindex,nofollow>\r\n</head></html>");
    const QString page = folder.write("page.htm", "<head>\r\n</head>\r\n");
    QVERIFY(MetaTagInsertion::insertMetaTags(source, page));
    QCOMPARE(folder.read("page.htm"),
             QByteArray("<head>\r\n<META NAME=\"robots\" CONTENT=\"NOINDEX,NOFOLLOW\">\r\n"
                        "<META NAME=\"author\" CONTENT=\"Bob\">\r\n\r\n</head>\r\n"));
}

void TestMetaTagInsertion::sourceWithoutMetaTags()
{
    ScriptedMessages messages;
    TestFolder folder;
    const QString source = folder.write("source.html", "<html><head><title>x</title></head></html>");
    const QByteArray original = "<head></head>";
    const QString page = folder.write("page.htm", original);
    QVERIFY(!MetaTagInsertion::insertMetaTags(source, page));
    QCOMPARE(messages.texts(),
             (QStringList { "HEAD found, but HEAD does not contain any (correct or mandatory) meta tags "
                            "to be loaded!",
                            QStringLiteral("File %1 does not seem to be a valid mtg-file. Only mtg-files "
                                           "may be used!")
                                .arg(source) }));
    QCOMPARE(folder.read("page.htm"), original);
}

void TestMetaTagInsertion::identicalFiles()
{
    ScriptedMessages messages;
    TestFolder folder;
    const QString page = folder.write("page.htm", "<head></head>");
    QVERIFY(!MetaTagInsertion::confirmAndInsert(page, page));
    QCOMPARE(messages.texts(), QStringList { "Source and target file must not be identical!" });

    messages.clear();
    const QString source = folder.write("tags.mtg", kAuthorRobots);
    messages.answer(Result::No);
    QVERIFY(!MetaTagInsertion::confirmAndInsert(source, page));
    QCOMPARE(messages.texts(),
             QStringList { QStringLiteral("Insert meta tags from file %1 into %2?").arg(source, page) });
    QCOMPARE(folder.read("page.htm"), QByteArray("<head></head>"));
}

void TestMetaTagInsertion::keepsUtf8BytesOutsideInsertedLines()
{
    ScriptedMessages messages;
    messages.answer(Result::No); // keep the special characters as they are
    TestFolder folder;
    const QString source = folder.write("source.html",
                                        "<html>\n<meta name=\"author\" content=\"J\xC3\xBCrgen \xC5\x81\">\n</html>");
    const QByteArray before = "\xEF\xBB\xBF<html>\n<head>";
    const QByteArray after = "\n<title>Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x8C\xB1</title>\n</head>\n"
                             "<body>\xC3\xA4\r\nmixed\rends</body>\n";
    const QString page = folder.write("page.htm", before + after);
    QVERIFY(MetaTagInsertion::insertMetaTags(source, page));
    QCOMPARE(folder.read("page.htm"),
             before + "\n<META NAME=\"author\" CONTENT=\"J\xC3\xBCrgen \xC5\x81\">\n" + after);

    // A Windows-1252 page gets Windows-1252 bytes, and references for what it cannot hold.
    messages.answer(Result::No);
    const QByteArray latin = "<head>\r\n<title>K\xF6nig</title></head>\r\n";
    const QString latinPage = folder.write("latin.htm", latin);
    QVERIFY(MetaTagInsertion::insertMetaTags(source, latinPage));
    QCOMPARE(folder.read("latin.htm"),
             QByteArray("<head>\r\n<META NAME=\"author\" CONTENT=\"J\xFCrgen &#321;\">\r\n"
                        "\r\n<title>K\xF6nig</title></head>\r\n"));
}

void TestMetaTagInsertion::failedWriteLeavesTarget()
{
    ScriptedMessages messages;
    TestFolder folder;
    const QString source = folder.write("tags.mtg", kAuthorRobots);
    const QByteArray original = "<head>\r\n" + QByteArray(200, 'x') + "\r\n</head>\r\n";
    const QString page = folder.write("page.htm", original);
    // A full disk, as far as this process is concerned: no file may grow beyond 256
    // bytes, so the new page cannot be written completely (also when run as root).
    rlimit old {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 256;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool thrown = false;
    try {
        MetaTagInsertion::insertMetaTags(source, page);
    } catch (const SdError&) {
        thrown = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(thrown);
    QCOMPARE(folder.read("page.htm"), original);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

QTEST_GUILESS_MAIN(TestMetaTagInsertion)
#include "tst_MetaTagInsertion.moc"
