// The core of the submit command: gathering the ticked services of the automatic list,
// and the completeness check of the details.

#include "../services/ServiceFixture.h"

#include "core/project/TStatusbericht.h"
#include "core/services/TDatenmodul.h"
#include "core/submit/SubmissionStart.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using F = ServiceField;
using D = TProjektDetails::Field;

namespace {

struct Row
{
    qint32 nr;
    QString name;
    bool ticked;
    QString action = QStringLiteral("http://127.0.0.1/add");
    int status = 0;
    QString methode = QStringLiteral("P");
    bool kostetGeld = false;
    bool nurManuell = false;
};

TServiceRecord recordOf(const Row& row)
{
    TServiceRecord r = ServiceFixture::record({row.nr, row.name, QStringLiteral("S"), row.nurManuell ? 1 : 0,
                                               row.ticked ? 1 : 0, 1, 16, QVariant(), QStringLiteral("DE")});
    r.setValue(F::Action, row.action);
    r.setValue(F::Status, row.status);
    r.setValue(F::Methode, row.methode);
    r.setValue(F::KostetGeld, row.kostetGeld ? 1 : 0);
    r.setValue(F::ManuellURL, QStringLiteral("http://%1.test/manual").arg(row.nr));
    r.setValue(F::Parameter1, QStringLiteral("p=%1").arg(row.nr));
    r.setValue(F::Ref, row.nr % 2);
    return r;
}

// Names chosen so that the name order differs from the table order.
QList<Row> rows()
{
    return {
        {1, QStringLiteral("Zed"), true},
        {2, QStringLiteral("Unticked"), false},
        {3, QStringLiteral("Status one"), true, QStringLiteral("http://127.0.0.1/add"), 1},
        {4, QStringLiteral("No action"), false, QString()},
        {5, QStringLiteral("No method"), true, QStringLiteral("http://127.0.0.1/add"), 0, QString()},
        {6, QStringLiteral("Paid"), true, QStringLiteral("http://127.0.0.1/add"), 1, QStringLiteral("G"), true},
        {7, QStringLiteral("Manual"), true, QString(), 0, QStringLiteral("G"), false, true},
        {8, QStringLiteral("Able"), true},
    };
}

void createDatabase(const TestFolder& folder, const QString& extraSql = {})
{
    QList<TServiceRecord> records;
    for (const Row& r : rows())
        records << recordOf(r);
    ServiceFixture::createRecords(folder.path(), records, [&](QSqlDatabase& db) {
        ServiceSchema::insertCategoryPair(db, 1, 7, QStringLiteral("Computers"));
        ServiceSchema::insertCategoryPair(db, 1, 3, QStringLiteral("Arts"));
        ServiceSchema::insertFieldPair(db, 1, QStringLiteral("url;x"), 2);
        ServiceSchema::insertFieldPair(db, 1, QStringLiteral("title;"), 1);
        ServiceSchema::insertFieldPair(db, 1, QStringLiteral("mail;"), 15);
        if (!extraSql.isEmpty())
            QSqlQuery(db).exec(extraSql);
    });
}

bool isManual(const TDatenmodul& data, qint32 nr)
{
    return data.recordByNr(nr)->boolean(F::NurManuell);
}

QList<qint32> viewNumbers(const TDatenmodul& data)
{
    QList<qint32> numbers;
    for (int row = 0; row < data.rowCount(); ++row)
        numbers << data.viewRecord(row).nr();
    return numbers;
}

TProjektDetails completeDetails()
{
    TProjektDetails d;
    for (int i = 0; i < TProjektDetails::FieldCount; ++i) {
        const D f = D(i);
        if (TProjektDetails::isIntegerField(f))
            d.SetInteger(f, 0);
        else
            d.SetText(f, QStringLiteral("x"));
    }
    d.SetAKeywords(QStringLiteral("k"));
    d.SetAge(30);
    return d;
}

} // namespace

class TestSubmissionStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gatherServices();
    void gatherServicesRowThatCannotBeChanged();
    void gatherServicesWithoutDatabase();
    void checkDetailsComplete_data();
    void checkDetailsComplete();
    void checkDetailsOrder();
};

