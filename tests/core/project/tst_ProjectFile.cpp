#include "core/platform/SdError.h"
#include "core/platform/TDateTime.h"
#include "core/project/SitComponentForm.h"
#include "core/project/SitLegacyForms.h"
#include "core/project/TSdProjectContainer.h"
#include "support/FailDevice.h"
#include "support/TestFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using Field = TProjektDetails::Field;

namespace {

const QString kInvalidFormat = QString::fromUtf8("Die Datei hat kein gültiges Format!");

QByteArray bytesOf(const TSdProjectContainer& container)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    container.WriteProjects(buffer);
    return buffer.data();
}

// Compares every field of two projects (except the modified flag, which loading clears).
bool sameProject(const TSdProjectData& a, const TSdProjectData& b, QString* where)
{
    const auto differs = [where](const QString& what) {
        *where = what;
        return false;
    };
    if (a.URLFehler() != b.URLFehler())
        return differs(QStringLiteral("URLFehler"));
    if (a.ProjectName() != b.ProjectName())
        return differs(QStringLiteral("ProjectName"));
    if (a.ProjectDescription() != b.ProjectDescription())
        return differs(QStringLiteral("ProjectDescription"));
    for (int i = 0; i < TProjektDetails::FieldCount; ++i) {
        const Field f = Field(i);
        if (a.ProjektDetails().Text(f) != b.ProjektDetails().Text(f)
            || a.ProjektDetails().Integer(f) != b.ProjektDetails().Integer(f))
            return differs(TProjektDetails::fieldName(f));
    }
    if (a.AnmeldeStatus().Count() != b.AnmeldeStatus().Count())
        return differs(QStringLiteral("AnmeldeStatus count"));
    for (int i = 0; i < a.AnmeldeStatus().Count(); ++i) {
        if (!(*a.AnmeldeStatus().Items(i) == *b.AnmeldeStatus().Items(i)))
            return differs(QStringLiteral("AnmeldeStatus[%1]").arg(i));
    }
    if (a.Status().Count() != b.Status().Count())
        return differs(QStringLiteral("Status count"));
    for (int i = 0; i < a.Status().Count(); ++i) {
        if (!(*a.Status().Items(i) == *b.Status().Items(i)))
            return differs(QStringLiteral("Status[%1]").arg(i));
    }
    if (a.TextFiles().Count() != b.TextFiles().Count())
        return differs(QStringLiteral("TextFiles count"));
    for (int i = 0; i < a.TextFiles().Count(); ++i) {
        if (!(*a.TextFiles().Items(i) == *b.TextFiles().Items(i)))
            return differs(QStringLiteral("TextFiles[%1]").arg(i));
    }
    return true;
}

double dateTime(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return TDateTime::fromDateTime(QDateTime(QDate(y, mo, d), QTime(h, mi, s)));
}

// The project that tests/fixtures/project/golden.sit holds (built there byte by byte).
void fillGolden(TSdProjectData& p)
{
    p.SetProjectName(QStringLiteral("Standard"));
    p.SetProjectDescription(QStringLiteral("Standardprojekt"));
    TProjektDetails& d = p.ProjektDetails();
    d.SetTitle(QStringLiteral("Caf\u00e9"));
    d.SetURL(QStringLiteral("http://example.org/"));
    d.SetKey1(QStringLiteral("web"));
    d.SetKey2(QStringLiteral("seo"));
    d.SetLanguage(12);
    d.SetCategory(-1);
    d.SetFirstname(QStringLiteral("Anna"));
    d.SetLastname(QStringLiteral("Berg"));
    d.SetGreeting(1);
    d.SetAge(200);
    d.SetCountry(221);
    TSDAnmeldeStatusItem* state = p.AnmeldeStatus().Add();
    state->SetText(QStringLiteral("Engine"));
    state->SetDate(45000.5);
    state->SetNumber(7);
    TStatusberichtItem* entry = p.Status().Add();
    entry->SetSuchdienst(QStringLiteral("Dir"));
    entry->SetDate(45000.25);
    entry->Details().SetFehlermeldung(QStringLiteral("OK"));
    entry->Details().SetFehlercode(200);
    entry->Details().SetEngineNr(40000);
    entry->Details().SetSubmittedURL(QStringLiteral("http://example.org/"));
    TTextFileItem* file = p.TextFiles().Add();
    file->SetTitle(QStringLiteral("index.mtg"));
    file->SetFilePath(QStringLiteral("/home/u/index.mtg"));
}

