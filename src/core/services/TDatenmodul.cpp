#include "core/services/TDatenmodul.h"

#include "core/platform/Messages.h"
#include "core/platform/TDateTime.h"
#include "core/project/TSDAnmeldeStatus.h"
#include "core/platform/Platform.h"
#include "core/platform/SdError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

using F = ServiceField;

namespace {

constexpr int kErrorOpen = 12911;

std::atomic<int> g_connectionCounter {0};

QString column(ServiceField f)
{
    return QLatin1Char('"') + ServiceSchema::fieldName(f) + QLatin1Char('"');
}

void execOrThrow(QSqlQuery& q)
{
    if (!q.exec())
        throw SdError(q.lastError().text());
}

void execOrThrow(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        throw SdError(q.lastError().text());
}

struct IndexDef
{
    const char* name;
    const char* orderBy;
};

const IndexDef kIndexes[] = {
    {"Sequential Access Index", "rowid"},
    {"FF$PRIMARY", "\"Nr\""},
    {"IdxName", "\"Name\" COLLATE NOCASE, \"Nr\""},
    {"IdxBewertung", "\"Bewertung\", \"Nr\""},
    {"IdxKategorie", "\"Kategorie\", \"Nr\""},
    {"IdxLand", "\"Land\", \"Nr\""},
};

const IndexDef* findIndex(const QString& name)
{
    if (name.isEmpty())
        return &kIndexes[0];
    for (const IndexDef& def : kIndexes) {
        if (name.compare(QLatin1String(def.name), Qt::CaseInsensitive) == 0)
            return &def;
    }
    return nullptr;
}

} // namespace

QStringList TDatenmodul::indexNames()
{
    QStringList names;
    for (const IndexDef& def : kIndexes)
        names << QLatin1String(def.name);
    return names;
}

TDatenmodul::TDatenmodul(QObject* parent)
    : QObject(parent)
    , m_connectionName(QStringLiteral("MyDatabase-%1").arg(++g_connectionCounter))
    , m_locale(QLocale())
    , m_indexName(sequentialIndex())
{
}

TDatenmodul::~TDatenmodul()
{
    closeDatabase();
}

QString TDatenmodul::databasePath() const
{
    return m_programFolder + QStringLiteral("DATEN/") + databaseFileName();
}

bool TDatenmodul::DataModuleCreate(const QString& programFolder)
{
    m_ready = false;
    m_programFolder = programFolder;
    if (!m_programFolder.isEmpty() && !m_programFolder.endsWith(u'/'))
        m_programFolder += u'/';
    // The alias list of the old table store could point the database elsewhere; the
    // database here is always DATEN/services.db, and a leftover list is removed.
    const QString alias = m_programFolder + QStringLiteral("ffsalias.ff2");
    if (QFileInfo::exists(alias))
        QFile::remove(alias);

    bool opened = openDatabase();
    if (opened) {
        try {
            refreshView();
        } catch (const SdError& e) {
            m_openError = e.text();
            closeDatabase();
            opened = false;
        }
    }
    if (!opened) {
        Platform::messages().error(
            tr("Error no. %1\r\rPossible causes for this error: \r"
               "   - Application has not been closed properly.\r"
               "   - Database files have been deleted or damaged.\r"
               "   - Incorrect installation.\r\r"
               "Restart your computer and then restart %2.\r"
               "If this error persists, please contact our technical support!\r\r"
               "This application is now being terminated!",
               "IDS_DatenbankFehler")
                .arg(kErrorOpen)
                .arg(QStringLiteral("Sendora! Special Edition")));
        return false;
    }
    m_ready = true;
    return true;
}

