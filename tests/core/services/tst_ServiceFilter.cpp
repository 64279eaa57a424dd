// The filter texts of the service view, the expressions of the filter dialog, and the
// filter language on a small database.

#include "ServiceFixture.h"

#include "core/platform/SdError.h"
#include "core/services/FilterCriteria.h"
#include "core/services/FilterExpression.h"
#include "core/services/TDatenmodul.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QTest>

namespace {

QList<int> viewNumbers(const TDatenmodul& data)
{
    QList<int> numbers;
    for (int row = 0; row < data.rowCount(); ++row)
        numbers << data.viewRecord(row).nr();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

} // namespace

class TestServiceFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void viewFilterText_data();
    void viewFilterText();
    void criteriaExpression_data();
    void criteriaExpression();
    void countryText_data();
    void countryText();

    void filterLanguage_data();
    void filterLanguage();
    void datesInGermanFormat();
    void rejectedExpressions_data();
    void rejectedExpressions();

private:
    struct Opened
    {
        TestFolder folder;
        ScriptedMessages messages;
        TDatenmodul data;
    };
    static std::unique_ptr<Opened> open(const QLocale& locale);
};

void TestServiceFilter::viewFilterText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("expected");

    const QString u = QStringLiteral("(bewertung > 1)");
    const QString a1 = QStringLiteral("(NurManuell <> 'True')");
    const QString a2 = QStringLiteral("(NurManuell = 'True')");
    const QString b = QStringLiteral("(Ausgewaehlt = 'True')");
    const auto both = [](const QString& x, const QString& y) {
        return QString(u'(' + x + QStringLiteral(" AND ") + y + u')');
    };
    for (int mode : {0, 1, 2, 7}) {
        const QString a = mode == 1 ? a1 : mode == 2 ? a2 : QString();
        for (int flags = 0; flags < 4; ++flags) {
            QString expected;
            for (const QString& part : {a, (flags & 1) ? b : QString(), (flags & 2) ? u : QString()}) {
                if (!part.isEmpty())
                    expected = expected.isEmpty() ? part : both(expected, part);
            }
            QTest::addRow("mode %d flags %d", mode, flags) << mode << flags << u << expected;
        }
    }
    // The texts the Part spells out, written out in full.
    QTest::newRow("example") << 1 << 3 << QStringLiteral("U")
                             << QStringLiteral("(((NurManuell <> 'True') AND (Ausgewaehlt = 'True')) AND U)");
    QTest::newRow("manual ticked") << 2 << 1 << QString()
                                   << QStringLiteral("((NurManuell = 'True') AND (Ausgewaehlt = 'True'))");
    QTest::newRow("nothing") << 0 << 0 << u << QString();
    QTest::newRow("blank user expression") << 1 << 2 << QStringLiteral("   ") << a1;
    QTest::newRow("blank user expression alone") << 0 << 2 << QStringLiteral(" \t ") << QString();
    QTest::newRow("user not trimmed") << 0 << 2 << QStringLiteral(" (nr = 1) ")
                                      << QStringLiteral(" (nr = 1) ");
}

void TestServiceFilter::viewFilterText()
{
    QFETCH(int, mode);
    QFETCH(int, flags);
    QFETCH(QString, user);
    QFETCH(QString, expected);
    QCOMPARE(TDatenmodul::viewFilterText(mode, flags, user), expected);
}