// The type byte and the data that follow the property name in a stream.
QByteArray valueAfter(const QByteArray& stream, const QByteArray& name)
{
    const QByteArray key = char(name.size()) + name;
    const qsizetype at = stream.indexOf(key);
    return at < 0 ? QByteArray() : stream.mid(at + key.size());
}

void fillEverything(TSdProjectData& p)
{
    p.SetURLFehler(true);
    p.SetProjectName(QStringLiteral("Mein Projekt"));
    p.SetProjectDescription(QStringLiteral("Beschreibung mit Umlauten: äöüß"));
    TProjektDetails& d = p.ProjektDetails();
    for (int i = 0; i < TProjektDetails::FieldCount; ++i) {
        const Field f = Field(i);
        if (TProjektDetails::isIntegerField(f))
            d.SetInteger(f, (i % 2 ? -1 : 1) * (i * 9973 + 5));
        else
            d.SetText(f, QStringLiteral("%1 é € ").arg(TProjektDetails::fieldName(f)) + QString::number(i));
    }
    d.SetTitle(QString(300, u't'));
    d.SetDescriptionLong(QStringLiteral("Русский текст и 日本語"));
    d.SetCity(QStringLiteral("東京"));
    d.SetAKeywords(QStringLiteral("edited, by, hand"));
    d.SetNameVorname(QStringLiteral("Berg, Anna"));
    d.SetAge(INT_MIN);
    d.SetCategory(INT_MAX);
    for (int i = 0; i < 4; ++i) {
        TSDAnmeldeStatusItem* s = p.AnmeldeStatus().Add();
        s->SetText(QStringLiteral("Engine %1 ü").arg(i));
        s->SetDate(i == 0 ? 0.0 : dateTime(2023, 3, 14, 13, 30, i) + i);
        s->SetNumber(i * 1000);
        s->SetCode(-i);
        s->SetComment(i == 2 ? QString() : QStringLiteral("comment %1").arg(i));
    }
    for (int i = 0; i < 5; ++i) {
        TStatusberichtItem* e = p.Status().Add();
        e->SetSuchdienst(i == 3 ? QString() : QStringLiteral("Dienst %1").arg(i));
        e->SetDate(dateTime(1999, 12, 31, 23, 59, 59) + i * 0.001);
        e->Details().SetFehlermeldung(QStringLiteral("Fehler ä %1").arg(i));
        e->Details().SetFehlercode(i == 1 ? 10060 : 200 - i);
        e->Details().SetEngineNr(700 - i);
        e->Details().SetURLAnmeldeseite(QStringLiteral("http://dir%1.example/add").arg(i));
        e->Details().SetPfadAntwortSeite(i % 2 ? QString() : QStringLiteral("/h/HTML/r_%1.html").arg(i));
        e->Details().SetSubmittedURL(QStringLiteral("http://example.org/"));
    }
    for (int i = 0; i < 3; ++i) {
        TTextFileItem* t = p.TextFiles().Add();
        t->SetTitle(QStringLiteral("seite%1.mtg").arg(i));
        t->SetFilePath(QStringLiteral("/home/ü/seite%1.mtg").arg(i));
    }
}

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved {};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void goldenBytes();
    void goldenReads();
    void defaultProjectWritesNoEmptyTexts();
    void valueTypes_data();
    void valueTypes();
    void extendedFloat_data();
    void extendedFloat();
    void twoProjectsInOneFile();
    void savingWritesTheModifiedFlagAndClearsIt();
    void textForm();
    void textFormWithoutEndLine();
    void textFormDates_data();
    void textFormDates();
    void recordForm();
    void recordFormEmptyAge();
    void loading_data();
    void loading();
    void everyTruncationLoads();
    void writerReportsDeviceFailure_data();
    void writerReportsDeviceFailure();
    void failedSaveKeepsOldFile();
    void saveIntoMissingFolder();
    void missingFile();
    void loadOnCreate();
};

void TestProjectFile::roundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("new default project") << 0;
    QTest::newRow("every field, accents, long and non-Latin texts, dates, collections") << 1;
}