bool TDatenmodul::openDatabase()
{
    m_openError.clear();
    const QString path = databasePath();
    // SQLite would create a missing file; a missing database is an error here.
    if (!QFileInfo(path).isFile()) {
        m_openError = QStringLiteral("%1 does not exist").arg(QDir::toNativeSeparators(path));
        return false;
    }
    {
        // SQLite takes an empty file for a new database and writes into it on the first
        // lock; anything without the header of a database file is refused unopened.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.read(16) != QByteArray("SQLite format 3", 16)) {
            m_openError = QStringLiteral("%1 is not a database").arg(QDir::toNativeSeparators(path));
            return false;
        }
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kLockTimeoutMs));
    try {
        if (!m_db.open())
            throw SdError(m_db.lastError().text());
        QSqlQuery q(m_db);
        // Exclusive mode keeps the lock taken below until the connection closes: a
        // second process waits for the busy time-out and then fails.
        execOrThrow(q, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
        execOrThrow(q, QStringLiteral("BEGIN EXCLUSIVE"));
        const QString missing = ServiceSchema::checkTables(m_db);
        execOrThrow(q, QStringLiteral("COMMIT"));
        if (!missing.isEmpty())
            throw SdError(QStringLiteral("missing: ") + missing);
        // Only now that the file is known to be ours: a write-ahead log makes a bulk
        // change one sequential write, and with it NORMAL syncing cannot corrupt the
        // file (a power cut loses at most the last change). Exclusive mode needs no
        // shared-memory file; closing folds the log back into the database.
        execOrThrow(q, QStringLiteral("PRAGMA journal_mode = WAL"));
        execOrThrow(q, QStringLiteral("PRAGMA synchronous = NORMAL"));
        loadRows();
    } catch (const SdError& e) {
        m_openError = e.text();
        closeDatabase();
        return false;
    }
    return true;
}

