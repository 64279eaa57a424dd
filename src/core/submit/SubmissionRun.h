#pragma once

#include "core/submit/SubmissionJob.h"

#include <QObject>
#include <QString>

class QEventLoop;
class TDatenmodul;
class TRegistryEintraege;
class TSdProjectData;
class TStatusbericht;
class TStatusberichtItem;
class TvtPostIt;

// One automatic submission from the ticked services to the dated report, without any
// window: the selection snapshot, the services and jobs, the poster run with every
// result recorded in the project's report and in the current-run report, the formatted
// report, the ticks put back and the last-registered dates. The progress window and a
// command-line front end drive the same steps. User-interface thread only; Run keeps
// the event loop going while the poster works.
class SubmissionRun final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SubmissionRun)

public:
    SubmissionRun(TSdProjectData& project, TDatenmodul& data, TRegistryEintraege& settings,
                  TStatusbericht& currentRunReport, QString programFolder,
                  QObject* parent = nullptr);
    ~SubmissionRun() override;

    // The poster's connection, thread, time-out and reply-folder settings from the
    // global settings.
    static void ConfigurePoster(TvtPostIt& poster, const TRegistryEintraege& settings);

    // Writes the selection snapshot, empties the current-run report, gathers the ticked
    // services of the view and builds their jobs. Returns the number of jobs.
    int Prepare();
    const TEnginesToSend& Jobs() const { return m_jobs; }

    // Sends the prepared jobs and returns when every started job has reported (after
    // Cancel: when the aborted requests have come back as well).
    void Run();
    // Ends the run: jobs not yet handed out are dropped, running requests are aborted
    // and still report.
    void Cancel();
    bool IsRunning() const { return m_running; }
    bool Cancelled() const { return m_cancelled; }

    // After a run: the formatted report of the run, the ticks of the snapshot put back
    // and the last-registered dates of the services that succeeded. Returns whether a
    // report file was written.
    bool Finish();

    // Prepare, Run and Finish. With no job the snapshot is put back and nothing is sent;
    // returns false then.
    bool Execute();

    TvtPostIt& Poster() const { return *m_poster; }
    int Successes() const { return m_successes; }
    int Failures() const { return m_failures; }

Q_SIGNALS:
    // A result has been copied into both reports.
    void resultRecorded(const TStatusberichtItem& result);
    // Every started job has reported.
    void runEnded();

private:
    void threadsChanged(int active);

    TSdProjectData& m_project;
    TDatenmodul& m_data;
    TRegistryEintraege& m_settings;
    TStatusbericht& m_currentRunReport;
    QString m_programFolder;
    TvtPostIt* m_poster = nullptr;
    TEnginesToSend m_jobs;
    QEventLoop* m_endWait = nullptr;
    bool m_running = false;
    bool m_handingOut = false;
    bool m_cancelled = false;
    int m_successes = 0;
    int m_failures = 0;
};
