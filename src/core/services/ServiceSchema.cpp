#include "core/services/ServiceSchema.h"

#include "core/platform/SdError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <QSet>

using K = ServiceSchema::Kind;
using F = ServiceField;

std::optional<double> TServiceRecord::date(ServiceField f) const
{
    const QVariant& v = value(f);
    if (v.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || d == 0.0)
        return std::nullopt;
    return d;
}

namespace ServiceSchema {

namespace {

const std::array<FieldDef, kServiceFieldCount> kFields {{
    {F::Nr, "Nr", K::AutoIncrement, 0},
    {F::Name, "Name", K::String, 40},
    {F::URL, "URL", K::String, 100},
    {F::ManuellURL, "ManuellURL", K::String, 100},
    {F::Action, "Action", K::String, 150},
    {F::Land, "Land", K::String, 2},
    {F::Kategorie, "Kategorie", K::String, 1},
    {F::Methode, "Methode", K::String, 1},
    {F::Parameter1, "Parameter1", K::String, 255},
    {F::GeprueftAm, "GeprueftAm", K::DateTime, 0},
    {F::IntFirmen, "IntFirmen", K::Boolean, 0},
    {F::Status, "Status", K::SmallInt, 0},
    {F::NurManuell, "NurManuell", K::Boolean, 0},
    {F::Bewertung, "Bewertung", K::SmallInt, 0},
    {F::AufnahmeMin, "AufnahmeMin", K::SmallInt, 0},
    {F::AufnahmeMax, "AufnahmeMax", K::SmallInt, 0},
    {F::KostetGeld, "KostetGeld", K::Boolean, 0},
    {F::AkzeptiertTypen, "AkzeptiertTypen", K::SmallInt, 0},
    {F::AkzTypenSonstiges, "AkzTypenSonstiges", K::String, 100},
    {F::AkzeptiertLaender, "AkzeptiertLaender", K::String, 20},
    {F::Ausgewaehlt, "Ausgewaehlt", K::Boolean, 0},
    {F::ZuletztRegistriert, "ZuletztRegistriert", K::DateTime, 0},
    {F::CodeFuerFlagge, "CodeFuerFlagge", K::SmallInt, 0},
    {F::Ref, "Ref", K::Boolean, 0},
    {F::OKinTrial, "OKinTrial", K::Boolean, 0},
    {F::OKinVollversion, "OKinVollversion", K::Boolean, 0},
    {F::Bemerkung, "Bemerkung", K::String, 100},
    {F::BemerkungEN, "BemerkungEN", K::String, 100},
    {F::BemerkungFR, "BemerkungFR", K::String, 100},
    {F::VStatus, "VStatus", K::SmallInt, 0},
    {F::FormName, "FormName", K::String, 100},
    {F::FormNumber, "FormNumber", K::SmallInt, 0},
    {F::CRC, "CRC", K::Integer, 0},
    {F::Strafen, "Strafen", K::Integer, 0},
    {F::Wartung, "Wartung", K::String, 80},
    {F::IncludeInHomeEdition, "IncludeInHomeEdition", K::Boolean, 0},
}};

QString sqlType(Kind kind)
{
    switch (kind) {
    case K::AutoIncrement: return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case K::String: return QStringLiteral("TEXT");
    case K::DateTime: return QStringLiteral("REAL");
    case K::SmallInt:
    case K::Integer:
    case K::Boolean: return QStringLiteral("INTEGER");
    }
    return QStringLiteral("TEXT");
}

void exec(QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql))
        throw SdError(query.lastError().text());
}

void execPrepared(QSqlQuery& query)
{
    if (!query.exec())
        throw SdError(query.lastError().text());
}

} // namespace

const std::array<FieldDef, kServiceFieldCount>& fields()
{
    return kFields;
}

const FieldDef& field(ServiceField f)
{
    return kFields[size_t(f)];
}

QString fieldName(ServiceField f)
{
    return QLatin1String(field(f).name);
}

std::optional<ServiceField> fieldByName(const QString& name)
{
    for (const FieldDef& def : kFields) {
        if (name.compare(QLatin1String(def.name), Qt::CaseInsensitive) == 0)
            return def.field;
    }
    return std::nullopt;
}

void createTables(QSqlDatabase& db)
{
    QStringList columns;
    for (const FieldDef& def : kFields)
        columns << QLatin1Char('"') + QLatin1String(def.name) + QStringLiteral("\" ")
                       + sqlType(def.kind);
    QSqlQuery q(db);
    exec(q, QStringLiteral("CREATE TABLE dba (") + columns.join(QStringLiteral(", ")) + u')');
    exec(q, QStringLiteral("CREATE INDEX IdxName ON dba (Name COLLATE NOCASE)"));
    exec(q, QStringLiteral("CREATE INDEX IdxBewertung ON dba (Bewertung)"));
    exec(q, QStringLiteral("CREATE INDEX IdxKategorie ON dba (Kategorie)"));
    exec(q, QStringLiteral("CREATE INDEX IdxLand ON dba (Land)"));
    // Pos keeps the rows of one service in the order they were added.
    exec(q, QStringLiteral("CREATE TABLE dbc (Pos INTEGER PRIMARY KEY, EngineID INTEGER NOT "
                           "NULL, kategorienrinvelkar INTEGER, kategorieinengine TEXT)"));
    exec(q, QStringLiteral("CREATE INDEX dbc_EngineID ON dbc (EngineID, Pos)"));
    exec(q, QStringLiteral("CREATE TABLE dbd (Pos INTEGER PRIMARY KEY, EngineID INTEGER NOT "
                           "NULL, feldnameinengine TEXT, feldnrinvelkar INTEGER)"));
    exec(q, QStringLiteral("CREATE INDEX dbd_EngineID ON dbd (EngineID, Pos)"));
}