void TDatenmodul::closeDatabase()
{
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

void TDatenmodul::loadRows()
{
    QStringList columns;
    for (const auto& def : ServiceSchema::fields())
        columns << column(def.field);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    execOrThrow(q, QStringLiteral("SELECT ") + columns.join(u',') + QStringLiteral(" FROM dba ORDER BY rowid"));
    std::vector<TServiceRecord> rows;
    while (q.next()) {
        TServiceRecord r;
        for (int i = 0; i < kServiceFieldCount; ++i)
            r.values[size_t(i)] = q.value(i);
        rows.push_back(std::move(r));
    }
    m_rows = std::move(rows);
    m_positionByNr.clear();
    m_positionByName.clear();
    for (int i = 0; i < int(m_rows.size()); ++i) {
        m_positionByNr.insert(m_rows[size_t(i)].nr(), i);
        m_positionByName.insert(m_rows[size_t(i)].text(F::Name).toLower(), i);
    }
}

// --- view state ------------------------------------------------------------------------

QString TDatenmodul::viewFilterText(int mode, int flags, const QString& userExpression)
{
    QString a;
    if (mode == 1)
        a = QStringLiteral("(NurManuell <> 'True')");
    else if (mode == 2)
        a = QStringLiteral("(NurManuell = 'True')");
    const QString b = (flags & OnlyTicked) ? QStringLiteral("(Ausgewaehlt = 'True')") : QString();
    const QString c = (flags & UserFilter) ? userExpression : QString();
    QString result;
    for (const QString& part : {a, b, c}) {
        if (part.trimmed().isEmpty())
            continue;
        result = result.isEmpty() ? part : u'(' + result + QStringLiteral(" AND ") + part + u')';
    }
    return result;
}

void TDatenmodul::SetSubmissionMode(int mode)
{
    m_submissionMode = mode;
    ApplyViewFilter();
}

void TDatenmodul::SetViewFlags(int flags)
{
    m_viewFlags = flags & (OnlyTicked | UserFilter);
    ApplyViewFilter();
}

void TDatenmodul::ApplyViewFilter()
{
    applyFilterText(viewFilterText(m_submissionMode, m_viewFlags, m_userFilterExpression));
}

void TDatenmodul::applyFilterText(const QString& text)
{
    // Parsed first: a rejected expression leaves the view as it was.
    FilterExpression::Sql sql = FilterExpression::toSql(text, m_locale);
    PostPendingEdit();
    m_filterText = text;
    m_filterSql = std::move(sql);
    refreshView();
}

QString TDatenmodul::orderBy(const QString& index) const
{
    const IndexDef* def = findIndex(index);
    return QLatin1String(def ? def->orderBy : kIndexes[0].orderBy);
}

void TDatenmodul::refreshView()
{
    const qint32 bookmark = currentRecord() ? currentRecord()->nr() : 0;
    Q_EMIT viewAboutToBeReset();
    m_view.clear();
    m_viewRowOfPosition.fill(-1, qsizetype(m_rows.size()));
    const QList<qint32> numbers = numbersInOrder(m_indexName, true);
    m_view.reserve(numbers.size());
    for (qint32 nr : numbers) {
        const int position = m_positionByNr.value(nr, -1);
        if (position < 0)
            continue;
        m_viewRowOfPosition[position] = int(m_view.size());
        m_view.append(position);
    }
    m_current = m_view.isEmpty() ? -1 : 0;
    if (bookmark) {
        const int row = viewRowOf(bookmark);
        if (row >= 0)
            m_current = row;
    }
    Q_EMIT viewReset();
    emitCurrentChanged();
}

// --- navigation --------------------------------------------------------------------------

const TServiceRecord* TDatenmodul::currentRecord() const
{
    if (m_current < 0 || m_current >= rowCount())
        return nullptr;
    return &viewRecord(m_current);
}

void TDatenmodul::setCurrentRow(int row)
{
    if (rowCount() == 0)
        return;
    row = qBound(0, row, rowCount() - 1);
    if (row == m_current)
        return;
    PostPendingEdit();
    m_current = row;
    emitCurrentChanged();
}

void TDatenmodul::First()
{
    setCurrentRow(0);
}

void TDatenmodul::Prior()
{
    setCurrentRow(m_current - 1);
}

void TDatenmodul::Next()
{
    setCurrentRow(m_current + 1);
}

void TDatenmodul::Last()
{
    setCurrentRow(rowCount() - 1);
}

void TDatenmodul::emitCurrentChanged()
{
    Q_EMIT currentRowChanged(m_current);
}

bool TDatenmodul::setIndexName(const QString& name)
{
    const IndexDef* def = findIndex(name);
    if (!def)
        return false;
    PostPendingEdit();
    m_indexName = QLatin1String(def->name);
    refreshView();
    return true;
}

const TServiceRecord* TDatenmodul::recordByNr(qint32 nr) const
{
    const int position = m_positionByNr.value(nr, -1);
    return position < 0 ? nullptr : &m_rows[size_t(position)];
}

const TServiceRecord* TDatenmodul::recordByName(const QString& name) const
{
    const int position = m_positionByName.value(name.toLower(), -1);
    return position < 0 ? nullptr : &m_rows[size_t(position)];
}

int TDatenmodul::viewRowOf(qint32 nr) const
{
    const int position = m_positionByNr.value(nr, -1);
    return position < 0 || position >= m_viewRowOfPosition.size() ? -1
                                                                   : m_viewRowOfPosition[position];
}

bool TDatenmodul::locate(qint32 nr)
{
    const int row = viewRowOf(nr);
    if (row < 0)
        return false;
    setCurrentRow(row);
    return true;
}

TDatenmodul::ViewState TDatenmodul::viewState() const
{
    const TServiceRecord* record = currentRecord();
    return {m_indexName, m_filterText, record ? record->nr() : 0};
}

void TDatenmodul::showWholeTable(const QString& index)
{
    const IndexDef* def = findIndex(index);
    if (!def)
        throw SdError(QStringLiteral("Unknown index %1").arg(index));
    PostPendingEdit();
    m_indexName = QLatin1String(def->name);
    applyFilterText(QString());
}

void TDatenmodul::restoreViewState(const ViewState& state)
{
    PostPendingEdit();
    if (const IndexDef* def = findIndex(state.indexName))
        m_indexName = QLatin1String(def->name);
    applyFilterText(state.filterText);
    if (state.currentNr)
        locate(state.currentNr);
}

QList<qint32> TDatenmodul::numbersInOrder(const QString& index, bool filtered) const
{
    QList<qint32> numbers;
    if (!m_db.isOpen())
        return numbers;
    QString sql = QStringLiteral("SELECT Nr FROM dba");
    if (filtered && !m_filterSql.where.isEmpty())
        sql += QStringLiteral(" WHERE ") + m_filterSql.where;
    sql += QStringLiteral(" ORDER BY ") + orderBy(index);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(sql);
    if (filtered) {
        for (const QVariant& v : m_filterSql.values)
            q.addBindValue(v);
    }
    execOrThrow(q);
    while (q.next())
        numbers << q.value(0).toInt();
    return numbers;
}

// --- editing -------------------------------------------------------------------------------

bool TDatenmodul::isEditable(ServiceField field)
{
    return field == F::Ausgewaehlt || field == F::ZuletztRegistriert || field == F::NurManuell;
}

void TDatenmodul::Edit()
{
    const TServiceRecord* record = currentRecord();
    if (!record)
        throw SdError(tr("There is no search service to edit.", "IDS_KeinDatensatz"));
    if (m_editing)
        return;
    m_editBuffer = *record;
    m_editing = true;
}

void TDatenmodul::setFieldValue(ServiceField field, const QVariant& value)
{
    if (!m_editing)
        Edit();
    if (!isEditable(field))
        throw SdError(tr("The field %1 of a search service cannot be changed.", "IDS_NurLesen")
                          .arg(ServiceSchema::fieldName(field)));
    QVariant stored = value;
    if (!value.isNull()) {
        if (ServiceSchema::field(field).kind == ServiceSchema::Kind::Boolean)
            stored = value.toBool() ? 1 : 0;
        else
            stored = value.toDouble();
    }
    m_editBuffer.setValue(field, stored);
}

void TDatenmodul::Post()
{
    if (!m_editing)
        return;
    const int position = m_view[m_current];
    TServiceRecord& row = m_rows[size_t(position)];
    QStringList sets;
    QVariantList values;
    for (ServiceField f : {F::NurManuell, F::Ausgewaehlt, F::ZuletztRegistriert}) {
        const QVariant& before = row.value(f);
        const QVariant& after = m_editBuffer.value(f);
        if (before.isNull() == after.isNull() && (before.isNull() || before.toDouble() == after.toDouble()))
            continue;
        sets << column(f) + QStringLiteral(" = ?");
        values << after;
    }
    if (!sets.isEmpty()) {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("UPDATE dba SET ") + sets.join(QStringLiteral(", "))
                  + QStringLiteral(" WHERE Nr = ?"));
        for (const QVariant& v : values)
            q.addBindValue(v);
        q.addBindValue(row.nr());
        execOrThrow(q);
        row = m_editBuffer;
    }
    m_editing = false;
    if (!sets.isEmpty())
        Q_EMIT rowChanged(m_current);
}