void TestProjectFile::roundTrip()
{
    QFETCH(int, kind);
    TestFolder dir;
    TSdProjectContainer saved;
    TSdProjectData* original = saved.NewDefaultProject(2);
    if (kind == 1)
        fillEverything(*original);
    original->SetGeaendert(true);
    saved.SetFilename(dir.filePath(QStringLiteral("p.sit")));
    saved.SaveProjects();
    QVERIFY(!saved.AnyModified());

    TSdProjectContainer loaded;
    loaded.SetFilename(saved.Filename());
    loaded.LoadProjects();
    QCOMPARE(loaded.ProjectCount(), 1);
    QVERIFY(!loaded.Project(0)->Geaendert());
    QString where;
    QVERIFY2(sameProject(*original, *loaded.Project(0), &where), qPrintable(where));
    // What was read writes the same bytes again (with the flag as it was when saved).
    loaded.Project(0)->SetGeaendert(true);
    QCOMPARE(bytesOf(loaded), dir.read(QStringLiteral("p.sit")));
}

void TestProjectFile::goldenBytes()
{
    TSdProjectContainer container;
    fillGolden(*container.AddProject());
    const QByteArray expected = TestFolder::fixtureBytes(QStringLiteral("project/golden.sit"));
    const QByteArray actual = bytesOf(container);
    if (actual != expected) {
        qsizetype i = 0;
        while (i < qMin(actual.size(), expected.size()) && actual[i] == expected[i])
            ++i;
        QFAIL(qPrintable(QStringLiteral("first difference at byte %1: written %2, expected %3")
                             .arg(i)
                             .arg(QString::fromLatin1(actual.mid(i, 16).toHex(' ')),
                                  QString::fromLatin1(expected.mid(i, 16).toHex(' ')))));
    }
    // The landmarks, spelled out.
    QVERIFY(actual.startsWith(QByteArray("TPF0\x0eTSdProjectData\x00\x09Geaendert\x08"
                                         "\x09URLFehler\x08",
                                         4 + 15 + 1 + 10 + 1 + 10 + 1)));
    QVERIFY(actual.endsWith(QByteArray("\x00\x00\x00\x00", 4)));
    QCOMPARE(valueAfter(actual, "ProjektDetails.Age").left(3), QByteArray("\x03\xc8\x00", 3));
    QCOMPARE(valueAfter(actual, "Details.EngineNr").left(5), QByteArray("\x04\x40\x9c\x00\x00", 5));
    QCOMPARE(valueAfter(actual, "ProjektDetails.Category").left(2), QByteArray("\x02\xff", 2));
}

void TestProjectFile::goldenReads()
{
    TSdProjectContainer expected;
    fillGolden(*expected.AddProject());
    TSdProjectContainer container;
    container.ReadProjects(TestFolder::fixtureBytes(QStringLiteral("project/golden.sit")));
    QCOMPARE(container.ProjectCount(), 1);
    QString where;
    QVERIFY2(sameProject(*expected.Project(0), *container.Project(0), &where), qPrintable(where));
    QCOMPARE(container.Project(0)->Status().Items(0)->Date(), 45000.25);
}

void TestProjectFile::defaultProjectWritesNoEmptyTexts()
{
    TSdProjectContainer container;
    container.NewDefaultProject(3);
    const QByteArray stream = bytesOf(container);
    for (int i = 0; i < TProjektDetails::FieldCount; ++i) {
        const Field f = Field(i);
        const QByteArray name = "ProjektDetails." + TProjektDetails::fieldName(f).toString().toLatin1();
        QCOMPARE(valueAfter(stream, name).isEmpty(), !TProjektDetails::isIntegerField(f));
    }
    QCOMPARE(valueAfter(stream, "ProjektDetails.country").left(2), QByteArray("\x02\x45", 2));
    QVERIFY(stream.endsWith(QByteArray("\x0d" "AnmeldeStatus\x0e\x00\x06Status\x0e\x00"
                                       "\x09TextFiles\x0e\x00\x00\x00",
                                       14 + 2 + 7 + 2 + 10 + 4)));
}

