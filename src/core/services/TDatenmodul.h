#pragma once

#include "core/services/FilterExpression.h"
#include "core/services/SelectionBlock.h"
#include "core/services/ServiceSchema.h"
#include "core/services/TDetailEngine.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QSqlDatabase>

#include <functional>

class TSDAnmeldeStatus;

// The search-service data module: owns the service database (one SQLite file in
// DATEN, opened exclusively), the view of dba that the selection view and the
// submission commands work on, and the bulk operations on the service rows.
//
// The rows of dba are kept in memory in table order (the store is opened exclusively,
// so nobody else changes them); the view is a list of positions into them, in the order
// of the current index. An item model can sit on viewRecord()/rowCount() and the
// signals without copying anything.
class TDatenmodul final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDatenmodul)

public:
    enum ViewFlag { OnlyTicked = 1, UserFilter = 2 };

    static constexpr int kLockTimeoutMs = 10000;
    static QString databaseFileName() { return QStringLiteral("services.db"); }

    // Index names, compared without regard to case.
    static QString primaryIndex() { return QStringLiteral("FF$PRIMARY"); }
    static QString nameIndex() { return QStringLiteral("IdxName"); }
    static QString sequentialIndex() { return QStringLiteral("Sequential Access Index"); }
    static QStringList indexNames();

    explicit TDatenmodul(QObject* parent = nullptr);
    ~TDatenmodul() override;

    // Start-up: opens DATEN/services.db below programFolder (a path with a trailing
    // "/"). When dba cannot be opened, shows the start-up error and returns false; the
    // program must then end.
    bool DataModuleCreate(const QString& programFolder);
    bool isReady() const { return m_ready; }
    QString lastOpenError() const { return m_openError; }
    QString databasePath() const;

    // The locale whose short date format the filter texts use.
    void setLocale(const QLocale& locale) { m_locale = locale; }
    QLocale locale() const { return m_locale; }

    // --- view state -----------------------------------------------------------------
    int SubmissionMode() const { return m_submissionMode; }
    int ViewFlags() const { return m_viewFlags; }
    QString UserFilterExpression() const { return m_userFilterExpression; }
    void setUserFilterExpression(const QString& expression) { m_userFilterExpression = expression; }
    // These apply the filter at once and throw SdError for an expression the filter
    // language rejects; the view then keeps its previous filter.
    void SetSubmissionMode(int mode);
    void SetViewFlags(int flags);
    void ApplyViewFilter();
    QString filterText() const { return m_filterText; }

    static QString viewFilterText(int mode, int flags, const QString& userExpression);

    // --- the current view -------------------------------------------------------------
    int rowCount() const { return int(m_view.size()); }
    const TServiceRecord& viewRecord(int row) const { return m_rows[size_t(m_view[row])]; }
    int currentRow() const { return m_current; }
    const TServiceRecord* currentRecord() const;
    void setCurrentRow(int row);
    void First();
    void Prior();
    void Next();
    void Last();
    bool isBof() const { return m_current <= 0; }
    bool isEof() const { return m_current < 0 || m_current >= rowCount() - 1; }

    QString indexName() const { return m_indexName; }
    // Changes the sort order; false (nothing changed) for an unknown index.
    bool setIndexName(const QString& name);

    // Look-ups over the whole table, whatever the view shows.
    const TServiceRecord* recordByNr(qint32 nr) const;
    const TServiceRecord* recordByName(const QString& name) const;
    int tableRowCount() const { return int(m_rows.size()); }
    const TServiceRecord& tableRecord(int position) const { return m_rows[size_t(position)]; }
    // The row of the view that shows service nr, -1 when none does.
    int viewRowOf(qint32 nr) const;
    // Moves to service nr within the view; false when the view does not show it.
    bool locate(qint32 nr);

    // The index, the filter and the current row of the view, to be put back after work
    // that needs the whole table in another order.
    struct ViewState
    {
        QString indexName;
        QString filterText;
        qint32 currentNr = 0;
    };
    ViewState viewState() const;
    // Shows every row, in the order of index (the mode and flags are kept, so
    // restoreViewState or ApplyViewFilter brings their filter back). Throws SdError.
    void showWholeTable(const QString& index);
    // Throws SdError when the view cannot be rebuilt.
    void restoreViewState(const ViewState& state);

    // Numbers of the services in the order of index; of the whole table, or of the rows
    // that the current filter lets through.
    QList<qint32> numbersInOrder(const QString& index, bool filtered) const;

    // --- editing the current row ------------------------------------------------------
    // Only Ausgewaehlt, ZuletztRegistriert and NurManuell can be edited.
    static bool isEditable(ServiceField field);
    void Edit();
    bool isEditing() const { return m_editing; }
    void setFieldValue(ServiceField field, const QVariant& value);
    void Post();
    void Cancel();
    void PostPendingEdit();
    // Edits and posts one field of a view row at once (the grid's tick).
    void setRowValue(int row, ServiceField field, const QVariant& value);

    // New rows are refused ("Non-critical error! Error no. 890001/890002/890003").
    void ffHauptTabelleNewRecord();
    void ffTableFelderNewRecord();
    void ffTableKategorienNewRecord();

    // --- bulk operations: one transaction each, only changed rows written -------------
    void SelectAllInView();
    void DeselectAllInView();
    void SelectAll();
    void DeselectAll();
    void SelectAutomaticSearchEngines();
    void ClearAllLastSubmitted();
    void SetAllLastSubmitted(double date);
    int CountAutomaticInView();

    // --- selections ------------------------------------------------------------------
    // The first 700 rows in table order with their ticks.
    SelectionBlock currentSelection() const;
    bool ApplySelection(const SelectionBlock& selection);
    // Applies "aktuell.suc" of the program folder.
    void LoadSelectionSnapshot();
    // Writes the current selection to "aktuell.suc".
    bool SaveSelectionSnapshot(QString* error = nullptr) const;
    QString snapshotPath() const;

    // --- the open project's submission state ------------------------------------------
    // Appends one item per service row, in table order and whatever the view shows:
    // Text = Name, Number = Nr, Date = ZuletztRegistriert (0 when empty).
    void FillSubmissionState(TSDAnmeldeStatus& status);
    // Sets ZuletztRegistriert of the service of every item whose Number is not 0 to the
    // item's date, or to empty for date 0, in one transaction. Items naming no service
    // are passed over; an item that cannot be written (a date no calendar holds, a
    // failing write) is skipped. Returns the number of skipped items.
    int WriteBackSubmissionState(const TSDAnmeldeStatus& status);

    // --- detail tables -----------------------------------------------------------------
    struct CategoryPair
    {
        qint32 number;
        QString valueInEngine;
    };
    struct FieldPair
    {
        QString nameInEngine; // as stored, with ";" and what follows
        qint32 detailNumber;
    };
    QList<CategoryPair> categoryPairs(qint32 nr) const;
    QList<FieldPair> fieldPairs(qint32 nr) const;
    // The text up to the first ";"; empty when there is none.
    static QString fieldNameOf(const QString& nameInEngine);
    TDetailEngine detailEngine(const TServiceRecord& record) const;

    // --- database update ---------------------------------------------------------------
    bool CloseServiceTables();
    bool OpenServiceTables();
    bool isOpen() const { return m_db.isOpen(); }