void TDatenmodul::Cancel()
{
    m_editing = false;
}

void TDatenmodul::PostPendingEdit()
{
    if (m_editing)
        Post();
}

void TDatenmodul::setRowValue(int row, ServiceField field, const QVariant& value)
{
    setCurrentRow(row);
    setFieldValue(field, value);
    Post();
}

void TDatenmodul::ffHauptTabelleNewRecord()
{
    throw SdError(tr("Non-critical error! Error no. %1", "IDS_NeuerDatensatz").arg(890001));
}

void TDatenmodul::ffTableFelderNewRecord()
{
    throw SdError(tr("Non-critical error! Error no. %1", "IDS_NeuerDatensatz").arg(890002));
}

void TDatenmodul::ffTableKategorienNewRecord()
{
    throw SdError(tr("Non-critical error! Error no. %1", "IDS_NeuerDatensatz").arg(890003));
}

// --- bulk operations -------------------------------------------------------------------------

void TDatenmodul::writeRows(ServiceField field, const QList<int>& positions, const QVariant& value)
{
    if (positions.isEmpty())
        return;
    QJsonArray numbers;
    for (int position : positions)
        numbers.append(m_rows[size_t(position)].nr());
    // One statement for the whole set: the numbers travel as one bound JSON array.
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE dba SET ") + column(field)
              + QStringLiteral(" = ? WHERE Nr IN (SELECT value FROM json_each(?))"));
    q.addBindValue(value);
    q.addBindValue(QString::fromUtf8(QJsonDocument(numbers).toJson(QJsonDocument::Compact)));
    execOrThrow(q);
    for (int position : positions)
        m_rows[size_t(position)].setValue(field, value);
}

