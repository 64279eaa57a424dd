// The data module on small databases: opening (also of bad files and from two
// processes), the view, editing, the bulk operations, selections and the detail tables.

#include "ServiceFixture.h"

#include "core/platform/SdError.h"
#include "core/services/SelectionBlock.h"
#include "core/services/TDatenmodul.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <cstdio>

using F = ServiceField;
using Nrs = QList<int>;

namespace {

const char kLockChildVariable[] = "SENDORA_TEST_LOCK_CHILD";

const QString kOpenError = QStringLiteral(
    "Error no. 12911\r\rPossible causes for this error: \r"
    "   - Application has not been closed properly.\r"
    "   - Database files have been deleted or damaged.\r"
    "   - Incorrect installation.\r\r"
    "Restart your computer and then restart Sendora! Special Edition.\r"
    "If this error persists, please contact our technical support!\r\r"
    "This application is now being terminated!");

const QString kMissingWarning = QStringLiteral(
    "The number of search engines has changed.\r\r"
    "This problem can be solved as follows: \r"
    "Save the file and load it again.\r"
    "IMPORTANT: Save with command F i l e | S a v e   a s . . . (NOT: File|Save)!\r\r"
    "If this error persists, the SIT file is damaged/invalid.");

Nrs viewNumbers(const TDatenmodul& data, bool sorted = true)
{
    Nrs numbers;
    for (int row = 0; row < data.rowCount(); ++row)
        numbers << data.viewRecord(row).nr();
    if (sorted)
        std::sort(numbers.begin(), numbers.end());
    return numbers;
}

Nrs ticked(const TDatenmodul& data)
{
    Nrs numbers;
    for (int i = 0; i < data.tableRowCount(); ++i) {
        if (data.tableRecord(i).boolean(F::Ausgewaehlt))
            numbers << data.tableRecord(i).nr();
    }
    return numbers;
}

// The child process of the exclusive-opening test: opens the folder and reports.
int lockChild(const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    ScriptedMessages messages;
    TDatenmodul data;
    const bool opened = data.DataModuleCreate(folder);
    std::printf("%s %lld\n", opened ? "opened" : "failed", qlonglong(timer.elapsed()));
    std::fflush(stdout);
    return opened ? 0 : 3;
}

} // namespace

class TestDatenmodul : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensTheTables();
    void staleAliasListIsRemoved();
    void unusableDatabase_data();
    void unusableDatabase();
    void secondProcessIsLockedOut();
    void newRowsAreRefused();

    void navigationAndSortOrders();
    void bookmarkKeptAcrossRefilter();
    void editAndPost();
    void onlyEditableFieldsChange();
    void lookups();

    void bulkOperations_data();
    void bulkOperations();
    void countAutomaticInView();

    void selectionBlockBytes();
    void selectionFileLengths_data();
    void selectionFileLengths();
    void applySelection();
    void applySelectionBeyond700();
    void snapshotMissing();
    void snapshotRoundTrip();

    void detailTables();
    void closeAndReopen();

private:
    struct Opened
    {
        TestFolder folder;
        ScriptedMessages messages;
        TDatenmodul data;
        QString path;
    };
    static std::unique_ptr<Opened> open(int generated = 0);
};

std::unique_ptr<TestDatenmodul::Opened> TestDatenmodul::open(int generated)
{
    auto o = std::make_unique<Opened>();
    o->path = generated ? ServiceFixture::createGenerated(o->folder.path(), generated)
                        : ServiceFixture::create(o->folder.path(), ServiceFixture::standard());
    o->data.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    if (!o->data.DataModuleCreate(o->folder.path()))
        qFatal("fixture database does not open: %s", qPrintable(o->data.lastOpenError()));
    return o;
}

