#include "core/app/TdmStorage.h"
#include "core/platform/SdError.h"
#include "core/project/TSdProjectContainer.h"

#include <QTest>

using Field = TProjektDetails::Field;

class TestProjectModel : public QObject
{
    Q_OBJECT

private slots:
    void keywordsAreJoined_data();
    void keywordsAreJoined();
    void keywordsSetDirectlyAreKept();
    void nameIsComposed_data();
    void nameIsComposed();
    void fieldTableMatchesAccessors();
    void assignToCopiesInNameOrder();
    void defaultProject_data();
    void defaultProject();
    void addProjectClearsModified();
    void setAllModified();
    void collectionsOwnAndIndex();
    void replacingAPartHandsBackTheOldOne();
    void displayNames();
    void textFilesFindByPathIgnoresCase();
    void emptyFilenameIsRefused();
};

void TestProjectModel::keywordsAreJoined_data()
{
    QTest::addColumn<QStringList>("keys"); // 15 entries
    QTest::addColumn<QString>("expected");
    QStringList gaps(15);
    gaps[1] = QStringLiteral("a");
    gaps[4] = QStringLiteral("b");
    QTest::newRow("key2 and key5") << gaps << QStringLiteral("a, b");
    QStringList all;
    for (int i = 1; i <= 15; ++i)
        all << QStringLiteral("k%1").arg(i);
    QTest::newRow("all fifteen") << all << all.join(QStringLiteral(", "));
    QTest::newRow("none") << QStringList(15) << QString();
    QStringList last(15);
    last[14] = QStringLiteral("only, one");
    QTest::newRow("key15 with comma") << last << QStringLiteral("only, one");
}

void TestProjectModel::keywordsAreJoined()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, expected);
    TProjektDetails details;
    details.SetAKeywords(QStringLiteral("stale"));
    for (int n = 1; n <= 15; ++n)
        details.SetKey(n, keys[n - 1]);
    QCOMPARE(details.AKeywords(), expected);
}

void TestProjectModel::keywordsSetDirectlyAreKept()
{
    TProjektDetails details;
    details.SetKey2(QStringLiteral("a"));
    details.SetKey5(QStringLiteral("b"));
    QCOMPARE(details.AKeywords(), QStringLiteral("a, b"));
    details.SetAKeywords(QStringLiteral("x y z"));
    QCOMPARE(details.AKeywords(), QStringLiteral("x y z"));
    // Any key set later recomputes it.
    details.SetKey5(QString());
    QCOMPARE(details.AKeywords(), QStringLiteral("a"));
}

void TestProjectModel::nameIsComposed_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both") << QStringLiteral("Anna") << QStringLiteral("Berg") << QStringLiteral("Anna Berg");
    QTest::newRow("last only") << QString() << QStringLiteral("Berg") << QStringLiteral("Berg");
    QTest::newRow("first only") << QStringLiteral("Anna") << QString() << QStringLiteral("Anna");
    QTest::newRow("neither") << QString() << QString() << QString();
}

void TestProjectModel::nameIsComposed()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, expected);
    TProjektDetails details;
    details.SetLastname(last);
    details.SetFirstname(first);
    QCOMPARE(details.NameVorname(), expected);
    details.SetNameVorname(QStringLiteral("Dr. A. Berg"));
    QCOMPARE(details.NameVorname(), QStringLiteral("Dr. A. Berg"));
}

void TestProjectModel::fieldTableMatchesAccessors()
{
    // The numbered access the file formats use reaches the same storage as the named one.
    QCOMPARE(TProjektDetails::FieldCount, 44);
    QCOMPARE(TProjektDetails::fieldName(Field::Title), QLatin1String("Title"));
    QCOMPARE(TProjektDetails::fieldName(Field::Key10), QLatin1String("Key10"));
    QCOMPARE(TProjektDetails::fieldName(Field::NameVorname), QLatin1String("NameVorname"));
    QCOMPARE(int(Field::AKeywords), 19);
    QCOMPARE(int(Field::country), 32);
    QCOMPARE(TProjektDetails::fieldByName(QLatin1String("COUNTRY")), std::optional(Field::country));
    QVERIFY(!TProjektDetails::fieldByName(QLatin1String("Nonsense")));

    int integers = 0;
    TProjektDetails details;
    for (int i = 0; i < TProjektDetails::FieldCount; ++i) {
        const Field f = Field(i);
        if (TProjektDetails::isIntegerField(f)) {
            ++integers;
            details.SetInteger(f, 1000 + i);
        } else if (f != Field::AKeywords && f != Field::NameVorname) {
            details.SetText(f, QString::number(i));
        }
    }
    QCOMPARE(integers, 6);
    QCOMPARE(details.Language(), 1000 + int(Field::Language));
    QCOMPARE(details.Age(), 1000 + int(Field::Age));
    QCOMPARE(details.Title(), QStringLiteral("0"));
    QCOMPARE(details.Key15(), QString::number(int(Field::Key15)));
    QCOMPARE(details.products(), QString::number(int(Field::products)));
    QCOMPARE(details.NameVorname(),
             QString::number(int(Field::Firstname)) + u' ' + QString::number(int(Field::Lastname)));
    // Texts for integer fields and integers for text fields are ignored.
    details.SetText(Field::Age, QStringLiteral("7"));
    details.SetInteger(Field::City, 7);
    QCOMPARE(details.Age(), 1000 + int(Field::Age));
    QCOMPARE(details.City(), QString::number(int(Field::City)));
}