void TDatenmodul::runBulk(const std::function<void()>& body)
{
    if (!m_db.isOpen())
        throw SdError(tr("The search-service database is not open.", "IDS_NichtOffen"));
    PostPendingEdit();
    m_db.transaction();
    // What was written before an error stays written.
    try {
        body();
    } catch (...) {
        m_db.commit();
        refreshView();
        throw;
    }
    m_db.commit();
    refreshView();
}

void TDatenmodul::setTickWhere(const std::function<bool(const TServiceRecord&)>& wanted,
                               bool wholeTable)
{
    runBulk([&] {
        QList<int> tick;
        QList<int> untick;
        const auto visit = [&](int position) {
            const TServiceRecord& r = m_rows[size_t(position)];
            const bool want = wanted(r);
            if (want != r.boolean(F::Ausgewaehlt) || r.value(F::Ausgewaehlt).isNull())
                (want ? tick : untick) << position;
        };
        if (wholeTable) {
            for (int i = 0; i < int(m_rows.size()); ++i)
                visit(i);
        } else {
            for (int position : std::as_const(m_view))
                visit(position);
        }
        writeRows(F::Ausgewaehlt, tick, 1);
        writeRows(F::Ausgewaehlt, untick, 0);
    });
}

void TDatenmodul::SelectAllInView()
{
    setTickWhere([](const TServiceRecord&) { return true; }, false);
}

void TDatenmodul::DeselectAllInView()
{
    setTickWhere([](const TServiceRecord&) { return false; }, false);
}

void TDatenmodul::SelectAll()
{
    setTickWhere([](const TServiceRecord&) { return true; }, true);
}

void TDatenmodul::DeselectAll()
{
    setTickWhere([](const TServiceRecord&) { return false; }, true);
}

void TDatenmodul::SelectAutomaticSearchEngines()
{
    setTickWhere(
        [](const TServiceRecord& r) {
            return r.text(F::Kategorie) == QLatin1String("S") && !r.boolean(F::NurManuell);
        },
        false);
}

void TDatenmodul::ClearAllLastSubmitted()
{
    runBulk([this] {
        QList<int> changed;
        for (int i = 0; i < int(m_rows.size()); ++i) {
            if (!m_rows[size_t(i)].value(F::ZuletztRegistriert).isNull())
                changed << i;
        }
        writeRows(F::ZuletztRegistriert, changed, QVariant());
    });
}

void TDatenmodul::SetAllLastSubmitted(double date)
{
    runBulk([this, date] {
        QList<int> changed;
        for (int i = 0; i < int(m_rows.size()); ++i) {
            const QVariant& v = m_rows[size_t(i)].value(F::ZuletztRegistriert);
            if (v.isNull() || v.toDouble() != date)
                changed << i;
        }
        writeRows(F::ZuletztRegistriert, changed, date);
    });
}

int TDatenmodul::CountAutomaticInView()
{
    PostPendingEdit();
    int count = 0;
    for (int position : std::as_const(m_view)) {
        if (!m_rows[size_t(position)].boolean(F::NurManuell))
            ++count;
    }
    Last();
    return count;
}

// --- selections ---------------------------------------------------------------------------

SelectionBlock TDatenmodul::currentSelection() const
{
    SelectionBlock block;
    const int n = qMin(int(m_rows.size()), SelectionBlock::kEntries);
    for (int i = 0; i < n; ++i) {
        block[i].nr = m_rows[size_t(i)].nr();
        block[i].tick = m_rows[size_t(i)].boolean(F::Ausgewaehlt) ? 1 : 0;
    }
    return block;
}