void TestDatenmodul::opensTheTables()
{
    auto o = open();
    QVERIFY(o->data.isReady());
    QVERIFY(o->messages.shown().isEmpty());
    QCOMPARE(o->data.tableRowCount(), 6);
    QCOMPARE(viewNumbers(o->data), (Nrs {1, 2, 3, 4, 5, 6}));
    QCOMPARE(o->data.SubmissionMode(), 0);
    QCOMPARE(o->data.ViewFlags(), 0);
    QCOMPARE(o->data.filterText(), QString());
    QCOMPARE(o->data.currentRow(), 0);
}

void TestDatenmodul::staleAliasListIsRemoved()
{
    TestFolder folder;
    ServiceFixture::create(folder.path(), ServiceFixture::standard());
    folder.write(QStringLiteral("ffsalias.ff2"), "MyDatabase=/elsewhere");
    ScriptedMessages messages;
    TDatenmodul data;
    QVERIFY(data.DataModuleCreate(folder.path()));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("ffsalias.ff2"))));
    QCOMPARE(data.databasePath(), folder.path() + QStringLiteral("DATEN/services.db"));
}

void TestDatenmodul::unusableDatabase_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::newRow("missing") << QByteArray("missing");
    QTest::newRow("zero bytes") << QByteArray("empty");
    QTest::newRow("random bytes") << QByteArray("random");
    QTest::newRow("sqlite header, then garbage") << QByteArray("header");
    QTest::newRow("other tables") << QByteArray("foreign");
    QTest::newRow("dba without a field") << QByteArray("short");
    QTest::newRow("a folder") << QByteArray("folder");
}

void TestDatenmodul::unusableDatabase()
{
    QFETCH(QByteArray, kind);
    TestFolder folder;
    const QString path = folder.filePath(QStringLiteral("DATEN/services.db"));
    QDir().mkpath(folder.filePath(QStringLiteral("DATEN")));
    if (kind == "empty") {
        folder.write(QStringLiteral("DATEN/services.db"), QByteArray());
    } else if (kind == "random") {
        QByteArray bytes(8192, '\0');
        QRandomGenerator gen(42);
        for (char& c : bytes)
            c = char(gen.bounded(256));
        folder.write(QStringLiteral("DATEN/services.db"), bytes);
    } else if (kind == "header") {
        folder.write(QStringLiteral("DATEN/services.db"),
                     QByteArray("SQLite format 3") + '\0' + QByteArray(4080, '\x5a'));
    } else if (kind == "foreign" || kind == "short") {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            if (kind == "foreign") {
                QVERIFY(q.exec(QStringLiteral("CREATE TABLE other (a INTEGER)")));
            } else {
                ServiceSchema::createTables(db);
                QVERIFY(q.exec(QStringLiteral("ALTER TABLE dba DROP COLUMN IncludeInHomeEdition")));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
    } else if (kind == "folder") {
        QDir().mkpath(path);
    }
    QByteArray before;
    if (QFileInfo(path).isFile())
        before = folder.read(QStringLiteral("DATEN/services.db"));

    ScriptedMessages messages;
    TDatenmodul data;
    QVERIFY(!data.DataModuleCreate(folder.path()));
    QVERIFY(!data.isReady());
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().kind, Messages::Kind::Error);
    QCOMPARE(messages.shown().first().text, kOpenError);
    QVERIFY(!data.lastOpenError().isEmpty());
    QCOMPARE(data.rowCount(), 0);

    if (kind == "missing") {
        QVERIFY2(!QFileInfo::exists(path), "a missing database is not created");
    } else if (kind != "folder") {
        QCOMPARE(folder.read(QStringLiteral("DATEN/services.db")), before);
    }
    // A module that did not open refuses work instead of crashing.
    QVERIFY_THROWS_EXCEPTION(SdError, data.SelectAll());
    QCOMPARE(data.CountAutomaticInView(), 0);
}