void TestServiceFilter::criteriaExpression_data()
{
    using namespace FilterCriteria;
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("countries");
    QTest::addColumn<QString>("expected");
    const QString two = QStringLiteral("((codefuerflagge = 16) or (codefuerflagge = 20))");

    QTest::newRow("example") << (Directories | SpiderEngines | Top100 | Countries) << two
                             << QStringLiteral("((kategorie = 'V') or (kategorie = 'S')) and "
                                               "(bewertung > 1) and ((codefuerflagge = 16) or "
                                               "(codefuerflagge = 20))");
    QTest::newRow("nothing") << 0 << two << QString();
    QTest::newRow("directories") << int(Directories) << QString() << QStringLiteral("((kategorie = 'V'))");
    QTest::newRow("search engines") << int(SpiderEngines) << QString() << QStringLiteral("((kategorie = 'S'))");
    QTest::newRow("other") << int(Other) << QString() << QStringLiteral("((kategorie = 'A'))");
    QTest::newRow("all kinds") << (Directories | SpiderEngines | Other) << QString()
                               << QStringLiteral("((kategorie = 'V') or (kategorie = 'S') or (kategorie = 'A'))");
    QTest::newRow("never submitted") << int(NeverSubmitted) << QString()
                                     << QStringLiteral("(zuletztregistriert = null)");
    QTest::newRow("top 100") << int(Top100) << QString() << QStringLiteral("(bewertung > 1)");
    QTest::newRow("date alone") << int(SubmittedBefore) << QString()
                                << QStringLiteral("((zuletztregistriert <= '3/10/2024') and (zuletztregistriert<> null))");
    QTest::newRow("date appended") << (Other | SubmittedBefore) << QString()
                                   << QStringLiteral("((kategorie = 'A')) and ((zuletztregistriert <= '3/10/2024') and (zuletztregistriert<> null))");
    QTest::newRow("countries alone") << int(Countries) << QStringLiteral("(codefuerflagge = 7)")
                                     << QStringLiteral("(codefuerflagge = 7)");
    QTest::newRow("country box, no country") << (Top100 | Countries) << QString()
                                             << QStringLiteral("(bewertung > 1)");
    QTest::newRow("countries without the box") << int(Top100) << two << QStringLiteral("(bewertung > 1)");
    QTest::newRow("never and top") << (NeverSubmitted | Top100) << QString()
                                   << QStringLiteral("(zuletztregistriert = null) and (bewertung > 1)");
}

void TestServiceFilter::criteriaExpression()
{
    QFETCH(int, bits);
    QFETCH(QString, countries);
    QFETCH(QString, expected);
    const QString text = FilterCriteria::expression(bits, QDate(2024, 3, 10), countries, kEnglish);
    QCOMPARE(text, expected);
    // Whatever the dialog builds, the filter language takes.
    FilterExpression::toSql(text, kEnglish);
}

void TestServiceFilter::countryText_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QList<int> {} << QString();
    QTest::newRow("one") << QList<int> {7} << QStringLiteral("(codefuerflagge = 7)");
    QTest::newRow("two") << QList<int> {16, 20}
                         << QStringLiteral("((codefuerflagge = 16) or (codefuerflagge = 20))");
    QTest::newRow("first and last") << QList<int> {54, 1}
                                    << QStringLiteral("((codefuerflagge = 1) or (codefuerflagge = 54))");
}

void TestServiceFilter::countryText()
{
    QFETCH(QList<int>, codes);
    QFETCH(QString, expected);
    FilterCriteria::CountryTicks ticks {};
    for (int code : codes)
        ticks[size_t(code - 1)] = true;
    QCOMPARE(FilterCriteria::countryText(ticks), expected);
}

std::unique_ptr<TestServiceFilter::Opened> TestServiceFilter::open(const QLocale& locale)
{
    auto o = std::make_unique<Opened>();
    ServiceFixture::create(o->folder.path(), ServiceFixture::standard());
    o->data.setLocale(locale);
    if (!o->data.DataModuleCreate(o->folder.path()))
        qFatal("fixture database does not open: %s", qPrintable(o->data.lastOpenError()));
    return o;
}