void TestProjectFile::valueTypes_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("age");
    QTest::addColumn<QByteArray>("titleValue"); // the start of the value
    QTest::addColumn<QByteArray>("ageValue");
    QTest::newRow("ASCII, 100") << QStringLiteral("Plain") << 100
                                << QByteArray("\x06\x05Plain") << QByteArray("\x02\x64");
    QTest::newRow("255 ASCII, 200") << QString(255, u'a') << 200
                                    << QByteArray("\x06\xff" "aa") << QByteArray("\x03\xc8\x00", 3);
    QTest::newRow("300 ASCII, 40000") << QString(300, u'a') << 40000
                                      << QByteArray("\x0c\x2c\x01\x00\x00" "aa", 7)
                                      << QByteArray("\x04\x40\x9c\x00\x00", 5);
    QTest::newRow("accented, -128") << QStringLiteral("Café") << -128
                                    << QByteArray("\x14\x05\x00\x00\x00" "Caf\xc3\xa9", 9)
                                    << QByteArray("\x02\x80");
    QTest::newRow("accented only, -129") << QStringLiteral("é") << -129
                                         << QByteArray("\x12\x01\x00\x00\x00\xe9\x00", 7)
                                         << QByteArray("\x03\x7f\xff");
    QTest::newRow("Japanese, 127") << QStringLiteral("日本") << 127
                                   << QByteArray("\x12\x02\x00\x00\x00\xe5\x65\x2c\x67", 9)
                                   << QByteArray("\x02\x7f");
    QTest::newRow("Cyrillic and ASCII, 128") << QStringLiteral("Привет ok") << 128
                                             << QByteArray("\x14\x0f\x00\x00\x00", 5)
                                             << QByteArray("\x03\x80\x00", 3);
    QTest::newRow("euro sign, -32769") << QStringLiteral("€") << -32769
                                       << QByteArray("\x12\x01\x00\x00\x00\xac\x20", 7)
                                       << QByteArray("\x04\xff\x7f\xff\xff", 5);
}

void TestProjectFile::valueTypes()
{
    QFETCH(QString, title);
    QFETCH(int, age);
    QFETCH(QByteArray, titleValue);
    QFETCH(QByteArray, ageValue);
    TSdProjectContainer container;
    TSdProjectData* p = container.AddProject();
    p->ProjektDetails().SetTitle(title);
    p->ProjektDetails().SetAge(age);
    const QByteArray stream = bytesOf(container);
    QCOMPARE(valueAfter(stream, "ProjektDetails.Title").left(titleValue.size()).toHex(' '),
             titleValue.toHex(' '));
    QCOMPARE(valueAfter(stream, "ProjektDetails.Age").left(ageValue.size()).toHex(' '),
             ageValue.toHex(' '));

    TSdProjectContainer loaded;
    loaded.ReadProjects(stream);
    QCOMPARE(loaded.Project(0)->ProjektDetails().Title(), title);
    QCOMPARE(loaded.Project(0)->ProjektDetails().Age(), age);
}

void TestProjectFile::extendedFloat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("encoded"); // empty: round trip only
    QTest::newRow("1") << 1.0 << QByteArray::fromHex("0000000000000080ff3f");
    QTest::newRow("-2") << -2.0 << QByteArray::fromHex("000000000000008000c0");
    QTest::newRow("0") << 0.0 << QByteArray(10, '\0');
    QTest::newRow("0.5") << 0.5 << QByteArray::fromHex("0000000000000080fe3f");
    QTest::newRow("date with time") << dateTime(2024, 2, 29, 17, 45, 12) << QByteArray();
    QTest::newRow("before 1899") << -693593.75 << QByteArray();
    QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << QByteArray();
    QTest::newRow("largest") << 1.7976931348623157e308 << QByteArray();
    QTest::newRow("one third") << 1.0 / 3.0 << QByteArray();
}

void TestProjectFile::extendedFloat()
{
    QFETCH(double, value);
    QFETCH(QByteArray, encoded);
    const auto bytes = SitComponentForm::encodeExtended(value);
    if (!encoded.isEmpty())
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()), 10).toHex(), encoded.toHex());
    const double back = SitComponentForm::decodeExtended(bytes.data());
    QCOMPARE(std::memcmp(&back, &value, sizeof value), 0);
}

void TestProjectFile::twoProjectsInOneFile()
{
    TestFolder dir;
    TSdProjectContainer container;
    fillGolden(*container.AddProject());
    TSdProjectData* second = container.AddProject();
    second->SetProjectName(QStringLiteral("Zweites"));
    second->Status().Add()->SetSuchdienst(QStringLiteral("x"));
    container.SetFilename(dir.filePath(QStringLiteral("two.sit")));
    container.SaveProjects();
    const QByteArray file = dir.read(QStringLiteral("two.sit"));
    QCOMPARE(file.count("TPF0"), 2);
    QVERIFY(file.startsWith(TestFolder::fixtureBytes(QStringLiteral("project/golden.sit"))));

    TSdProjectContainer loaded;
    loaded.SetFilename(container.Filename());
    loaded.LoadProjects();
    QCOMPARE(loaded.ProjectCount(), 2);
    QString where;
    QVERIFY2(sameProject(*container.Project(0), *loaded.Project(0), &where), qPrintable(where));
    QVERIFY2(sameProject(*container.Project(1), *loaded.Project(1), &where), qPrintable(where));
}