void TestDatenmodul::secondProcessIsLockedOut()
{
    auto o = open();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kLockChildVariable), o->folder.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray out = child.readAllStandardOutput();
    QCOMPARE(child.exitCode(), 3);
    QVERIFY2(out.startsWith("failed "), out.constData());
    // It waited for the lock before it gave up.
    QVERIFY2(out.mid(7).trimmed().toLongLong() >= TDatenmodul::kLockTimeoutMs - 500, out.constData());
    // Nothing was harmed: this process still works on its tables...
    o->data.SelectAll();
    QCOMPARE(ticked(o->data).size(), 6);
    // ...and once it lets go, the other process gets in.
    QVERIFY(o->data.CloseServiceTables());
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
}

void TestDatenmodul::newRowsAreRefused()
{
    auto o = open();
    const auto textOf = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const SdError& e) {
            return e.text();
        }
        return QString();
    };
    QCOMPARE(textOf([&] { o->data.ffHauptTabelleNewRecord(); }),
             QStringLiteral("Non-critical error! Error no. 890001"));
    QCOMPARE(textOf([&] { o->data.ffTableFelderNewRecord(); }),
             QStringLiteral("Non-critical error! Error no. 890002"));
    QCOMPARE(textOf([&] { o->data.ffTableKategorienNewRecord(); }),
             QStringLiteral("Non-critical error! Error no. 890003"));
    QCOMPARE(o->data.tableRowCount(), 6);
}

void TestDatenmodul::navigationAndSortOrders()
{
    auto o = open();
    TDatenmodul& d = o->data;
    QVERIFY(d.setIndexName(QStringLiteral("idxname")));
    QCOMPARE(d.indexName(), QStringLiteral("IdxName"));
    QCOMPARE(viewNumbers(d, false), (Nrs {1, 2, 4, 5, 3, 6})); // Alpha beta Delta Epsilon Gamma Zeta
    QVERIFY(d.setIndexName(QStringLiteral("IdxBewertung")));
    QCOMPARE(viewNumbers(d, false), (Nrs {3, 6, 2, 5, 1, 4})); // empty rating first
    QVERIFY(d.setIndexName(QStringLiteral("IdxKategorie")));
    QCOMPARE(viewNumbers(d, false), (Nrs {3, 1, 4, 5, 2, 6}));
    QVERIFY(d.setIndexName(QStringLiteral("IdxLand")));
    QCOMPARE(viewNumbers(d, false), (Nrs {3, 6, 1, 5, 2, 4}));
    QVERIFY(d.setIndexName(QStringLiteral("FF$PRIMARY")));
    QCOMPARE(viewNumbers(d, false), (Nrs {1, 2, 3, 4, 5, 6}));
    QVERIFY(!d.setIndexName(QStringLiteral("IdxNope")));
    QCOMPARE(d.indexName(), QStringLiteral("FF$PRIMARY"));

    d.Last();
    QCOMPARE(d.currentRecord()->nr(), 6);
    QVERIFY(d.isEof());
    d.Next();
    QCOMPARE(d.currentRow(), 5);
    d.Prior();
    QCOMPARE(d.currentRecord()->nr(), 5);
    d.First();
    QVERIFY(d.isBof());
    d.Prior();
    QCOMPARE(d.currentRow(), 0);
}

void TestDatenmodul::bookmarkKeptAcrossRefilter()
{
    auto o = open();
    TDatenmodul& d = o->data;
    QVERIFY(d.locate(5));
    d.SetSubmissionMode(1); // 1 3 5 6
    QCOMPARE(d.currentRecord()->nr(), 5);
    QVERIFY(d.setIndexName(QStringLiteral("IdxName")));
    QCOMPARE(d.currentRecord()->nr(), 5);
    d.SetSubmissionMode(2); // 2 4: 5 is gone, the view starts at its first row
    QCOMPARE(d.currentRow(), 0);
    QCOMPARE(d.currentRecord()->nr(), 2);
    QVERIFY(!d.locate(5));
    d.SetViewFlags(TDatenmodul::OnlyTicked); // manual and ticked: none
    QCOMPARE(d.rowCount(), 0);
    QCOMPARE(d.currentRow(), -1);
    QVERIFY(d.currentRecord() == nullptr);
    d.Next(); // nothing to move to, and no crash
}

