#include "core/platform/Windows1252.h"

#include <QTest>

class TestWindows1252 : public QObject
{
    Q_OBJECT

private slots:
    void everyByteRoundTrips();
    void highControls_data();
    void highControls();
    void unmappable_data();
    void unmappable();
    void utf8OrWindows1252_data();
    void utf8OrWindows1252();
};

void TestWindows1252::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(Windows1252::canEncode(text));
    bool ok = false;
    QCOMPARE(Windows1252::encode(text, &ok), all);
    QVERIFY(ok);
    // Outside 0x80-0x9F the code page is ISO 8859-1.
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80 || b >= 0xA0)
            QCOMPARE(text[b].unicode(), char16_t(b));
    }
}

void TestWindows1252::highControls_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("unassigned 0x81") << 0x81 << 0x0081;
    QTest::newRow("low quote") << 0x82 << 0x201A;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("OE") << 0x8C << 0x0152;
    QTest::newRow("unassigned 0x8D") << 0x8D << 0x008D;
    QTest::newRow("Z caron") << 0x8E << 0x017D;
    QTest::newRow("left quote") << 0x91 << 0x2018;
    QTest::newRow("en dash") << 0x96 << 0x2013;
    QTest::newRow("em dash") << 0x97 << 0x2014;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("unassigned 0x9D") << 0x9D << 0x009D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
}

void TestWindows1252::highControls()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    const QString text = Windows1252::decode(QByteArray(1, char(byte)));
    QCOMPARE(text.size(), 1);
    QCOMPARE(int(text[0].unicode()), codePoint);
    QCOMPARE(Windows1252::encode(QString(QChar(codePoint))), QByteArray(1, char(byte)));
}

void TestWindows1252::unmappable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("cjk") << QString::fromUtf8("a\xe5\xaf\x86z") << QByteArray("a?z");
    QTest::newRow("cyrillic") << QString::fromUtf8("\xd0\x96") << QByteArray("?");
    // One character outside the BMP is one "?", not two.
    QTest::newRow("emoji") << QString::fromUtf8("x\xf0\x9f\x98\x80y") << QByteArray("x?y");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void TestWindows1252::unmappable()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoded);
    bool ok = true;
    QCOMPARE(Windows1252::encode(text, &ok), encoded);
    QVERIFY(!ok);
    QVERIFY(!Windows1252::canEncode(text));
}

void TestWindows1252::utf8OrWindows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    const QString text = QString::fromUtf8("M\xc3\xbcller \xe2\x82\xac");
    QTest::newRow("ascii") << QByteArray("plain") << QStringLiteral("plain");
    QTest::newRow("utf-8") << text.toUtf8() << text;
    QTest::newRow("utf-8 with BOM") << "\xef\xbb\xbf" + text.toUtf8() << text;
    QTest::newRow("windows-1252") << QByteArray("M\xfcller \x80") << text;
    // One invalid sequence decides for the whole text, valid UTF-8 parts included.
    QTest::newRow("mixed") << QByteArray("\xc3\xbc \xfc")
                           << QString::fromUtf8("\xc3\x83\xc2\xbc \xc3\xbc");
    QTest::newRow("truncated utf-8")
        << QByteArray("ab\xe2\x82") << QString::fromUtf8("ab\xc3\xa2\xe2\x80\x9a");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestWindows1252::utf8OrWindows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(Windows1252::decodeUtf8OrWindows1252(bytes), expected);
}

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_Windows1252.moc"