void TestServiceFilter::filterLanguage_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QList<int>>("expected");
    using L = QList<int>;
    QTest::newRow("empty") << QString() << L {1, 2, 3, 4, 5, 6};
    QTest::newRow("text =") << QStringLiteral("kategorie = 'S'") << L {1, 4, 5};
    QTest::newRow("case of names, keywords, values") << QStringLiteral("KATEGORIE = 's' OR Kategorie = 'a'") << L {1, 3, 4, 5};
    QTest::newRow("or of brackets") << QStringLiteral("(kategorie = 'V') or (kategorie = 'A')") << L {2, 3, 6};
    QTest::newRow(">") << QStringLiteral("bewertung > 1") << L {1, 4, 5};
    QTest::newRow(">=") << QStringLiteral("bewertung >= 1") << L {1, 2, 4, 5};
    QTest::newRow("<") << QStringLiteral("bewertung < 2") << L {2, 6};
    QTest::newRow("<=") << QStringLiteral("bewertung <= 1") << L {2, 6};
    QTest::newRow("<>") << QStringLiteral("bewertung <> 4") << L {1, 2, 5, 6};
    QTest::newRow("=") << QStringLiteral("Bewertung = 3") << L {1};
    QTest::newRow("text >") << QStringLiteral("name > 'D'") << L {3, 4, 5, 6};
    QTest::newRow("text = any case") << QStringLiteral("name = 'BETA'") << L {2};
    QTest::newRow("date = null") << QStringLiteral("zuletztregistriert = null") << L {2, 5};
    QTest::newRow("date <> null") << QStringLiteral("zuletztregistriert <> null") << L {1, 3, 4, 6};
    QTest::newRow("empty text = null") << QStringLiteral("land = null") << L {3, 6};
    QTest::newRow("text <> null") << QStringLiteral("land<>null") << L {1, 2, 4, 5};
    QTest::newRow("boolean true") << QStringLiteral("NurManuell = 'True'") << L {2, 4};
    QTest::newRow("boolean not true, empty counts false") << QStringLiteral("nurmanuell <> 'True'") << L {1, 3, 5, 6};
    QTest::newRow("boolean false") << QStringLiteral("ausgewaehlt = 'false'") << L {2, 4, 5, 6};
    QTest::newRow("date part of the filter dialog")
        << QStringLiteral("((zuletztregistriert <= '3/10/2024') and (zuletztregistriert<> null))") << L {1, 4, 6};
    QTest::newRow("date <") << QStringLiteral("zuletztregistriert < '1/1/2024'") << L {6};
    QTest::newRow("date, two-digit year") << QStringLiteral("zuletztregistriert >= '3/10/24'") << L {1, 3};
    QTest::newRow("and binds tighter") << QStringLiteral("codefuerflagge = 16 and bewertung > 2 or kategorie = 'A'") << L {1, 3};
    QTest::newRow("nested") << QStringLiteral("((((nr = 5))))") << L {5};
    QTest::newRow("negative number") << QStringLiteral("bewertung > -1") << L {1, 2, 4, 5, 6};
    QTest::newRow("quote inside text") << QStringLiteral("name = 'O''Brien'") << L {};
    QTest::newRow("injection attempt stays a text")
        << QStringLiteral("name = 'x'' OR ''1''=''1'") << L {};
}

void TestServiceFilter::filterLanguage()
{
    QFETCH(QString, expression);
    QFETCH(QList<int>, expected);
    auto o = open(kEnglish);
    o->data.setUserFilterExpression(expression);
    o->data.SetViewFlags(TDatenmodul::UserFilter);
    QCOMPARE(viewNumbers(o->data), expected);
}

void TestServiceFilter::datesInGermanFormat()
{
    auto o = open(kGerman);
    o->data.setUserFilterExpression(FilterCriteria::expression(
        FilterCriteria::SubmittedBefore, QDate(2024, 3, 10), QString(), kGerman));
    QVERIFY(o->data.UserFilterExpression().contains(QLatin1String("'10.03.2024'")));
    o->data.SetViewFlags(TDatenmodul::UserFilter);
    QCOMPARE(viewNumbers(o->data), (QList<int> {1, 4, 6}));
    o->data.setUserFilterExpression(QStringLiteral("zuletztregistriert <= '10.03.24'"));
    o->data.ApplyViewFilter();
    QCOMPARE(viewNumbers(o->data), (QList<int> {1, 4, 6}));
}