void TestSubmissionStart::gatherServices()
{
    TestFolder folder;
    ScriptedMessages messages;
    createDatabase(folder);
    TDatenmodul data;
    QVERIFY(data.DataModuleCreate(folder.path()));
    data.SetSubmissionMode(1);
    QVERIFY(data.setIndexName(TDatenmodul::nameIndex()));
    TStatusbericht report;

    const TEnginesArray engines = GatherServices(data, report);

    // The ticked usable rows, in the order of the view (the name index).
    QCOMPARE(engines.size(), 2);
    QCOMPARE(engines[0].Name, QStringLiteral("Able"));
    QCOMPARE(engines[0].Nr, 8);
    QVERIFY(engines[0].CategoryTexts.isEmpty());
    QVERIFY(engines[0].CategoryNumbers.isEmpty());
    QVERIFY(engines[0].FieldNames.isEmpty());
    QVERIFY(engines[0].FieldNumbers.isEmpty());

    const TDetailEngine& zed = engines[1];
    QCOMPARE(zed.Name, QStringLiteral("Zed"));
    QCOMPARE(zed.Nr, 1);
    QCOMPARE(zed.Methode, QStringLiteral("P"));
    QCOMPARE(zed.Action, QStringLiteral("http://127.0.0.1/add"));
    QCOMPARE(zed.ManuellURL, QStringLiteral("http://1.test/manual"));
    QCOMPARE(zed.Parameter1, QStringLiteral("p=1"));
    QCOMPARE(zed.Ref, true);
    QCOMPARE(zed.CategoryTexts, (QStringList {QStringLiteral("Computers"), QStringLiteral("Arts")}));
    QCOMPARE(zed.CategoryNumbers, (QList<qint32> {7, 3}));
    QCOMPARE(zed.FieldNumbers, (QList<qint32> {2, 1, 15}));
    QCOMPARE(zed.FieldNames.size(), 3);

    // Rows that cannot go automatically are in the manual list now, ticked or not; a
    // paid service is neither submitted nor moved.
    QVERIFY(isManual(data, 3));
    QVERIFY(isManual(data, 4));
    QVERIFY(isManual(data, 5));
    QVERIFY(!isManual(data, 6));
    QVERIFY(!isManual(data, 1));
    QVERIFY(!isManual(data, 2));
    QCOMPARE(viewNumbers(data), (QList<qint32> {8, 6, 2, 1}));
    QCOMPARE(report.Count(), 0);
    QCOMPARE(messages.texts(), QStringList());

    // A second gathering finds the same services and moves nothing more.
    const TEnginesArray again = GatherServices(data, report);
    QCOMPARE(again.size(), 2);
    QCOMPARE(report.Count(), 0);
}

void TestSubmissionStart::gatherServicesRowThatCannotBeChanged()
{
    TestFolder folder;
    ScriptedMessages messages;
    createDatabase(folder, QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF NurManuell ON dba "
                                          "WHEN new.Nr = 5 BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    TDatenmodul data;
    QVERIFY(data.DataModuleCreate(folder.path()));
    data.SetSubmissionMode(1);
    TStatusbericht report;

    const TEnginesArray engines = GatherServices(data, report);

    QCOMPARE(engines.size(), 2);
    QCOMPARE(engines[0].Nr, 1);
    QCOMPARE(engines[1].Nr, 8);
    QVERIFY(isManual(data, 3));
    QVERIFY(!isManual(data, 5));
    QVERIFY(!data.isEditing());
    // The unusable row that could not be moved is reported once.
    QCOMPARE(report.Count(), 1);
    const TStatusberichtItem* entry = report.Items(0);
    QCOMPARE(entry->Suchdienst(), QStringLiteral("No method"));
    QCOMPARE(entry->Details().Fehlermeldung(), QStringLiteral("Not available! (database error)"));
    QCOMPARE(entry->Details().Fehlercode(), -1);
    QCOMPARE(entry->Details().EngineNr(), 5);
    QCOMPARE(entry->Details().URLAnmeldeseite(), QStringLiteral("http://5.test/manual"));
    QVERIFY(entry->Date() > 0);
    QCOMPARE(messages.texts(), QStringList());
}

void TestSubmissionStart::gatherServicesWithoutDatabase()
{
    ScriptedMessages messages;
    TDatenmodul data;
    TStatusbericht report;
    QVERIFY(GatherServices(data, report).isEmpty());
    QCOMPARE(messages.texts(),
             QStringList {QStringLiteral("Internal error: vv677-119  - Contact our support team at "
                                         "support@sendora.example!")});
    QCOMPARE(messages.shown().first().kind, Messages::Kind::Error);
    QCOMPARE(report.Count(), 0);
}

void TestSubmissionStart::checkDetailsComplete_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("fullOnly");
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("control");

    const QString empty;
    struct Case
    {
        const char* row;
        D field;
        QVariant value;
        bool fullOnly;
        DetailsSection section;
        const char* control;
    };
    using S = DetailsSection;
    const Case cases[] = {
        {"Title", D::Title, empty, false, S::Website, "TitleEdit"},
        {"URL", D::URL, empty, false, S::Website, "URLEdit"},
        {"DescriptionShort", D::DescriptionShort, empty, false, S::Website, "DescriptionShortEdit"},
        {"DescriptionLong", D::DescriptionLong, empty, false, S::Website, "DescriptionMemo"},
        {"AKeywords", D::AKeywords, empty, true, S::Website, "KeywordsMemo"},
        {"Language -1", D::Language, -1, true, S::Website, "LanguageCombo"},
        {"webtype -1", D::webtype, -1, true, S::Website, "webtypecombo"},
        {"Category -1", D::Category, -1, true, S::Website, "KategorienCombo"},
        {"Firstname", D::Firstname, empty, false, S::Person, "FirstNameEdit"},
        {"Lastname", D::Lastname, empty, false, S::Person, "LastNameEdit"},
        {"Greeting -1", D::Greeting, -1, true, S::Person, "GreetingCombo"},
        {"Title_person", D::Title_person, empty, true, S::Person, "title_personEdit"},
        {"Age 0", D::Age, 0, true, S::Person, "ageEdit"},
        {"Age -3", D::Age, -3, true, S::Person, "ageEdit"},
        {"FirstLastNameWebMaster", D::FirstLastNameWebMaster, empty, false, S::Webmaster, "NameVornameWebMasterEdit"},
        {"WebmasterEmail", D::WebmasterEmail, empty, false, S::Webmaster, "WebmasterEmailEdit"},
        {"Password", D::Password, empty, true, S::Webmaster, "passwordedit"},
        {"Company", D::Company, empty, false, S::Company, "CompanyEdit"},
        {"country -1", D::country, -1, true, S::Company, "countryCombo"},
        {"State", D::State, empty, true, S::Company, "StateEdit"},
        {"Address", D::Address, empty, false, S::Company, "AddressEdit"},
        {"Postcode", D::Postcode, empty, false, S::Company, "PostcodeEdit"},
        {"City", D::City, empty, false, S::Company, "CityEdit"},
        {"GeneralEmail", D::GeneralEmail, empty, false, S::Company, "emailEdit"},
        {"phone", D::phone, empty, true, S::Company, "phoneEdit"},
        {"Fax", D::Fax, empty, true, S::Company, "FaxEdit"},
        {"mobile", D::mobile, empty, true, S::Company, "mobileEdit"},
        {"tollfree", D::tollfree, empty, true, S::Company, "tollfreeEdit"},
        {"products", D::products, empty, true, S::Company, "productsEdit"},
    };
    for (const Case& c : cases)
        QTest::newRow(c.row) << int(c.field) << c.value << c.fullOnly << int(c.section) << c.control;
    // Values that are not missing.
    QTest::newRow("Language 0 is set") << int(D::Language) << QVariant(0) << false << 0 << QString();
    QTest::newRow("Category 0 is set") << int(D::Category) << QVariant(0) << false << 0 << QString();
    QTest::newRow("Age 1 is set") << int(D::Age) << QVariant(1) << false << 0 << QString();
    QTest::newRow("a blank is text") << int(D::Title) << QVariant(QStringLiteral(" ")) << false << 0 << QString();
    QTest::newRow("'---' is text") << int(D::Company) << QVariant(QStringLiteral("---")) << false << 0 << QString();
}

