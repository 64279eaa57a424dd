// Builds the default search-service database from the readable source in data/:
//   sendora-build-services <data folder> <output file>
// services.csv holds one row per service (a column per dba field, named like it; fields
// without a column stay empty), fields.csv and categories.csv the detail pairs by
// service number. The file is written under a temporary name and renamed at the end, so
// a failed build never leaves a half-written database.

#include "core/platform/SdError.h"
#include "core/services/ServiceSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>

#include <cstdio>

namespace {

struct Csv
{
    QStringList header;
    QList<QStringList> rows;
    QList<int> lines; // line number of each row, for messages
};

[[noreturn]] void fail(const QString& text)
{
    throw SdError(text);
}

Csv readCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QString text = QString::fromUtf8(file.readAll());
    Csv csv;
    QStringList record;
    QString cell;
    bool quoted = false;
    bool any = false;
    int line = 1;
    int recordLine = 1;
    const auto endRecord = [&] {
        record << cell;
        cell.clear();
        if (!(record.size() == 1 && record.first().isEmpty() && !any)) {
            if (csv.header.isEmpty()) {
                csv.header = record;
            } else {
                if (record.size() != csv.header.size())
                    fail(QStringLiteral("%1:%2: %3 columns, the header has %4")
                             .arg(path)
                             .arg(recordLine)
                             .arg(record.size())
                             .arg(csv.header.size()));
                csv.rows << record;
                csv.lines << recordLine;
            }
        }
        record.clear();
        any = false;
        recordLine = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == u'"') {
            quoted = true;
            any = true;
        } else if (c == u',') {
            record << cell;
            cell.clear();
            any = true;
        } else if (c == u'\r') {
            continue;
        } else if (c == u'\n') {
            ++line;
            endRecord();
        } else {
            cell += c;
            any = true;
        }
    }
    if (quoted)
        fail(QStringLiteral("%1: a quoted value is not closed").arg(path));
    if (!cell.isEmpty() || !record.isEmpty())
        endRecord();
    return csv;
}

int columnOf(const Csv& csv, const char* name, const QString& path)
{
    const int i = int(csv.header.indexOf(QLatin1String(name)));
    if (i < 0)
        fail(QStringLiteral("%1: no column %2").arg(path, QLatin1String(name)));
    return i;
}

int integer(const QString& text, const QString& where)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        fail(QStringLiteral("%1: \"%2\" is not a number").arg(where, text));
    return v;
}