void TestProjectFile::savingWritesTheModifiedFlagAndClearsIt()
{
    TestFolder dir;
    TSdProjectContainer container;
    container.AddProject()->SetGeaendert(true);
    container.SetAllModified(true);
    container.SetFilename(dir.filePath(QStringLiteral("m.sit")));
    container.SaveProjects();
    QCOMPARE(valueAfter(dir.read(QStringLiteral("m.sit")), "Geaendert").left(1), QByteArray("\x09"));
    QVERIFY(!container.Modified());
    QVERIFY(!container.AnyModified());
}

void TestProjectFile::textForm()
{
    TSdProjectContainer c;
    c.ReadProjects(TestFolder::fixtureBytes(QStringLiteral("project/text-form.sit")));
    QCOMPARE(c.ProjectCount(), 2);
    QVERIFY(!c.AnyModified());

    const TSdProjectData& a = *c.Project(0);
    QCOMPARE(a.ProjectName(), QStringLiteral("A B"));
    QCOMPARE(a.ProjectDescription(), QStringLiteral("first one"));
    const TProjektDetails& d = a.ProjektDetails();
    QCOMPARE(d.Title(), QStringLiteral("Café Olé")); // Windows-1252 bytes
    // AKeywords is read before the keys, NameVorname after the names.
    QCOMPARE(d.AKeywords(), QStringLiteral("alpha, gamma"));
    QCOMPARE(d.NameVorname(), QStringLiteral("Berg, Anna"));
    QCOMPARE(d.Age(), 41);
    QCOMPARE(d.country(), 81);
    QCOMPARE(d.Category(), 0); // "x1" is not a number
    QCOMPARE(a.AnmeldeStatus().Count(), 1);
    QCOMPARE(a.AnmeldeStatus().Items(0)->Text(), QStringLiteral("Engine"));
    QCOMPARE(a.AnmeldeStatus().Items(0)->Number(), 7);
    QCOMPARE(a.AnmeldeStatus().Items(0)->Date(), dateTime(2023, 3, 14, 13, 30));
    QCOMPARE(a.Status().Count(), 2);
    QCOMPARE(a.Status().Items(0)->Suchdienst(), QStringLiteral("Dir one"));
    QCOMPARE(a.Status().Items(0)->Date(), dateTime(2023, 3, 14));
    QCOMPARE(a.Status().Items(0)->Details().Fehlercode(), 200);
    QCOMPARE(a.Status().Items(0)->Details().Fehlermeldung(), QStringLiteral("OK"));
    QCOMPARE(a.Status().Items(1)->Date(), dateTime(1999, 12, 31, 23, 59, 59));
    QCOMPARE(a.Status().Items(1)->Details().Fehlercode(), -1);
    QCOMPARE(a.TextFiles().Count(), 0);

    const TSdProjectData& b = *c.Project(1);
    QCOMPARE(b.ProjectName(), QStringLiteral("CD"));
    QCOMPARE(b.ProjektDetails().Title(), QStringLiteral("Second"));
    QCOMPARE(b.ProjektDetails().AKeywords(), QStringLiteral("beta"));
    QCOMPARE(b.TextFiles().Count(), 1);
    QCOMPARE(b.TextFiles().Items(0)->FilePath(), QStringLiteral("/x/a.mtg"));
    QCOMPARE(b.ProjectDescription(), QString());
}

void TestProjectFile::textFormWithoutEndLine()
{
    QByteArray bytes = TestFolder::fixtureBytes(QStringLiteral("project/text-form.sit"));
    bytes.replace("/*** End project info for: A B ***/\r\n", "");
    TSdProjectContainer c;
    c.ReadProjects(bytes);
    // The first project has no end line: it is read, and reading stops after it.
    QCOMPARE(c.ProjectCount(), 1);
    QCOMPARE(c.Project(0)->ProjectName(), QStringLiteral("A B"));
    QCOMPARE(c.Project(0)->Status().Count(), 2);
}