bool TDatenmodul::ApplySelection(const SelectionBlock& selection)
{
    bool missing = false;
    bool failed = false;
    // Later entries for the same number win, as if each were applied in turn.
    QHash<int, bool> wanted;
    QList<int> order;
    for (int i = 0; i < SelectionBlock::kEntries; ++i) {
        const SelectionBlock::Entry& e = selection[i];
        if (e.nr == 0)
            continue;
        const int position = m_positionByNr.value(e.nr, -1);
        if (position < 0) {
            missing = true;
            continue;
        }
        if (!wanted.contains(position))
            order << position;
        wanted.insert(position, e.tick == 1);
    }
    QList<int> tick;
    QList<int> untick;
    for (int position : std::as_const(order)) {
        const TServiceRecord& r = m_rows[size_t(position)];
        const bool want = wanted.value(position);
        if (want != r.boolean(F::Ausgewaehlt) || r.value(F::Ausgewaehlt).isNull())
            (want ? tick : untick) << position;
    }
    if (m_db.isOpen()) {
        PostPendingEdit();
        m_db.transaction();
        for (const auto& [positions, value] : {std::pair {&tick, 1}, std::pair {&untick, 0}}) {
            try {
                writeRows(F::Ausgewaehlt, *positions, value);
            } catch (const SdError&) {
                failed = true;
            }
        }
        m_db.commit();
        try {
            refreshView();
        } catch (const SdError&) {
            failed = true;
        }
    } else if (!tick.isEmpty() || !untick.isEmpty()) {
        failed = true;
    }

    Messages& messages = Platform::messages();
    if (missing)
        messages.warning(tr("The number of search engines has changed.\r\r"
                            "This problem can be solved as follows: \r"
                            "Save the file and load it again.\r"
                            "IMPORTANT: Save with command F i l e | S a v e   a s . . . (NOT: "
                            "File|Save)!\r\r"
                            "If this error persists, the SIT file is damaged/invalid.",
                            "IDS_AnzahlGeaendert"));
    if (failed)
        messages.error(tr("Exception error during reading", "IDS_FehlerBeimLesen"));
    return !failed;
}

QString TDatenmodul::snapshotPath() const
{
    return m_programFolder + QStringLiteral("aktuell.suc");
}

void TDatenmodul::LoadSelectionSnapshot()
{
    SelectionBlock block;
    if (!block.readFile(snapshotPath())) {
        Platform::messages().warning(
            tr("Search engine selection file not found!", "IDS_AuswahlDateiFehlt"));
        return;
    }
    if (!ApplySelection(block))
        Platform::messages().error(
            QCoreApplication::translate("Common",
                                        "Internal error: %1  - Please contact our support team "
                                        "at %2!",
                                        "IDS_InternerFehler")
                .arg(QStringLiteral("xxya11"), QStringLiteral("support@sendora.example")));
}

bool TDatenmodul::SaveSelectionSnapshot(QString* error) const
{
    return currentSelection().writeFile(snapshotPath(), error);
}

// --- the open project's submission state ----------------------------------------------------

void TDatenmodul::FillSubmissionState(TSDAnmeldeStatus& status)
{
    PostPendingEdit();
    status.Reserve(status.Count() + int(m_rows.size()));
    for (const TServiceRecord& row : m_rows) {
        TSDAnmeldeStatusItem* item = status.Add();
        item->SetText(row.text(F::Name));
        item->SetNumber(row.nr());
        const QVariant& date = row.value(F::ZuletztRegistriert);
        item->SetDate(date.isNull() ? 0.0 : date.toDouble());
    }
}

