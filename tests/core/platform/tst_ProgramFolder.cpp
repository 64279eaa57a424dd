#include "core/platform/ProgramFolder.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class TestProgramFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choice_data();
    void choice();
    void optionThatCannotBeCreatedIsAnError();
    void seedCopiesOnlyMissingFiles();
    void seededCopiesOfReadOnlyDefaultsAreWritable();
    void seedIntoItselfDoesNothing();
};

void TestProgramFolder::choice_data()
{
    // Folders of the fixture below: "option", "env", "exe" (a program folder when
    // "marked"), "user".
    QTest::addColumn<bool>("option");
    QTest::addColumn<bool>("environment");
    QTest::addColumn<QString>("exeMarker"); // "", "sd.ini" or "DATEN"
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("source");

    using S = ProgramFolder::Source;
    QTest::newRow("--home wins") << true << true << "DATEN" << "option" << int(S::Option);
    QTest::newRow("environment next") << false << true << "DATEN" << "env" << int(S::Environment);
    QTest::newRow("build tree with data folder")
        << false << false << "DATEN" << "exe" << int(S::ExecutableFolder);
    QTest::newRow("portable copy with sd.ini")
        << false << false << "sd.ini" << "exe" << int(S::ExecutableFolder);
    QTest::newRow("installed bin folder: per-user folder")
        << false << false << "" << "user" << int(S::UserDataFolder);
}

void TestProgramFolder::choice()
{
    QFETCH(bool, option);
    QFETCH(bool, environment);
    QFETCH(QString, exeMarker);
    QFETCH(QString, chosen);
    QFETCH(int, source);

    TestFolder root;
    QDir().mkpath(root.filePath(QStringLiteral("exe")));
    if (exeMarker == QLatin1String("DATEN"))
        QDir().mkpath(root.filePath(QStringLiteral("exe/DATEN")));
    else if (!exeMarker.isEmpty())
        root.write(QStringLiteral("exe/") + exeMarker, "[Sdt]\n");

    ProgramFolder::Inputs in;
    in.homeOption = option ? root.filePath(QStringLiteral("option")) : QString();
    in.homeEnvironment = environment ? root.filePath(QStringLiteral("env")) : QString();
    in.executableFolder = root.filePath(QStringLiteral("exe"));
    in.userDataFolder = root.filePath(QStringLiteral("user/Sendora"));
    in.defaultsFolder = root.filePath(QStringLiteral("share/sendora"));

    ProgramFolder folder;
    QVERIFY2(folder.resolve(in), qPrintable(folder.errorString()));
    QCOMPARE(int(folder.source()), source);
    const QString expected = chosen == QLatin1String("user")
        ? root.filePath(QStringLiteral("user/Sendora/"))
        : root.filePath(chosen + QLatin1Char('/'));
    QCOMPARE(folder.path(), expected);
    QVERIFY(QFileInfo(folder.path()).isDir());
    QCOMPARE(folder.filePath(QStringLiteral("sd.ini")), expected + QStringLiteral("sd.ini"));
}

void TestProgramFolder::optionThatCannotBeCreatedIsAnError()
{
    TestFolder root;
    root.write(QStringLiteral("plain-file"), "x");
    ProgramFolder::Inputs in;
    in.homeOption = root.filePath(QStringLiteral("plain-file/below"));
    in.userDataFolder = root.filePath(QStringLiteral("user"));

    ProgramFolder folder;
    QVERIFY(!folder.resolve(in));
    QVERIFY(folder.errorString().contains(QLatin1String("plain-file")));
    // An explicit choice is never silently replaced by another folder.
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("user"))));
}

void TestProgramFolder::seedCopiesOnlyMissingFiles()
{
    TestFolder root;
    root.write(QStringLiteral("defaults/schablone.rtf"), "default template");
    root.write(QStringLiteral("defaults/DATEN/services.db"), "default database");
    root.write(QStringLiteral("defaults/help/en/index.html"), "help");
    root.write(QStringLiteral("home/schablone.rtf"), "the user's own template");

    const QStringList failures = ProgramFolder::seed(root.filePath(QStringLiteral("defaults")),
                                                     root.filePath(QStringLiteral("home")));
    QVERIFY(failures.isEmpty());
    QCOMPARE(root.read(QStringLiteral("home/schablone.rtf")), QByteArray("the user's own template"));
    QCOMPARE(root.read(QStringLiteral("home/DATEN/services.db")), QByteArray("default database"));
    QCOMPARE(root.read(QStringLiteral("home/help/en/index.html")), QByteArray("help"));

    // Nothing to seed from is not an error.
    QVERIFY(ProgramFolder::seed(root.filePath(QStringLiteral("missing")),
                                root.filePath(QStringLiteral("home")))
                .isEmpty());
}

void TestProgramFolder::seededCopiesOfReadOnlyDefaultsAreWritable()
{
    TestFolder root;
    const QString source = root.write(QStringLiteral("defaults/DATEN/services.db"), "db");
    QFile::setPermissions(source, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    QVERIFY(ProgramFolder::seed(root.filePath(QStringLiteral("defaults")),
                                root.filePath(QStringLiteral("home")))
                .isEmpty());
    const QString copy = root.filePath(QStringLiteral("home/DATEN/services.db"));
    QVERIFY(QFile::permissions(copy) & QFile::WriteOwner);
}

void TestProgramFolder::seedIntoItselfDoesNothing()
{
    TestFolder root;
    root.write(QStringLiteral("a.txt"), "a");
    QVERIFY(ProgramFolder::seed(root.path(), root.path()).isEmpty());
    QCOMPARE(QDir(root.path()).entryList(QDir::Files), QStringList {QStringLiteral("a.txt")});
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_ProgramFolder.moc"