void TestProjectFile::textFormDates_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected"); // -1: does not parse
    const double lunch = dateTime(2023, 3, 14, 13, 30);
    QTest::newRow("en with PM") << int(QLocale::English) << "3/14/2023 1:30:00 PM" << lunch;
    QTest::newRow("en 12 AM") << int(QLocale::English) << "3/14/2023 12:00 AM" << dateTime(2023, 3, 14);
    QTest::newRow("en date only") << int(QLocale::English) << "03/14/2023" << dateTime(2023, 3, 14);
    QTest::newRow("en two-digit year") << int(QLocale::English) << "3/14/23" << dateTime(2023, 3, 14);
    QTest::newRow("de") << int(QLocale::German) << "14.03.2023 13:30:00" << lunch;
    QTest::newRow("de without seconds") << int(QLocale::German) << "14.03.2023 13:30" << lunch;
    QTest::newRow("fr") << int(QLocale::French) << "14/03/2023 13:30:00" << lunch;
    QTest::newRow("en day first") << int(QLocale::English) << "14/03/2023" << -1.0;
    QTest::newRow("de with slashes") << int(QLocale::German) << "14/03/2023" << -1.0;
    QTest::newRow("empty") << int(QLocale::English) << "" << -1.0;
    QTest::newRow("bad time") << int(QLocale::German) << "14.03.2023 25:00" << -1.0;
    QTest::newRow("garbage") << int(QLocale::French) << "jamais" << -1.0;
}

void TestProjectFile::textFormDates()
{
    QFETCH(int, language);
    QFETCH(QString, text);
    QFETCH(double, expected);
    const auto parsed = SitLegacyForms::parseDateTime(text, QLocale(QLocale::Language(language)));
    if (expected < 0)
        QVERIFY(!parsed);
    else
        QCOMPARE(parsed.value_or(-1), expected);
}

void TestProjectFile::recordForm()
{
    TSdProjectContainer c;
    c.ReadProjects(TestFolder::fixtureBytes(QStringLiteral("project/record.sit")));
    QCOMPARE(c.ProjectCount(), 1);
    const TSdProjectData& p = *c.Project(0);
    QVERIFY(p.Geaendert()); // an import: the user is to save it in the new form
    const TProjektDetails& d = p.ProjektDetails();
    QCOMPARE(d.Firstname(), QStringLiteral("Anna"));
    QCOMPARE(d.Lastname(), QStringLiteral("Berg"));
    QCOMPARE(d.Title_person(), QStringLiteral("Dr."));
    QCOMPARE(d.Postcode(), QStringLiteral("80331"));
    QCOMPARE(d.City(), QStringLiteral("München"));
    QCOMPARE(d.Title(), QStringLiteral("Old site"));
    QCOMPARE(d.URL(), QStringLiteral("http://old.example/"));
    QCOMPARE(d.Age(), 37);
    QCOMPARE(d.Language(), 16);
    QCOMPARE(d.webtype(), 3);
    QCOMPARE(d.Category(), 42);
    QCOMPARE(d.country(), 81);
    QCOMPARE(d.Greeting(), 2);
    QCOMPARE(d.Key1(), QStringLiteral("one"));
    QCOMPARE(d.Key3(), QStringLiteral("three"));
    // The keys are copied after AKeywords, the stored name after the names.
    QCOMPARE(d.AKeywords(), QStringLiteral("one, three"));
    QCOMPARE(d.NameVorname(), QStringLiteral("Anna Berg (record)"));
}

void TestProjectFile::recordFormEmptyAge()
{
    QByteArray bytes = TestFolder::fixtureBytes(QStringLiteral("project/record.sit"));
    bytes[930] = 0;
    TSdProjectContainer c;
    try {
        c.ReadProjects(bytes);
        QFAIL("no error");
    } catch (const SdError& e) {
        QCOMPARE(e.text(), kInvalidFormat);
    }
    QCOMPARE(c.ProjectCount(), 0);
}