void TestSubmissionStart::checkDetailsComplete()
{
    QFETCH(int, field);
    QFETCH(QVariant, value);
    QFETCH(bool, fullOnly);
    QFETCH(int, section);
    QFETCH(QString, control);

    TProjektDetails details = completeDetails();
    QVERIFY(!CheckDetailsComplete(details, true));
    QVERIFY(!CheckDetailsComplete(details, false));
    const D f = D(field);
    if (TProjektDetails::isIntegerField(f))
        details.SetInteger(f, value.toInt());
    else
        details.SetText(f, value.toString());

    const std::optional<MissingDetail> full = CheckDetailsComplete(details, true);
    const std::optional<MissingDetail> brief = CheckDetailsComplete(details, false);
    if (control.isEmpty()) {
        QVERIFY(!full);
        QVERIFY(!brief);
        return;
    }
    QVERIFY(full);
    QCOMPARE(int(full->field), field);
    QCOMPARE(int(full->section), section);
    QCOMPARE(QString(full->control), control);
    if (fullOnly) {
        QVERIFY(!brief);
    } else {
        QVERIFY(brief);
        QCOMPARE(int(brief->field), field);
        QCOMPARE(QString(brief->control), control);
    }
}

void TestSubmissionStart::checkDetailsOrder()
{
    TProjektDetails details = completeDetails();
    details.SetCompany(QString());
    details.SetAKeywords(QString());
    details.SetLastname(QString());
    details.SetAge(0);
    // The full check stops at the first missing detail in the order of the sections.
    QCOMPARE(CheckDetailsComplete(details, true)->field, D::AKeywords);
    // The short check passes over what only the full one asks for.
    QCOMPARE(CheckDetailsComplete(details, false)->field, D::Lastname);
    QCOMPARE(CheckDetailsComplete(details, false)->section, DetailsSection::Person);
    details.SetLastname(QStringLiteral("L"));
    QCOMPARE(CheckDetailsComplete(details, false)->field, D::Company);
    QCOMPARE(CheckDetailsComplete(details, false)->section, DetailsSection::Company);
}

QTEST_GUILESS_MAIN(TestSubmissionStart)
#include "tst_SubmissionStart.moc"
