#include "core/platform/TDateTime.h"

#include <QTest>

#include <limits>

class TestTDateTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void known_data();
    void known();
    void roundTripsToTheMillisecond();
    void outOfRangeIsInvalid_data();
    void outOfRangeIsInvalid();
};

void TestTDateTime::known_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QDateTime>("dateTime");

    QTest::newRow("epoch") << 0.0 << QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    QTest::newRow("day two") << 2.0 << QDateTime(QDate(1900, 1, 1), QTime(0, 0));
    QTest::newRow("noon") << 2.5 << QDateTime(QDate(1900, 1, 1), QTime(12, 0));
    QTest::newRow("before the epoch")
        << -1.25 << QDateTime(QDate(1899, 12, 29), QTime(6, 0));
    QTest::newRow("2026") << 46367.75 << QDateTime(QDate(2026, 12, 11), QTime(18, 0));
}

void TestTDateTime::known()
{
    QFETCH(double, value);
    QFETCH(QDateTime, dateTime);
    QCOMPARE(TDateTime::toDateTime(value), dateTime);
    QCOMPARE(TDateTime::fromDateTime(dateTime), value);
}

void TestTDateTime::roundTripsToTheMillisecond()
{
    const QDateTime samples[] = {
        QDateTime(QDate(2003, 7, 14), QTime(23, 59, 59, 999)),
        QDateTime(QDate(1999, 1, 1), QTime(0, 0, 0, 1)),
        QDateTime(QDate(1850, 3, 3), QTime(13, 14, 15, 16)),
    };
    for (const QDateTime& sample : samples)
        QCOMPARE(TDateTime::toDateTime(TDateTime::fromDateTime(sample)), sample);
}

void TestTDateTime::outOfRangeIsInvalid_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("year 10000") << 3000000.0;
    QTest::newRow("huge") << 1e300;
}

void TestTDateTime::outOfRangeIsInvalid()
{
    QFETCH(double, value);
    QVERIFY(!TDateTime::toDateTime(value).isValid());
}

QTEST_GUILESS_MAIN(TestTDateTime)
#include "tst_TDateTime.moc"