void TestProjectModel::assignToCopiesInNameOrder()
{
    TProjektDetails source;
    source.SetKey1(QStringLiteral("k1"));
    source.SetKey3(QStringLiteral("k3"));
    source.SetAKeywords(QStringLiteral("edited keywords"));
    source.SetFirstname(QStringLiteral("Anna"));
    source.SetLastname(QStringLiteral("Berg"));
    source.SetNameVorname(QStringLiteral("Berg, Anna"));
    source.SetCategory(-1);
    source.SetGreeting(2);
    source.SetCountry(81);
    source.SetURL(QStringLiteral("http://example.org/"));

    TProjektDetails target;
    target.SetCity(QStringLiteral("old"));
    source.AssignTo(target);
    QCOMPARE(target.Key1(), QStringLiteral("k1"));
    QCOMPARE(target.Key3(), QStringLiteral("k3"));
    // AKeywords comes before the keys in name order, so the joined keys win; NameVorname
    // comes after the names and keeps its text.
    QCOMPARE(target.AKeywords(), QStringLiteral("k1, k3"));
    QCOMPARE(target.NameVorname(), QStringLiteral("Berg, Anna"));
    QCOMPARE(target.City(), QString());
    QCOMPARE(target.Category(), -1);
    QCOMPARE(target.Greeting(), 2);
    QCOMPARE(target.country(), 81);
    QCOMPARE(target.URL(), QStringLiteral("http://example.org/"));
}

void TestProjectModel::defaultProject_data()
{
    QTest::addColumn<int>("uiLanguage");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("country");
    QTest::newRow("English") << int(TdmStorage::English) << 12 << 221;
    QTest::newRow("German") << int(TdmStorage::German) << 16 << 81;
    QTest::newRow("French") << int(TdmStorage::French) << 15 << 69;
}

void TestProjectModel::defaultProject()
{
    QFETCH(int, uiLanguage);
    QFETCH(int, language);
    QFETCH(int, country);
    TSdProjectContainer container;
    container.SetFilename(QStringLiteral("/tmp/other.sit"));
    container.AddProject()->SetGeaendert(true);
    container.AddProject();
    container.SetAllModified(true);

    TSdProjectData* project = container.NewDefaultProject(uiLanguage);
    QCOMPARE(container.ProjectCount(), 1);
    QCOMPARE(container.Project(0), project);
    QCOMPARE(container.Filename(), TdmStorage::untitledFileName());
    QVERIFY(!container.Modified());
    QVERIFY(!container.AnyModified());
    QCOMPARE(project->ProjectName(), QStringLiteral("Standard"));
    QCOMPARE(project->ProjectDescription(), QStringLiteral("Standardprojekt"));
    QCOMPARE(project->ProjektDetails().Language(), language);
    QCOMPARE(project->ProjektDetails().country(), country);
    QCOMPARE(project->ProjektDetails().Category(), 0);
    QCOMPARE(project->ProjektDetails().Title(), QString());
    QCOMPARE(project->AnmeldeStatus().Count(), 0);
    QCOMPARE(project->Status().Count(), 0);
    QCOMPARE(project->TextFiles().Count(), 0);
}

void TestProjectModel::addProjectClearsModified()
{
    TSdProjectContainer container;
    auto given = std::make_unique<TSdProjectData>();
    given->SetGeaendert(true);
    TSdProjectData* raw = given.get();
    QCOMPARE(container.AddProject(std::move(given)), raw);
    QVERIFY(!raw->Geaendert());
    TSdProjectData* fresh = container.AddProject();
    QCOMPARE(container.ProjectCount(), 2);
    QCOMPARE(container.Project(1), fresh);
    QVERIFY_THROWS_EXCEPTION(SdError, container.Project(2));
    QVERIFY_THROWS_EXCEPTION(SdError, container.Project(-1));
}