void TestDatenmodul::editAndPost()
{
    auto o = open();
    TDatenmodul& d = o->data;
    QVERIFY(d.locate(2));
    d.Edit();
    d.setFieldValue(F::Ausgewaehlt, true);
    d.setFieldValue(F::ZuletztRegistriert, ServiceFixture::day(2024, 5, 1));
    QVERIFY(d.isEditing());
    QCOMPARE(d.recordByNr(2)->boolean(F::Ausgewaehlt), false); // not yet posted
    d.Next(); // moving posts the pending edit
    QVERIFY(!d.isEditing());
    QCOMPARE(d.recordByNr(2)->boolean(F::Ausgewaehlt), true);

    d.setRowValue(d.viewRowOf(4), F::NurManuell, false);
    d.Edit();
    d.setFieldValue(F::Ausgewaehlt, true);
    d.Cancel();
    QVERIFY(d.CloseServiceTables());
    QCOMPARE(ServiceFixture::writtenRows(o->path), (Nrs {2, 4}));
    QVERIFY(d.OpenServiceTables());
    QCOMPARE(d.recordByNr(2)->boolean(F::Ausgewaehlt), true);
    QCOMPARE(*d.recordByNr(2)->date(F::ZuletztRegistriert), ServiceFixture::day(2024, 5, 1));
    QCOMPARE(d.recordByNr(4)->boolean(F::NurManuell), false);
    QCOMPARE(d.recordByNr(4)->boolean(F::Ausgewaehlt), false);

    // Posting what the row already holds writes nothing.
    QVERIFY(d.locate(1));
    d.setFieldValue(F::Ausgewaehlt, true);
    d.PostPendingEdit();
    QVERIFY(d.CloseServiceTables());
    QCOMPARE(ServiceFixture::writtenRows(o->path), Nrs {});
}

