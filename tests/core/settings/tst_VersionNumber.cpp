#include "core/settings/VersionNumber.h"

#include <QTest>

class TestVersionNumber : public QObject
{
    Q_OBJECT

private slots:
    void versionToNumber_data();
    void versionToNumber();
    void ordering();
};

void TestVersionNumber::versionToNumber_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("3.2") << QStringLiteral("3.2") << qint64(431100);
    QTest::newRow("3.2.0.0") << QStringLiteral("3.2.0.0") << qint64(431100);
    QTest::newRow("3.2.9.4") << QStringLiteral("3.2.9.4") << qint64(440500);
    QTest::newRow("3.0.0.0") << QStringLiteral("3.0.0.0") << qint64(411100);
    QTest::newRow("3") << QStringLiteral("3") << qint64(411100);
    QTest::newRow("3.1") << QStringLiteral("3.1") << qint64(421100);
    QTest::newRow("3.10: only the first digit counts") << QStringLiteral("3.10") << qint64(421100);
    QTest::newRow("2.9.0.0") << QStringLiteral("2.9.0.0") << qint64(401100);
    QTest::newRow("0") << QStringLiteral("0") << qint64(111100);
    QTest::newRow("major of two digits") << QStringLiteral("12.0") << qint64(1311100);
    QTest::newRow("blanks around") << QStringLiteral(" 3.2 ") << qint64(431100);
    QTest::newRow("fifth component ignored") << QStringLiteral("1.2.3.4.5") << qint64(234500);
    QTest::newRow("four components") << QStringLiteral("1.2.3.4") << qint64(234500);
    QTest::newRow("largest digits") << QStringLiteral("2147483647") << qint64(214748364811100);

    QTest::newRow("empty") << QString() << qint64(0);
    QTest::newRow("blank") << QStringLiteral(" ") << qint64(0);
    QTest::newRow("word") << QStringLiteral("abc") << qint64(0);
    QTest::newRow("letter component") << QStringLiteral("3.a") << qint64(0);
    QTest::newRow("two dots") << QStringLiteral("3..2") << qint64(0);
    QTest::newRow("leading dot") << QStringLiteral(".3") << qint64(0);
    QTest::newRow("trailing dot") << QStringLiteral("3.") << qint64(0);
    QTest::newRow("dots only") << QStringLiteral("...") << qint64(0);
    QTest::newRow("negative") << QStringLiteral("-3.2") << qint64(0);
    QTest::newRow("plus sign") << QStringLiteral("+3.2") << qint64(0);
    QTest::newRow("inner blank") << QStringLiteral("3. 2") << qint64(0);
    QTest::newRow("digits beyond 32 bits") << QStringLiteral("99999999999.1") << qint64(0);
    QTest::newRow("digits just beyond 32 bits") << QStringLiteral("2147483.648") << qint64(0);
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\xd9\xa3.\xd9\xa2") << qint64(0);
}

void TestVersionNumber::versionToNumber()
{
    QFETCH(QString, version);
    QFETCH(qint64, expected);
    QCOMPARE(VersionToNumber(version), expected);
}

void TestVersionNumber::ordering()
{
    QVERIFY(VersionToNumber(QStringLiteral("2.9.0.0"))
            < VersionToNumber(QStringLiteral("3.0.0.0")));
    QVERIFY(VersionToNumber(QStringLiteral("3.2.0.0"))
            < VersionToNumber(QStringLiteral("3.2.0.1")));
    QVERIFY(VersionToNumber(QStringLiteral("3.2.9.9")) < VersionToNumber(QStringLiteral("3.3")));
    QVERIFY(VersionToNumber(QStringLiteral("3.9.9.9")) < VersionToNumber(QStringLiteral("4")));
    QCOMPARE(VersionToNumber(QStringLiteral("3.10")), VersionToNumber(QStringLiteral("3.1")));
}

QTEST_GUILESS_MAIN(TestVersionNumber)
#include "tst_VersionNumber.moc"