void insertService(QSqlDatabase& db, const TServiceRecord& record)
{
    QStringList names;
    QStringList marks;
    for (const FieldDef& def : kFields) {
        if (def.field == F::Nr && record.value(F::Nr).isNull())
            continue;
        names << QLatin1Char('"') + QLatin1String(def.name) + QLatin1Char('"');
        marks << QStringLiteral("?");
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO dba (") + names.join(u',') + QStringLiteral(") VALUES (")
              + marks.join(u',') + u')');
    for (const FieldDef& def : kFields) {
        if (def.field == F::Nr && record.value(F::Nr).isNull())
            continue;
        q.addBindValue(record.value(def.field));
    }
    execPrepared(q);
}

void insertCategoryPair(QSqlDatabase& db, qint32 owner, qint32 categoryNumber,
                        const QString& valueInEngine)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "INSERT INTO dbc (EngineID, kategorienrinvelkar, kategorieinengine) VALUES (?, ?, ?)"));
    q.addBindValue(owner);
    q.addBindValue(categoryNumber);
    q.addBindValue(valueInEngine);
    execPrepared(q);
}

void insertFieldPair(QSqlDatabase& db, qint32 owner, const QString& fieldNameInEngine,
                     qint32 detailNumber)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "INSERT INTO dbd (EngineID, feldnameinengine, feldnrinvelkar) VALUES (?, ?, ?)"));
    q.addBindValue(owner);
    q.addBindValue(fieldNameInEngine);
    q.addBindValue(detailNumber);
    execPrepared(q);
}

QString checkTables(QSqlDatabase& db)
{
    const auto columnsOf = [&db](const QString& table) {
        QSet<QString> names;
        QSqlQuery q(db);
        // PRAGMA does not take bound values; the table names are our own constants.
        if (q.exec(QStringLiteral("PRAGMA table_info(") + table + u')')) {
            while (q.next())
                names.insert(q.value(1).toString().toLower());
        }
        return names;
    };
    QStringList missing;
    const QSet<QString> dba = columnsOf(QStringLiteral("dba"));
    if (dba.isEmpty()) {
        missing << QStringLiteral("table dba");
    } else {
        for (const FieldDef& def : kFields) {
            if (!dba.contains(QString::fromLatin1(def.name).toLower()))
                missing << QStringLiteral("dba.") + QLatin1String(def.name);
        }
    }
    const QSet<QString> dbc = columnsOf(QStringLiteral("dbc"));
    for (const char* c : {"engineid", "kategorienrinvelkar", "kategorieinengine"}) {
        if (!dbc.contains(QLatin1String(c)))
            missing << QStringLiteral("dbc.") + QLatin1String(c);
    }
    const QSet<QString> dbd = columnsOf(QStringLiteral("dbd"));
    for (const char* c : {"engineid", "feldnameinengine", "feldnrinvelkar"}) {
        if (!dbd.contains(QLatin1String(c)))
            missing << QStringLiteral("dbd.") + QLatin1String(c);
    }
    return missing.join(QStringLiteral(", "));
}

QString checkRecord(const TServiceRecord& record)
{
    QStringList problems;
    for (const FieldDef& def : kFields) {
        const QVariant& v = record.value(def.field);
        if (v.isNull())
            continue;
        bool ok = true;
        switch (def.kind) {
        case K::String:
            if (v.toString().size() > def.length)
                problems << QStringLiteral("%1 is longer than %2 characters")
                                .arg(QLatin1String(def.name))
                                .arg(def.length);
            break;
        case K::SmallInt: {
            const int i = v.toInt(&ok);
            if (!ok || i < -32768 || i > 32767)
                problems << QStringLiteral("%1 is not a small integer").arg(QLatin1String(def.name));
            break;
        }
        case K::AutoIncrement:
        case K::Integer:
            v.toString().toInt(&ok);
            if (!ok)
                problems << QStringLiteral("%1 is not an integer").arg(QLatin1String(def.name));
            break;
        case K::Boolean: {
            const int i = v.toInt(&ok);
            if (!ok || (i != 0 && i != 1))
                problems << QStringLiteral("%1 is not 0 or 1").arg(QLatin1String(def.name));
            break;
        }
        case K::DateTime:
            v.toDouble(&ok);
            if (!ok)
                problems << QStringLiteral("%1 is not a date").arg(QLatin1String(def.name));
            break;
        }
    }
    return problems.join(QStringLiteral("; "));
}

} // namespace ServiceSchema