void TestDatenmodul::onlyEditableFieldsChange()
{
    auto o = open();
    for (const auto& def : ServiceSchema::fields()) {
        const bool editable = def.field == F::Ausgewaehlt || def.field == F::ZuletztRegistriert
                           || def.field == F::NurManuell;
        QCOMPARE(TDatenmodul::isEditable(def.field), editable);
    }
    QVERIFY_THROWS_EXCEPTION(SdError, o->data.setFieldValue(F::Name, QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(SdError, o->data.setFieldValue(F::Nr, 99));
    o->data.PostPendingEdit();
    QCOMPARE(o->data.recordByNr(1)->text(F::Name), QStringLiteral("Alpha"));
}

void TestDatenmodul::lookups()
{
    auto o = open();
    QCOMPARE(o->data.recordByNr(3)->text(F::Name), QStringLiteral("Gamma"));
    QVERIFY(o->data.recordByNr(99) == nullptr);
    QCOMPARE(o->data.recordByName(QStringLiteral("BETA"))->nr(), 2);
    QVERIFY(o->data.recordByName(QStringLiteral("bet")) == nullptr);
    QCOMPARE(o->data.numbersInOrder(TDatenmodul::nameIndex(), false), (QList<qint32> {1, 2, 4, 5, 3, 6}));
    o->data.SetSubmissionMode(2);
    QCOMPARE(o->data.numbersInOrder(TDatenmodul::nameIndex(), true), (QList<qint32> {2, 4}));
}

void TestDatenmodul::bulkOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("flags");
    QTest::addColumn<Nrs>("tickedAfter");
    QTest::addColumn<Nrs>("written");
    QTest::addColumn<Nrs>("viewAfter");
    // Before: ticked 1 3; automatic list 1 3 5 6; manual list 2 4.
    QTest::newRow("SelectAllInView") << "SelectAllInView" << 1 << 0 << Nrs {1, 3, 5, 6} << Nrs {5, 6} << Nrs {1, 3, 5, 6};
    QTest::newRow("SelectAllInView, manual") << "SelectAllInView" << 2 << 0 << Nrs {1, 2, 3, 4} << Nrs {2, 4} << Nrs {2, 4};
    QTest::newRow("DeselectAllInView") << "DeselectAllInView" << 2 << 0 << Nrs {1, 3} << Nrs {} << Nrs {2, 4};
    QTest::newRow("DeselectAllInView, ticked view") << "DeselectAllInView" << 1 << 1 << Nrs {} << Nrs {1, 3} << Nrs {};
    QTest::newRow("SelectAll") << "SelectAll" << 2 << 1 << Nrs {1, 2, 3, 4, 5, 6} << Nrs {2, 4, 5, 6} << Nrs {2, 4};
    QTest::newRow("DeselectAll") << "DeselectAll" << 1 << 1 << Nrs {} << Nrs {1, 3, 5} << Nrs {};
    QTest::newRow("SelectAutomaticSearchEngines") << "SelectAutomaticSearchEngines" << 0 << 0 << Nrs {1, 5} << Nrs {3, 5} << Nrs {1, 2, 3, 4, 5, 6};
    QTest::newRow("SelectAutomaticSearchEngines, manual view") << "SelectAutomaticSearchEngines" << 2 << 0 << Nrs {1, 3} << Nrs {} << Nrs {2, 4};
    QTest::newRow("ClearAllLastSubmitted") << "ClearAllLastSubmitted" << 2 << 0 << Nrs {1, 3} << Nrs {1, 3, 4, 6} << Nrs {2, 4};
    QTest::newRow("SetAllLastSubmitted") << "SetAllLastSubmitted" << 1 << 1 << Nrs {1, 3} << Nrs {2, 3, 4, 5, 6} << Nrs {1, 3};
}

void TestDatenmodul::bulkOperations()
{
    QFETCH(QString, operation);
    QFETCH(int, mode);
    QFETCH(int, flags);
    QFETCH(Nrs, tickedAfter);
    QFETCH(Nrs, written);
    QFETCH(Nrs, viewAfter);
    auto o = open();
    TDatenmodul& d = o->data;
    // Nulls count as "not ticked" but are written as false when they are changed.
    d.SetSubmissionMode(mode);
    d.SetViewFlags(flags);
    QVERIFY(d.setIndexName(QStringLiteral("IdxName")));
    const QString filter = d.filterText();
    const double stamp = ServiceFixture::day(2024, 3, 10);

    if (operation == QLatin1String("SelectAllInView"))
        d.SelectAllInView();
    else if (operation == QLatin1String("DeselectAllInView"))
        d.DeselectAllInView();
    else if (operation == QLatin1String("SelectAll"))
        d.SelectAll();
    else if (operation == QLatin1String("DeselectAll"))
        d.DeselectAll();
    else if (operation == QLatin1String("SelectAutomaticSearchEngines"))
        d.SelectAutomaticSearchEngines();
    else if (operation == QLatin1String("ClearAllLastSubmitted"))
        d.ClearAllLastSubmitted();
    else if (operation == QLatin1String("SetAllLastSubmitted"))
        d.SetAllLastSubmitted(stamp);

    QCOMPARE(ticked(d), tickedAfter);
    QCOMPARE(viewNumbers(d), viewAfter);
    QCOMPARE(d.filterText(), filter);
    QCOMPARE(d.SubmissionMode(), mode);
    QCOMPARE(d.ViewFlags(), flags);
    QCOMPARE(d.indexName(), QStringLiteral("IdxName"));

    QVERIFY(d.CloseServiceTables());
    Nrs rows = ServiceFixture::writtenRows(o->path);
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, written);
    QVERIFY(d.OpenServiceTables());
    QCOMPARE(ticked(d), tickedAfter);
    for (int i = 0; i < d.tableRowCount(); ++i) {
        const TServiceRecord& r = d.tableRecord(i);
        if (operation == QLatin1String("ClearAllLastSubmitted"))
            QVERIFY(r.value(F::ZuletztRegistriert).isNull());
        else if (operation == QLatin1String("SetAllLastSubmitted"))
            QCOMPARE(*r.date(F::ZuletztRegistriert), stamp);
    }
}

