#include "core/services/CountryCodeTable.h"

#include <QSet>
#include <QTest>

class TestCountryCodeTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void names_data();
    void names();
    void everyCodeNamedInEveryLanguage();
};

void TestCountryCodeTable::names_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");

    QTest::newRow("first, English") << 1 << 1 << "Andorra";
    QTest::newRow("Austria, German") << 5 << 2 << "Österreich";
    QTest::newRow("Czech Republic, French") << 15 << 3 << "Rép. tchèque";
    QTest::newRow("18 is Spanien in English") << 18 << 1 << "Spanien";
    QTest::newRow("18 in French") << 18 << 3 << "Espagne";
    QTest::newRow("UK, German") << 48 << 2 << "Großbritannien";
    QTest::newRow("Mauritius, French") << 33 << 3 << "Ile Maurice";
    QTest::newRow("Other, German") << 53 << 2 << "Sonstiges";
    QTest::newRow("last, French") << 54 << 3 << "Inconnu";
    QTest::newRow("unknown language falls back to English") << 54 << 9 << "Not known";
    QTest::newRow("no flag") << 0 << 1 << "";
    QTest::newRow("beyond the strip") << 55 << 1 << "";
    QTest::newRow("negative") << -3 << 2 << "";
}

void TestCountryCodeTable::names()
{
    QFETCH(int, code);
    QFETCH(int, language);
    QFETCH(QString, name);
    QCOMPARE(CountryCodeTable::name(code, language), name);
}

void TestCountryCodeTable::everyCodeNamedInEveryLanguage()
{
    for (int language = 1; language <= 3; ++language) {
        QSet<QString> seen;
        for (int code = CountryCodeTable::kFirstCode; code <= CountryCodeTable::kLastCode; ++code) {
            const QString n = CountryCodeTable::name(code, language);
            QVERIFY2(!n.isEmpty(), qPrintable(QString::number(code)));
            seen.insert(n);
        }
        QCOMPARE(seen.size(), 54);
    }
}

QTEST_GUILESS_MAIN(TestCountryCodeTable)
#include "tst_CountryCodeTable.moc"