void TestProjectFile::loading_data()
{
    // projects: the number of projects afterwards; error: the text of the error, or
    // "*" for any non-empty text, or empty for no error.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("projects");
    QTest::addColumn<QString>("error");
    const QByteArray golden = TestFolder::fixtureBytes(QStringLiteral("project/golden.sit"));
    const QByteArray head = QByteArray("TPF0\x0eTSdProjectData\x00", 20);
    const QString readError = QStringLiteral("Read beyond end of file");

    QTest::newRow("empty file") << QByteArray() << 0 << QString();
    QTest::newRow("cut inside the signature") << QByteArray("TP") << 0 << QString();
    QTest::newRow("wrong signature") << QByteArray("TPF1" + golden.mid(4)) << 0 << readError;
    QTest::newRow("other class")
        << QByteArray(golden).replace("TSdProjectData", "TSdProjectDatX") << 0 << readError;
    QTest::newRow("unknown property")
        << QByteArray(golden).replace("URLFehler", "URLFehlxr") << 0 << readError;
    QTest::newRow("property names ignore case")
        << QByteArray(golden).replace("URLFehler", "urlfehler") << 1 << QString();
    QTest::newRow("wrong value type")
        << QByteArray(golden).replace(QByteArray("\x09URLFehler\x08"), QByteArray("\x09URLFehler\x02\x01"))
        << 0 << readError;
    QTest::newRow("text for an integer")
        << QByteArray(golden).replace(QByteArray("Age\x03\xc8\x00", 6), QByteArray("Age\x06\x01x", 6))
        << 0 << readError;
    QTest::newRow("children") << QByteArray(golden.chopped(1) + "\x01") << 0 << readError;
    QTest::newRow("2,000,000,000 long text in 40 bytes")
        << QByteArray(head + "\x0bProjectName\x0c\x00\x94\x35\x77" "abcd") << 1 << QString();
    QTest::newRow("2,000,000,000 wide text")
        << QByteArray(head + "\x0bProjectName\x12\x00\x94\x35\x77" "abcd") << 1 << QString();
    QTest::newRow("negative length")
        << QByteArray(head + "\x0bProjectName\x0c\xff\xff\xff\xff" "abcd") << 0 << readError;
    QTest::newRow("short string past the end")
        << QByteArray(head + "\x0bProjectName\x06\xff" "abc") << 1 << QString();
    QTest::newRow("property name past the end") << QByteArray(head + "\x30Geae") << 1 << QString();
    QTest::newRow("collection without its end byte")
        << golden.left(golden.indexOf("\x06Status")) << 1 << QString();
    QTest::newRow("item without list begin")
        << QByteArray(golden).replace(QByteArray("\x0e\x01\x04Text"), QByteArray("\x0e\x06\x04Text"))
        << 0 << readError;
    QTest::newRow("items with order numbers")
        << QByteArray(golden).replace(QByteArray("\x0e\x01\x04Text"), QByteArray("\x0e\x02\x05\x01\x04Text"))
        << 1 << QString();
    QTest::newRow("good project, then garbage") << QByteArray(golden + "garbage") << 1 << readError;
    // The record form reads from the first byte of the file; here its Age is no number.
    QTest::newRow("good project, then record-sized garbage")
        << QByteArray(golden + TestFolder::fixtureBytes(QStringLiteral("project/record.sit")))
        << 0 << kInvalidFormat;
    QTest::newRow("record one byte short")
        << TestFolder::fixtureBytes(QStringLiteral("project/record.sit")).chopped(1) << 0 << readError;
    QTest::newRow("huge collection count in text form")
        << QByteArray("/*** Start project info for: X ***/\r\nX.Status=2000000000\r\n") << 1 << kInvalidFormat;
    QTest::newRow("text-form date that does not parse")
        << QByteArray("/*** Start x: P ***/\r\nP.Status=1\r\nP.Status[0].Date=soon\r\n") << 1
        << QStringLiteral("'soon' is not a valid date and time");
    QTest::newRow("text form, start line only") << QByteArray("/*** Start") << 1 << QString();
    QTest::newRow("start line not at the first character")
        << QByteArray(" /*** Start project info for: X ***/\r\n") << 0 << readError;
}

void TestProjectFile::loading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, projects);
    QFETCH(QString, error);
    TSdProjectContainer c;
    QString thrown;
    try {
        c.ReadProjects(bytes);
    } catch (const SdError& e) {
        thrown = e.text();
        QVERIFY(!thrown.isEmpty());
    }
    QCOMPARE(thrown, error);
    QCOMPARE(c.ProjectCount(), projects);
}