void TestDatenmodul::countAutomaticInView()
{
    auto o = open();
    QCOMPARE(o->data.CountAutomaticInView(), 4); // 5 has an empty NurManuell
    QCOMPARE(o->data.currentRow(), 5);
    o->data.SetSubmissionMode(2);
    QCOMPARE(o->data.CountAutomaticInView(), 0);
    QCOMPARE(o->data.currentRow(), 1);
}

void TestDatenmodul::selectionBlockBytes()
{
    SelectionBlock block;
    block[0] = {1, 1};
    block[1] = {-2, 2};
    block[699] = {0x01020304, 1};
    const QByteArray bytes = block.toBytes();
    QCOMPARE(bytes.size(), 5600);
    QCOMPARE(bytes.left(16), QByteArray::fromHex("0100000001000000feffffff02000000"));
    QCOMPARE(bytes.right(8), QByteArray::fromHex("0403020101000000"));
    const SelectionBlock back = SelectionBlock::fromBytes(bytes);
    QCOMPARE(back[1].nr, -2);
    QCOMPARE(back[1].tick, 2);
    QCOMPARE(back[699].nr, 0x01020304);
}

void TestDatenmodul::selectionFileLengths_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("half an entry") << 13;
    QTest::newRow("short") << 800;
    QTest::newRow("exact") << 5600;
    QTest::newRow("long") << 9000;
}

void TestDatenmodul::selectionFileLengths()
{
    QFETCH(int, length);
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(i % 8 == 0 ? (i / 8) % 100 + 1 : i % 8 == 4 ? 1 : 0);
    TestFolder folder;
    SelectionBlock block;
    QVERIFY(block.readFile(folder.write(QStringLiteral("x.suc"), bytes)));
    for (int i = 0; i < SelectionBlock::kEntries; ++i) {
        const int end = (i + 1) * 8;
        if (end <= length) {
            QCOMPARE(block[i].nr, i % 100 + 1);
            QCOMPARE(block[i].tick, 1);
        } else if (i * 8 < length) {
            QCOMPARE(block[i].nr, length - i * 8 >= 4 ? i % 100 + 1 : (i % 100 + 1) & 0xff);
        } else {
            QCOMPARE(block[i].nr, 0);
            QCOMPARE(block[i].tick, 0);
        }
    }
    QVERIFY(block.writeFile(folder.filePath(QStringLiteral("y.suc"))));
    QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("y.suc"))).size(), 5600);
}

void TestDatenmodul::applySelection()
{
    auto o = open();
    TDatenmodul& d = o->data;
    d.SetViewFlags(TDatenmodul::OnlyTicked);
    SelectionBlock block;
    block[0] = {2, 1};   // ticks
    block[1] = {77, 1};  // no such service
    block[2] = {3, 2};   // tick byte 2 unticks
    block[3] = {0, 1};   // unused entry
    block[4] = {78, 0};  // a second missing one: still one warning
    block[5] = {5, 1};
    block[6] = {4, 0};   // already unticked: not written
    // 1 and 6 have no entry and keep their ticks.
    QVERIFY(d.ApplySelection(block));
    QCOMPARE(ticked(d), (Nrs {1, 2, 5}));
    QCOMPARE(o->messages.texts(), QStringList {kMissingWarning});
    QCOMPARE(o->messages.shown().first().kind, Messages::Kind::Warning);
    QCOMPARE(viewNumbers(d), (Nrs {1, 2, 5})); // the filter is applied again
    QVERIFY(d.CloseServiceTables());
    Nrs rows = ServiceFixture::writtenRows(o->path);
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, (Nrs {2, 3, 5}));
}