void TestServiceFilter::rejectedExpressions_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("message");
    QTest::newRow("open bracket") << QStringLiteral("(kategorie = 'S'") << QStringLiteral("\")\" expected");
    QTest::newRow("close bracket") << QStringLiteral("kategorie = 'S')") << QStringLiteral("Syntax error");
    QTest::newRow("unknown field") << QStringLiteral("sitename = 'x'") << QStringLiteral("\"sitename\"");
    QTest::newRow("open quote") << QStringLiteral("kategorie = 'S''") << QStringLiteral("no closing quote");
    QTest::newRow("statement after") << QStringLiteral("kategorie = 'S'; DROP TABLE dba; --") << QStringLiteral("\";\"");
    QTest::newRow("always true") << QStringLiteral("kategorie = 'S' or 1=1") << QStringLiteral("a field name");
    QTest::newRow("union") << QStringLiteral("name = 'x' union select * from dba") << QStringLiteral("Syntax error");
    QTest::newRow("subquery") << QStringLiteral("nr = (select nr from dba)") << QStringLiteral("a value");
    QTest::newRow("comment") << QStringLiteral("nr = 1 -- x") << QStringLiteral("Syntax error");
    QTest::newRow("double quotes") << QStringLiteral("name = \"x\"") << QStringLiteral("not allowed");
    QTest::newRow("boolean not true/false") << QStringLiteral("nurmanuell = 'yes'") << QStringLiteral("cannot be compared");
    QTest::newRow("boolean ordered") << QStringLiteral("nurmanuell > 'True'") << QStringLiteral("cannot be compared");
    QTest::newRow("number field, text") << QStringLiteral("bewertung = 'abc'") << QStringLiteral("cannot be compared");
    QTest::newRow("null ordered") << QStringLiteral("bewertung > null") << QStringLiteral("null");
    QTest::newRow("bad date") << QStringLiteral("zuletztregistriert <= '31/31/2024'") << QStringLiteral("not a date");
    QTest::newRow("field alone") << QStringLiteral("kategorie") << QStringLiteral("operator");
    QTest::newRow("keyword alone") << QStringLiteral("and") << QStringLiteral("a field name");
    QTest::newRow("==") << QStringLiteral("kategorie == 'S'") << QStringLiteral("a value");
    QTest::newRow("dangling and") << QStringLiteral("nr = 1 and") << QStringLiteral("a field name");
    QTest::newRow("too deep") << QString(200, u'(') + QStringLiteral("nr = 1") + QString(200, u')')
                              << QStringLiteral("too deeply");
    QTest::newRow("null byte") << QStringLiteral("nr = 1") + QChar(0) << QStringLiteral("not allowed");
}

void TestServiceFilter::rejectedExpressions()
{
    QFETCH(QString, expression);
    QFETCH(QString, message);
    auto o = open(kEnglish);
    o->data.SetSubmissionMode(1);
    const QString before = o->data.filterText();
    const QList<int> rows = viewNumbers(o->data);

    o->data.setUserFilterExpression(expression);
    try {
        o->data.SetViewFlags(TDatenmodul::UserFilter);
        QFAIL("the expression was accepted");
    } catch (const SdError& e) {
        QVERIFY2(e.text().contains(message), qPrintable(e.text()));
    }
    QCOMPARE(o->data.filterText(), before);
    QCOMPARE(viewNumbers(o->data), rows);
    // The table is untouched: all rows and their ticks come back from the file.
    QVERIFY(o->data.CloseServiceTables());
    QVERIFY(o->data.OpenServiceTables());
    QCOMPARE(o->data.tableRowCount(), 6);
    QCOMPARE(o->data.recordByNr(1)->boolean(ServiceField::Ausgewaehlt), true);
}

QTEST_GUILESS_MAIN(TestServiceFilter)
#include "tst_ServiceFilter.moc"
