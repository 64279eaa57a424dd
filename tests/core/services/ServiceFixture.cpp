#include "ServiceFixture.h"

#include "core/platform/TDateTime.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace ServiceFixture {

double day(int y, int m, int d, int hour, int minute)
{
    return TDateTime::fromDateTime(QDateTime(QDate(y, m, d), QTime(hour, minute)));
}

TServiceRecord record(const Service& s)
{
    using F = ServiceField;
    TServiceRecord r;
    r.setValue(F::Nr, s.nr);
    r.setValue(F::Name, s.name);
    r.setValue(F::Kategorie, s.kategorie);
    r.setValue(F::NurManuell, s.nurManuell);
    r.setValue(F::Ausgewaehlt, s.ausgewaehlt);
    r.setValue(F::Bewertung, s.bewertung);
    r.setValue(F::CodeFuerFlagge, s.codeFuerFlagge);
    r.setValue(F::ZuletztRegistriert, s.zuletztRegistriert);
    if (!s.land.isNull())
        r.setValue(F::Land, s.land);
    r.setValue(F::URL, QString(QStringLiteral("https://") + s.name.toLower() + QStringLiteral(".test/")));
    r.setValue(F::Status, 0);
    r.setValue(F::KostetGeld, 0);
    r.setValue(F::Methode, QStringLiteral("G"));
    r.setValue(F::Action, QStringLiteral("http://127.0.0.1/submit"));
    return r;
}

QList<Service> standard()
{
    const QVariant none;
    return {
        {1, QStringLiteral("Alpha"), QStringLiteral("S"), 0, 1, 3, 16, day(2024, 3, 10), QStringLiteral("DE")},
        {2, QStringLiteral("beta"), QStringLiteral("V"), 1, 0, 1, 20, none, QStringLiteral("FR")},
        {3, QStringLiteral("Gamma"), QStringLiteral("A"), 0, 1, none, 0, day(2024, 3, 10, 15, 30), QString()},
        {4, QStringLiteral("Delta"), QStringLiteral("S"), 1, 0, 4, 49, day(2024, 1, 1), QStringLiteral("US")},
        {5, QStringLiteral("Epsilon"), QStringLiteral("S"), none, none, 2, 16, none, QStringLiteral("DE")},
        {6, QStringLiteral("Zeta"), QStringLiteral("V"), 0, 0, 0, 20, day(2023, 12, 31), QStringLiteral("")},
    };
}

namespace {

template<typename Fill>
QString build(const QString& programFolder, Fill fill)
{
    QDir().mkpath(programFolder + QStringLiteral("DATEN"));
    const QString path = programFolder + QStringLiteral("DATEN/services.db");
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("fixture: %s", qPrintable(db.lastError().text()));
        db.transaction();
        ServiceSchema::createTables(db);
        fill(db);
        // Records every row an UPDATE touches, so tests can see what was written.
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE written (nr INTEGER)"));
        q.exec(QStringLiteral("CREATE TRIGGER dba_written AFTER UPDATE ON dba BEGIN "
                              "INSERT INTO written VALUES (new.Nr); END"));
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return path;
}

} // namespace

QString create(const QString& programFolder, const QList<Service>& services)
{
    return build(programFolder, [&services](QSqlDatabase& db) {
        for (const Service& s : services)
            ServiceSchema::insertService(db, record(s));
        ServiceSchema::insertFieldPair(db, 1, QStringLiteral("q;x"), 1);
        ServiceSchema::insertFieldPair(db, 1, QStringLiteral("noSemicolon"), 2);
        ServiceSchema::insertCategoryPair(db, 1, 7, QStringLiteral("Computers"));
        ServiceSchema::insertFieldPair(db, 2, QStringLiteral("url;"), 2);
    });
}

QString createRecords(const QString& programFolder, const QList<TServiceRecord>& records,
                      const std::function<void(QSqlDatabase&)>& extra)
{
    return build(programFolder, [&](QSqlDatabase& db) {
        for (const TServiceRecord& r : records)
            ServiceSchema::insertService(db, r);
        if (extra)
            extra(db);
    });
}

QList<int> writtenRows(const QString& databasePath)
{
    QList<int> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("written"));
        db.setDatabaseName(databasePath);
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT nr FROM written ORDER BY rowid"));
            while (q.next())
                rows << q.value(0).toInt();
            q.exec(QStringLiteral("DELETE FROM written"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("written"));
    return rows;
}

QString createGenerated(const QString& programFolder, int count)
{
    return build(programFolder, [count](QSqlDatabase& db) {
        static const char* kinds[] = {"S", "V", "A"};
        for (int i = 1; i <= count; ++i) {
            Service s {i,
                       QStringLiteral("Service %1").arg((i * 7919) % 100003, 6, 10, QLatin1Char('0')),
                       QLatin1String(kinds[i % 3]),
                       i % 4 == 0 ? 1 : 0,
                       i % 5 == 0 ? 1 : 0,
                       i % 5,
                       1 + i % 54,
                       i % 2 ? QVariant(day(2024, 1 + i % 12, 1 + i % 28)) : QVariant(),
                       QStringLiteral("DE")};
            ServiceSchema::insertService(db, record(s));
        }
    });
}

} // namespace ServiceFixture