void TestDatenmodul::applySelectionBeyond700()
{
    auto o = open(750);
    TDatenmodul& d = o->data;
    d.SelectAll();
    const SelectionBlock all = d.currentSelection();
    QCOMPARE(all[699].nr, 700);
    SelectionBlock none;
    for (int i = 0; i < SelectionBlock::kEntries; ++i)
        none[i] = {all[i].nr, 0};
    QVERIFY(d.ApplySelection(none));
    QVERIFY(o->messages.shown().isEmpty());
    QCOMPARE(ticked(d).size(), 50);
    QCOMPARE(ticked(d).first(), 701);
    QVERIFY(d.SaveSelectionSnapshot());
    QCOMPARE(QFileInfo(d.snapshotPath()).size(), 5600);
}

void TestDatenmodul::snapshotMissing()
{
    auto o = open();
    o->data.LoadSelectionSnapshot();
    QCOMPARE(o->messages.texts(), QStringList {QStringLiteral("Search engine selection file not found!")});
    QCOMPARE(ticked(o->data), (Nrs {1, 3}));
}

void TestDatenmodul::snapshotRoundTrip()
{
    auto o = open();
    TDatenmodul& d = o->data;
    QCOMPARE(d.snapshotPath(), o->folder.path() + QStringLiteral("aktuell.suc"));
    QVERIFY(d.SaveSelectionSnapshot());
    d.DeselectAll();
    QVERIFY(d.locate(6));
    d.setRowValue(d.currentRow(), F::Ausgewaehlt, true);
    d.LoadSelectionSnapshot();
    QCOMPARE(ticked(d), (Nrs {1, 3}));
    QVERIFY(o->messages.shown().isEmpty());

    // A short snapshot (one entry) touches only that service.
    o->folder.write(QStringLiteral("aktuell.suc"), QByteArray::fromHex("0400000001"));
    d.LoadSelectionSnapshot();
    QCOMPARE(ticked(d), (Nrs {1, 3, 4}));
}

void TestDatenmodul::detailTables()
{
    auto o = open();
    const TDetailEngine e = o->data.detailEngine(*o->data.recordByNr(1));
    QCOMPARE(e.Nr, 1);
    QCOMPARE(e.Name, QStringLiteral("Alpha"));
    QCOMPARE(e.Methode, QStringLiteral("G"));
    QCOMPARE(e.FieldNames, (QStringList {QStringLiteral("q"), QString()}));
    QCOMPARE(e.FieldNumbers, (QList<qint32> {1, 2}));
    QCOMPARE(e.CategoryTexts, QStringList {QStringLiteral("Computers")});
    QCOMPARE(e.CategoryNumbers, QList<qint32> {7});
    const TDetailEngine none = o->data.detailEngine(*o->data.recordByNr(3));
    QVERIFY(none.FieldNames.isEmpty() && none.CategoryTexts.isEmpty());
    QCOMPARE(TDatenmodul::fieldNameOf(QStringLiteral("a;b;c")), QStringLiteral("a"));
}

void TestDatenmodul::closeAndReopen()
{
    auto o = open();
    TDatenmodul& d = o->data;
    d.SetSubmissionMode(1);
    QVERIFY(d.locate(5));
    QVERIFY(d.CloseServiceTables());
    QVERIFY(!d.isOpen());
    QCOMPARE(d.rowCount(), 0);
    QVERIFY(d.OpenServiceTables());
    QCOMPARE(viewNumbers(d), (Nrs {1, 3, 5, 6}));
    // A replaced file that is no database: false, no crash, the module stays closed.
    QVERIFY(d.CloseServiceTables());
    o->folder.write(QStringLiteral("DATEN/services.db"), "not a database");
    QVERIFY(!d.OpenServiceTables());
    QVERIFY(!d.isOpen());
    QVERIFY(o->messages.shown().isEmpty());
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kLockChildVariable))
        return lockChild(qEnvironmentVariable(kLockChildVariable));
    TestDatenmodul test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TDatenmodul.moc"