Q_SIGNALS:
    void viewAboutToBeReset();
    void viewReset();
    void rowChanged(int row);
    void currentRowChanged(int row);

private:
    bool openDatabase();
    void closeDatabase();
    void loadRows();
    void refreshView();
    void applyFilterText(const QString& text);
    QString orderBy(const QString& index) const;
    void writeRows(ServiceField field, const QList<int>& positions, const QVariant& value);
    void runBulk(const std::function<void()>& body);
    void setTickWhere(const std::function<bool(const TServiceRecord&)>& wanted, bool wholeTable);
    void emitCurrentChanged();

    QString m_programFolder;
    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_ready = false;
    QString m_openError;
    QLocale m_locale;

    int m_submissionMode = 0;
    int m_viewFlags = 0;
    QString m_userFilterExpression;
    QString m_filterText;
    FilterExpression::Sql m_filterSql;
    QString m_indexName;

    std::vector<TServiceRecord> m_rows;  // table order
    QHash<qint32, int> m_positionByNr;
    QHash<QString, int> m_positionByName; // lower-case names
    QList<int> m_view;                   // positions into m_rows
    QList<int> m_viewRowOfPosition;      // -1 where the view does not show the row
    int m_current = -1;

    bool m_editing = false;
    TServiceRecord m_editBuffer;
};
