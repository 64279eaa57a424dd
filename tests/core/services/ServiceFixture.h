#pragma once

#include "core/services/ServiceSchema.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

class QSqlDatabase;

// Small service databases for tests, written into DATEN of a program folder.
namespace ServiceFixture {

struct Service
{
    qint32 nr;
    QString name;
    QString kategorie;
    QVariant nurManuell;
    QVariant ausgewaehlt;
    QVariant bewertung;
    QVariant codeFuerFlagge;
    QVariant zuletztRegistriert; // TDateTime or null
    QString land;
};

TServiceRecord record(const Service& s);

// Alpha..Zeta: six services with a spread of kinds, lists, ticks, ratings and dates.
QList<Service> standard();

// Creates programFolder/DATEN/services.db with the services; returns its path.
QString create(const QString& programFolder, const QList<Service>& services);
// The same with whole rows, and more rows (dbc, dbd) written by extra when given.
QString createRecords(const QString& programFolder, const QList<TServiceRecord>& records,
                      const std::function<void(QSqlDatabase&)>& extra = {});
// count generated services numbered 1..count.
QString createGenerated(const QString& programFolder, int count);

// The rows UPDATE statements touched since the last call (the database must not be
// open elsewhere); clears the record.
QList<int> writtenRows(const QString& databasePath);

double day(int y, int m, int d, int hour = 0, int minute = 0);

} // namespace ServiceFixture
