#include "core/metatags/KeywordSplit.h"
#include "support/ScriptedMessages.h"

#include <QTest>

class TestKeywordSplit : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void splitEmptyText();
    void clipboard_data();
    void clipboard();
};

void TestKeywordSplit::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("expected"); // the non-empty head; the rest must be empty

    QStringList twenty;
    QStringList words;
    for (int i = 1; i <= 20; ++i)
        words.append(QStringLiteral("w%1").arg(i));
    QTest::newRow("twenty words keep fifteen") << words.join(",") << "," << words.mid(0, 15);
    QTest::newRow("two blanks give an empty keyword") << "alpha  beta" << " "
                                                      << QStringList { "alpha", "", "beta" };
    QTest::newRow("separator of two characters") << "one; two; three" << "; "
                                                  << QStringList { "one", "two", "three" };
    QTest::newRow("empty separator") << "a, b, c" << "" << QStringList { "a, b, c" };
    QTest::newRow("pieces trimmed, long kept")
        << " a , this keyword is much longer than thirty characters ,c" << ","
        << QStringList { "a", "this keyword is much longer than thirty characters", "c" };
    QTest::newRow("separator at the end") << "a.b." << "." << QStringList { "a", "b" };
    QTest::newRow("fifteenth separator drops the rest")
        << "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16" << ","
        << QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15" };
}

void TestKeywordSplit::split()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, expected);
    ScriptedMessages messages;
    const QStringList result = KeywordSplit::SplitKeywords(text, separator);
    QCOMPARE(result.size(), 15);
    QCOMPARE(result.mid(0, expected.size()), expected);
    for (qsizetype i = expected.size(); i < 15; ++i)
        QVERIFY2(result.at(i).isEmpty(), qPrintable(result.at(i)));
    QVERIFY(messages.shown().isEmpty());
}

void TestKeywordSplit::splitEmptyText()
{
    ScriptedMessages messages;
    const QStringList result = KeywordSplit::SplitKeywords(QString(), QStringLiteral(","));
    QCOMPARE(result, QStringList(QList<QString>(15)));
    QCOMPARE(messages.texts(), QStringList { "Clipboard contains no text" });
}

void TestKeywordSplit::clipboard_data()
{
    QTest::addColumn<bool>("hasText");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("workingLength"); // -1: the command stops

    const QString graphics = QStringLiteral(
        "The clipboard contains no text but graphics, etc.! The command can therefore not be "
        "executed. Copy text to clipboard and try again.");
    const QString tooLong = QStringLiteral(
        "The clipboard contains more than 1024 characters. Only the first 1024 characters are "
        "being used. Keywords should not exceed 255 characters!");
    QTest::newRow("picture") << false << QString() << QStringList { graphics } << -1;
    QTest::newRow("2000 characters") << true << QString(2000, u'a') << QStringList { tooLong } << 1024;
    QTest::newRow("exactly 1024") << true << QString(1024, u'a') << QStringList() << 1024;
    QTest::newRow("blanks only") << true << QStringLiteral("  \r\n ") << QStringList { "Clipboard empty!" }
                                 << -1;
    QTest::newRow("1024 blanks and a word")
        << true << QString(1024, u' ') + "word" << QStringList { tooLong, "Clipboard empty!" } << -1;
    QTest::newRow("text") << true << QStringLiteral("a,b") << QStringList() << 3;
}

void TestKeywordSplit::clipboard()
{
    QFETCH(bool, hasText);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QFETCH(int, workingLength);
    ScriptedMessages shown;
    const std::optional<QString> working = KeywordSplit::clipboardWorkingText(hasText, text);
    QCOMPARE(shown.texts(), messages);
    QCOMPARE(working.has_value(), workingLength >= 0);
    if (working)
        QCOMPARE(working->size(), workingLength);
}

QTEST_GUILESS_MAIN(TestKeywordSplit)
#include "tst_KeywordSplit.moc"