void TestProjectFile::everyTruncationLoads()
{
    // Wherever the data ends, the component form is accepted with what was read.
    const QByteArray golden = TestFolder::fixtureBytes(QStringLiteral("project/golden.sit"));
    const QByteArray two = golden + golden;
    for (qsizetype n = 0; n < two.size(); ++n) {
        TSdProjectContainer c;
        try {
            c.ReadProjects(two.left(n));
        } catch (const SdError& e) {
            QFAIL(qPrintable(QStringLiteral("cut at %1: %2").arg(n).arg(e.text())));
        }
        QVERIFY(c.ProjectCount() <= (n > golden.size() + 19 ? 2 : 1));
    }
}

void TestProjectFile::writerReportsDeviceFailure_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("fails");
    QTest::newRow("nothing") << qint64(0) << true;
    QTest::newRow("signature") << qint64(3) << true;
    QTest::newRow("first buffer") << qint64(65536) << true;
    QTest::newRow("late") << qint64(400000) << true;
    QTest::newRow("room enough") << qint64(1) << false;
}

void TestProjectFile::writerReportsDeviceFailure()
{
    QFETCH(qint64, limit);
    QFETCH(bool, fails);
    TSdProjectContainer c;
    TSdProjectData* p = c.AddProject();
    fillEverything(*p);
    for (int i = 0; i < 20000; ++i)
        p->Status().Add()->SetSuchdienst(QStringLiteral("entry %1").arg(i));
    const QByteArray whole = bytesOf(c);
    FailDevice device(fails ? limit : whole.size());
    device.open(QIODevice::WriteOnly);
    if (fails) {
        QVERIFY_THROWS_EXCEPTION(SdError, c.WriteProjects(device));
        QVERIFY(device.written().size() <= limit);
    } else {
        c.WriteProjects(device);
        QCOMPARE(device.written(), whole);
    }
}

void TestProjectFile::failedSaveKeepsOldFile()
{
    TestFolder dir;
    const QByteArray old = TestFolder::fixtureBytes(QStringLiteral("project/golden.sit"));
    const QString path = dir.write(QStringLiteral("site.sit"), old);
    TSdProjectContainer c;
    c.SetFilename(path);
    TSdProjectData* p = c.AddProject();
    for (int i = 0; i < 2000; ++i)
        p->Status().Add()->SetSuchdienst(QStringLiteral("entry %1").arg(i));
    c.SetAllModified(true);

    QString error;
    {
        // The file size limit makes the write fail half-way, as a full disk would.
        FileSizeLimit limit(4096);
        try {
            c.SaveProjects();
        } catch (const SdError& e) {
            error = e.text();
        }
    }
    QVERIFY(error.startsWith(QStringLiteral("The file %1 cannot be written: ")
                                 .arg(QDir::toNativeSeparators(path))));
    QCOMPARE(dir.read(QStringLiteral("site.sit")), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("site.sit") });
    QVERIFY(c.Modified());
    QVERIFY(c.AnyModified());

    const QByteArray expected = bytesOf(c);
    c.SaveProjects();
    QCOMPARE(dir.read(QStringLiteral("site.sit")), expected);
    QVERIFY(!c.AnyModified());
}

void TestProjectFile::saveIntoMissingFolder()
{
    TestFolder dir;
    TSdProjectContainer c;
    c.AddProject();
    c.SetFilename(dir.filePath(QStringLiteral("no/such/folder/x.sit")));
    QVERIFY_THROWS_EXCEPTION(SdError, c.SaveProjects());
    QVERIFY(!QFile::exists(c.Filename()));
}

void TestProjectFile::missingFile()
{
    TestFolder dir;
    TSdProjectContainer c;
    c.AddProject();
    c.SetFilename(dir.filePath(QStringLiteral("missing.sit")));
    try {
        c.LoadProjects();
        QFAIL("no error");
    } catch (const SdError& e) {
        QVERIFY(e.text().contains(QStringLiteral("missing.sit")));
    }
    QCOMPARE(c.ProjectCount(), 0);
}

void TestProjectFile::loadOnCreate()
{
    const QString golden = TestFolder::fixture(QStringLiteral("project/golden.sit"));
    TSdProjectContainer loaded(golden, true);
    QCOMPARE(loaded.ProjectCount(), 1);
    QCOMPARE(loaded.Project(0)->ProjektDetails().Title(), QStringLiteral("Caf\u00e9"));
    TSdProjectContainer notLoaded(golden, false);
    QCOMPARE(notLoaded.ProjectCount(), 0);
    TSdProjectContainer noName(QString(), true);
    QCOMPARE(noName.ProjectCount(), 0);
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_ProjectFile.moc"