int TDatenmodul::WriteBackSubmissionState(const TSDAnmeldeStatus& status)
{
    if (!m_db.isOpen())
        throw SdError(tr("The search-service database is not open.", "IDS_NichtOffen"));
    PostPendingEdit();
    int skipped = 0;
    m_db.transaction();
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE dba SET ") + column(F::ZuletztRegistriert)
              + QStringLiteral(" = ? WHERE Nr = ?"));
    for (int i = 0; i < status.Count(); ++i) {
        const TSDAnmeldeStatusItem& item = *status.Items(i);
        if (item.Number() == 0)
            continue;
        const int position = m_positionByNr.value(item.Number(), -1);
        if (position < 0)
            continue;
        // A file can carry any bit pattern as a date; only a real date goes in the table.
        const double date = item.Date();
        if (date != 0.0 && !TDateTime::toDateTime(date).isValid()) {
            ++skipped;
            continue;
        }
        const QVariant value = date == 0.0 ? QVariant() : QVariant(date);
        q.addBindValue(value);
        q.addBindValue(item.Number());
        if (!q.exec()) {
            ++skipped;
            continue;
        }
        m_rows[size_t(position)].setValue(F::ZuletztRegistriert, value);
    }
    m_db.commit();
    refreshView();
    return skipped;
}

// --- detail tables -------------------------------------------------------------------------

QList<TDatenmodul::CategoryPair> TDatenmodul::categoryPairs(qint32 nr) const
{
    QList<CategoryPair> pairs;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT kategorienrinvelkar, kategorieinengine FROM dbc "
                             "WHERE EngineID = ? ORDER BY EngineID, Pos"));
    q.addBindValue(nr);
    execOrThrow(q);
    while (q.next())
        pairs.append({q.value(0).toInt(), q.value(1).toString()});
    return pairs;
}

QList<TDatenmodul::FieldPair> TDatenmodul::fieldPairs(qint32 nr) const
{
    QList<FieldPair> pairs;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT feldnameinengine, feldnrinvelkar FROM dbd "
                             "WHERE EngineID = ? ORDER BY EngineID, Pos"));
    q.addBindValue(nr);
    execOrThrow(q);
    while (q.next())
        pairs.append({q.value(0).toString(), q.value(1).toInt()});
    return pairs;
}

QString TDatenmodul::fieldNameOf(const QString& nameInEngine)
{
    const qsizetype semicolon = nameInEngine.indexOf(u';');
    return semicolon < 0 ? QString() : nameInEngine.left(semicolon);
}

TDetailEngine TDatenmodul::detailEngine(const TServiceRecord& record) const
{
    TDetailEngine e;
    e.Name = record.text(F::Name);
    e.Methode = record.text(F::Methode);
    e.Action = record.text(F::Action);
    e.ManuellURL = record.text(F::ManuellURL);
    e.Nr = record.nr();
    e.Ref = record.boolean(F::Ref);
    e.Parameter1 = record.text(F::Parameter1);
    for (const CategoryPair& p : categoryPairs(e.Nr)) {
        e.CategoryTexts << p.valueInEngine;
        e.CategoryNumbers << p.number;
    }
    for (const FieldPair& p : fieldPairs(e.Nr)) {
        e.FieldNames << fieldNameOf(p.nameInEngine);
        e.FieldNumbers << p.detailNumber;
    }
    return e;
}

// --- database update ------------------------------------------------------------------------

bool TDatenmodul::CloseServiceTables()
{
    try {
        PostPendingEdit();
    } catch (const SdError&) {
        m_editing = false;
    }
    Q_EMIT viewAboutToBeReset();
    closeDatabase();
    m_rows.clear();
    m_positionByNr.clear();
    m_positionByName.clear();
    m_view.clear();
    m_viewRowOfPosition.clear();
    m_current = -1;
    Q_EMIT viewReset();
    emitCurrentChanged();
    return true;
}

bool TDatenmodul::OpenServiceTables()
{
    if (m_db.isOpen())
        return true;
    if (!openDatabase())
        return false;
    try {
        refreshView();
    } catch (const SdError&) {
        // The filter is ours and was valid before; if the new tables reject it, show all.
        m_filterSql = {};
        m_filterText.clear();
        try {
            refreshView();
        } catch (const SdError& e) {
            m_openError = e.text();
            closeDatabase();
            return false;
        }
    }
    return true;
}