void build(const QString& dataFolder, const QString& output)
{
    const QDir data(dataFolder);
    const QString servicesPath = data.filePath(QStringLiteral("services.csv"));
    const Csv services = readCsv(servicesPath);
    QList<std::optional<ServiceField>> columns;
    for (const QString& name : services.header) {
        const auto field = ServiceSchema::fieldByName(name.trimmed());
        if (!field)
            fail(QStringLiteral("%1: the column %2 is no field of dba").arg(servicesPath, name));
        columns << field;
    }
    if (!columns.contains(ServiceField::Nr) || !columns.contains(ServiceField::Name))
        fail(QStringLiteral("%1: the columns Nr and Name are required").arg(servicesPath));

    QList<TServiceRecord> records;
    QSet<int> numbers;
    QSet<QString> names;
    for (int r = 0; r < services.rows.size(); ++r) {
        const QString where = QStringLiteral("%1:%2").arg(servicesPath).arg(services.lines[r]);
        TServiceRecord record;
        for (int c = 0; c < columns.size(); ++c) {
            const QString cell = services.rows[r][c];
            if (cell.isEmpty())
                continue;
            const auto kind = ServiceSchema::field(*columns[c]).kind;
            if (kind == ServiceSchema::Kind::String)
                record.setValue(*columns[c], cell);
            else if (kind == ServiceSchema::Kind::DateTime)
                record.setValue(*columns[c], cell.toDouble());
            else
                record.setValue(*columns[c], integer(cell, where));
        }
        const QString problems = ServiceSchema::checkRecord(record);
        if (!problems.isEmpty())
            fail(where + QStringLiteral(": ") + problems);
        if (record.nr() <= 0 || numbers.contains(record.nr()))
            fail(where + QStringLiteral(": Nr must be a positive number used once"));
        const QString name = record.text(ServiceField::Name).trimmed();
        if (name.isEmpty() || names.contains(name.toLower()))
            fail(where + QStringLiteral(": Name must be given and used once"));
        const QString kind = record.text(ServiceField::Kategorie);
        if (!kind.isEmpty() && kind != u'S' && kind != u'V' && kind != u'A')
            fail(where + QStringLiteral(": Kategorie must be S, V or A"));
        const QString method = record.text(ServiceField::Methode).toUpper();
        if (!method.isEmpty() && method != u'G' && method != u'P')
            fail(where + QStringLiteral(": Methode must be G or P"));
        const int rating = record.integer(ServiceField::Bewertung);
        if (rating < 0 || rating > 4)
            fail(where + QStringLiteral(": Bewertung must be 0 to 4"));
        const int flag = record.integer(ServiceField::CodeFuerFlagge);
        if (flag < 0 || flag > 54)
            fail(where + QStringLiteral(": CodeFuerFlagge must be 0 to 54"));
        numbers.insert(record.nr());
        names.insert(name.toLower());
        records << record;
    }

    const QString fieldsPath = data.filePath(QStringLiteral("fields.csv"));
    const Csv fields = readCsv(fieldsPath);
    const QString categoriesPath = data.filePath(QStringLiteral("categories.csv"));
    const Csv categories = readCsv(categoriesPath);

    const QString temporary = output + QStringLiteral(".part");
    QFile::remove(temporary);
    QDir().mkpath(QFileInfo(output).path());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("build"));
        db.setDatabaseName(temporary);
        if (!db.open())
            fail(db.lastError().text());
        db.transaction();
        ServiceSchema::createTables(db);
        for (const TServiceRecord& record : std::as_const(records))
            ServiceSchema::insertService(db, record);
        {
            const int nr = columnOf(fields, "Nr", fieldsPath);
            const int name = columnOf(fields, "feldnameinengine", fieldsPath);
            const int number = columnOf(fields, "feldnrinvelkar", fieldsPath);
            for (int r = 0; r < fields.rows.size(); ++r) {
                const QString where = QStringLiteral("%1:%2").arg(fieldsPath).arg(fields.lines[r]);
                const int owner = integer(fields.rows[r][nr], where);
                const int detail = integer(fields.rows[r][number], where);
                if (!numbers.contains(owner))
                    fail(where + QStringLiteral(": no service has the number %1").arg(owner));
                if (detail < 0 || detail > 46)
                    fail(where + QStringLiteral(": feldnrinvelkar must be 0 to 46"));
                if (!fields.rows[r][name].contains(u';'))
                    fail(where + QStringLiteral(": feldnameinengine must end in \";\""));
                ServiceSchema::insertFieldPair(db, owner, fields.rows[r][name], detail);
            }
        }
        {
            const int nr = columnOf(categories, "Nr", categoriesPath);
            const int number = columnOf(categories, "kategorienrinvelkar", categoriesPath);
            const int value = columnOf(categories, "kategorieinengine", categoriesPath);
            for (int r = 0; r < categories.rows.size(); ++r) {
                const QString where
                    = QStringLiteral("%1:%2").arg(categoriesPath).arg(categories.lines[r]);
                const int owner = integer(categories.rows[r][nr], where);
                if (!numbers.contains(owner))
                    fail(where + QStringLiteral(": no service has the number %1").arg(owner));
                ServiceSchema::insertCategoryPair(db, owner, integer(categories.rows[r][number], where),
                                                  categories.rows[r][value]);
            }
        }
        if (!db.commit())
            fail(db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("build"));
    QFile::remove(output);
    if (!QFile::rename(temporary, output))
        fail(QStringLiteral("cannot rename %1 to %2").arg(temporary, output));
    std::printf("%s: %d services\n", qPrintable(output), int(records.size()));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: %s <data folder> <output file>\n", argv[0]);
        return 2;
    }
    try {
        build(args.at(1), args.at(2));
    } catch (const SdError& e) {
        std::fprintf(stderr, "sendora-build-services: %s\n", e.what());
        QFile::remove(args.at(2) + QStringLiteral(".part"));
        return 1;
    }
    return 0;
}
