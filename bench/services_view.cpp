// The service view on a generated database of 10,000 services: filter, sort order, tick
// all, apply a selection, count the automatic rows. Prints "name value unit" lines.

#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/TDateTime.h"
#include "core/services/FilterCriteria.h"
#include "core/services/ServiceSchema.h"
#include "core/services/TDatenmodul.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kServices = 10000;
constexpr int kRepeats = 7;

void generate(const QString& folder)
{
    QDir().mkpath(folder + QStringLiteral("DATEN"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("gen"));
        db.setDatabaseName(folder + QStringLiteral("DATEN/") + TDatenmodul::databaseFileName());
        if (!db.open())
            qFatal("%s", qPrintable(db.lastError().text()));
        db.transaction();
        ServiceSchema::createTables(db);
        static const char* kinds[] = {"S", "V", "A"};
        for (int i = 1; i <= kServices; ++i) {
            using F = ServiceField;
            TServiceRecord r;
            r.setValue(F::Nr, i);
            r.setValue(F::Name, QStringLiteral("Service %1").arg((i * 7919) % 100003, 6, 10, QLatin1Char('0')));
            r.setValue(F::Kategorie, QLatin1String(kinds[i % 3]));
            r.setValue(F::NurManuell, i % 4 == 0 ? 1 : 0);
            r.setValue(F::Ausgewaehlt, i % 5 == 0 ? 1 : 0);
            r.setValue(F::Bewertung, i % 5);
            r.setValue(F::CodeFuerFlagge, 1 + i % 54);
            r.setValue(F::Land, QStringLiteral("DE"));
            r.setValue(F::URL, QStringLiteral("https://service%1.test/").arg(i));
            r.setValue(F::Status, 0);
            if (i % 2)
                r.setValue(F::ZuletztRegistriert, TDateTime::fromDate(QDate(2024, 1 + i % 12, 1 + i % 28)));
            ServiceSchema::insertService(db, r);
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("gen"));
}

// The median of several runs, in milliseconds.
double measure(const std::function<void(int)>& body)
{
    std::vector<double> times;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer t;
        t.start();
        body(i);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void print(const char* name, double ms)
{
    std::printf("%s %.2f ms\n", name, ms);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    StderrMessages messages;
    Platform::setMessages(&messages);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    generate(folder);

    TDatenmodul data;
    data.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    QElapsedTimer open;
    open.start();
    if (!data.DataModuleCreate(folder))
        return 1;
    print("services_view.open_10000", open.nsecsElapsed() / 1e6);

    const QString expression = FilterCriteria::expression(
        FilterCriteria::Directories | FilterCriteria::SpiderEngines | FilterCriteria::Top100
            | FilterCriteria::SubmittedBefore,
        QDate(2024, 6, 1), QString(), data.locale());
    print("services_view.apply_filter", measure([&](int i) {
              data.setUserFilterExpression(i % 2 ? expression : QString());
              data.SetViewFlags(TDatenmodul::UserFilter);
          }));
    data.setUserFilterExpression(QString());
    data.SetViewFlags(0);
    print("services_view.set_mode", measure([&](int i) { data.SetSubmissionMode(1 + i % 2); }));
    data.SetSubmissionMode(0);
    const QStringList orders {TDatenmodul::nameIndex(), QStringLiteral("IdxBewertung"),
                              QStringLiteral("IdxLand"), TDatenmodul::primaryIndex()};
    print("services_view.change_sort_order",
          measure([&](int i) { data.setIndexName(orders[i % orders.size()]); }));
    print("services_view.select_all", measure([&](int i) {
              if (i % 2)
                  data.DeselectAll();
              else
                  data.SelectAll();
          }));
    print("services_view.select_all_in_view", measure([&](int i) {
              if (i % 2)
                  data.DeselectAllInView();
              else
                  data.SelectAllInView();
          }));
    SelectionBlock alternate;
    for (int i = 0; i < SelectionBlock::kEntries; ++i)
        alternate[i] = {i + 1, std::uint8_t(i % 2)};
    const SelectionBlock original = data.currentSelection();
    print("services_view.apply_selection",
          measure([&](int i) { data.ApplySelection(i % 2 ? original : alternate); }));
    int automatic = 0;
    print("services_view.count_automatic_in_view",
          measure([&](int) { automatic = data.CountAutomaticInView(); }));
    std::printf("services_view.automatic_rows %d count\n", automatic);
    Platform::setMessages(nullptr);
    return 0;
}