void TestProjectModel::setAllModified()
{
    TSdProjectContainer container;
    container.AddProject();
    container.AddProject();
    QVERIFY(!container.AnyModified());
    container.Project(1)->SetGeaendert(true);
    QVERIFY(container.AnyModified());
    QVERIFY(!container.Modified());
    container.SetAllModified(true);
    QVERIFY(container.Modified());
    QVERIFY(container.Project(0)->Geaendert());
    container.SetAllModified(false);
    QVERIFY(!container.AnyModified());
    QVERIFY(!container.Modified());
    container.ClearProjects();
    QCOMPARE(container.ProjectCount(), 0);
}

void TestProjectModel::collectionsOwnAndIndex()
{
    TSdProjectData project;
    QCOMPARE(project.Status().Owner(), &project);
    QCOMPARE(project.AnmeldeStatus().Owner(), &project);
    QCOMPARE(project.TextFiles().Owner(), &project);

    TStatusbericht& status = project.Status();
    TStatusberichtItem* first = status.Add();
    first->SetSuchdienst(QStringLiteral("one"));
    first->Details().SetFehlercode(200);
    status.Add()->SetSuchdienst(QStringLiteral("two"));
    status.Add()->SetSuchdienst(QStringLiteral("three"));
    QCOMPARE(status.Count(), 3);
    QCOMPARE(status.Items(0), first);
    QCOMPARE(status.Items(0)->Details().Fehlercode(), 200);
    status.Delete(1);
    QCOMPARE(status.Count(), 2);
    QCOMPARE(status.Items(1)->Suchdienst(), QStringLiteral("three"));
    QVERIFY_THROWS_EXCEPTION(SdError, status.Items(2));
    QVERIFY_THROWS_EXCEPTION(SdError, status.Delete(-1));
    status.Clear();
    QCOMPARE(status.Count(), 0);
    // Freeing entries with their details is checked by the sanitizer build.
}

void TestProjectModel::replacingAPartHandsBackTheOldOne()
{
    TSdProjectData project;
    project.Status().Add()->SetSuchdienst(QStringLiteral("kept"));
    auto replacement = std::make_unique<TStatusbericht>();
    replacement->Add();
    replacement->Add();
    TStatusbericht* raw = replacement.get();
    std::unique_ptr<TStatusbericht> old = project.SetStatus(std::move(replacement));
    QCOMPARE(&project.Status(), raw);
    QCOMPARE(project.Status().Count(), 2);
    QCOMPARE(old->Count(), 1);
    QCOMPARE(old->Items(0)->Suchdienst(), QStringLiteral("kept"));

    std::unique_ptr<TProjektDetails> oldDetails = project.SetProjektDetails(nullptr);
    QVERIFY(oldDetails);
    QCOMPARE(project.ProjektDetails(), TProjektDetails());
}

void TestProjectModel::displayNames()
{
    TSDAnmeldeStatusItem state;
    QCOMPARE(state.DisplayName(), TSDAnmeldeStatus::DefaultDisplayName());
    state.SetText(QStringLiteral("Engine"));
    QCOMPARE(state.DisplayName(), QStringLiteral("Engine"));
    TStatusberichtItem entry;
    QCOMPARE(entry.DisplayName(), TStatusbericht::DefaultDisplayName());
    entry.SetSuchdienst(QStringLiteral("Dir"));
    QCOMPARE(entry.DisplayName(), QStringLiteral("Dir"));
    TTextFileItem file;
    QCOMPARE(file.DisplayName(), TTextFiles::DefaultDisplayName());
    file.SetTitle(QStringLiteral("index.mtg"));
    QCOMPARE(file.DisplayName(), QStringLiteral("index.mtg"));
}

void TestProjectModel::textFilesFindByPathIgnoresCase()
{
    TTextFiles files;
    files.Add()->SetFilePath(QStringLiteral("/home/a/Site.MTG"));
    TTextFileItem* second = files.Add();
    second->SetFilePath(QStringLiteral("/home/a/other.mtg"));
    QCOMPARE(files.FindByPath(QStringLiteral("/HOME/A/OTHER.mtg")), second);
    QCOMPARE(files.FindByPath(QStringLiteral("/home/a/none.mtg")), nullptr);
}

void TestProjectModel::emptyFilenameIsRefused()
{
    TSdProjectContainer container;
    container.AddProject();
    for (bool save : {false, true}) {
        try {
            save ? container.SaveProjects() : container.LoadProjects();
            QFAIL("no error");
        } catch (const SdError& e) {
            QCOMPARE(e.text(), QStringLiteral("FileName property is not set!"));
        }
    }
    QCOMPARE(container.ProjectCount(), 1);
}

QTEST_GUILESS_MAIN(TestProjectModel)
#include "tst_ProjectModel.moc"
