#pragma once

#include <QString>
#include <QVariant>

#include <array>
#include <optional>

class QSqlDatabase;

// The fields of table dba in table order. The numbers double as column numbers of the
// service view, so an item model can use them directly.
enum class ServiceField {
    Nr,
    Name,
    URL,
    ManuellURL,
    Action,
    Land,
    Kategorie,
    Methode,
    Parameter1,
    GeprueftAm,
    IntFirmen,
    Status,
    NurManuell,
    Bewertung,
    AufnahmeMin,
    AufnahmeMax,
    KostetGeld,
    AkzeptiertTypen,
    AkzTypenSonstiges,
    AkzeptiertLaender,
    Ausgewaehlt,
    ZuletztRegistriert,
    CodeFuerFlagge,
    Ref,
    OKinTrial,
    OKinVollversion,
    Bemerkung,
    BemerkungEN,
    BemerkungFR,
    VStatus,
    FormName,
    FormNumber,
    CRC,
    Strafen,
    Wartung,
    IncludeInHomeEdition,
};

inline constexpr int kServiceFieldCount = 36;

// One row of dba. Values are null where the table holds no value; the typed getters
// read a null as the program always has (false, 0, empty text, no date).
struct TServiceRecord
{
    std::array<QVariant, kServiceFieldCount> values;

    const QVariant& value(ServiceField f) const { return values[size_t(f)]; }
    void setValue(ServiceField f, const QVariant& v) { values[size_t(f)] = v; }

    qint32 nr() const { return value(ServiceField::Nr).toInt(); }
    QString text(ServiceField f) const { return value(f).toString(); }
    bool boolean(ServiceField f) const { return value(f).toBool(); }
    int integer(ServiceField f) const { return value(f).toInt(); }
    // Dates are TDateTime values; 0 counts as no date, as it always has.
    std::optional<double> date(ServiceField f) const;
};

// The table definitions of the service database and the checks that a file holds them.
namespace ServiceSchema {

enum class Kind { AutoIncrement, String, SmallInt, Integer, Boolean, DateTime };

struct FieldDef
{
    ServiceField field;
    const char* name;
    Kind kind;
    int length; // strings only: the most characters the field holds
};

const std::array<FieldDef, kServiceFieldCount>& fields();
const FieldDef& field(ServiceField f);
QString fieldName(ServiceField f);
// The field with that name, compared without regard to case.
std::optional<ServiceField> fieldByName(const QString& name);

// Owner-number column of dbc and dbd (index "EngineID").
inline constexpr char kOwnerField[] = "EngineID";

// Creates dba, dbc, dbd and their indexes in an empty database. Throws SdError.
void createTables(QSqlDatabase& db);
// For the tools that build a database (never used by the program itself, which adds no
// rows). Throws SdError.
void insertService(QSqlDatabase& db, const TServiceRecord& record);
void insertCategoryPair(QSqlDatabase& db, qint32 owner, qint32 categoryNumber,
                        const QString& valueInEngine);
void insertFieldPair(QSqlDatabase& db, qint32 owner, const QString& fieldNameInEngine,
                     qint32 detailNumber);

// Empty when db holds the three tables with every field; else what is missing.
QString checkTables(QSqlDatabase& db);

// Checks a record against the field types and lengths; empty when it fits.
QString checkRecord(const TServiceRecord& record);

} // namespace ServiceSchema
