#pragma once

#include "core/project/TStatusbericht.h"
#include "core/submit/SubmissionJob.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class QEventLoop;
class TWebThread;

// Sends a list of submission jobs over HTTP with a bounded pool of worker threads, one
// request per worker, stores each reply page below StorageDirectory and hands out one
// result per job through OnPostComplete. Lives on the user-interface thread; all its
// signals are emitted there. The results stay owned by the poster until the next Start.
class TvtPostIt : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxThreadsLimit = 24;
    // The Fehlercode of a request that stayed silent for TimeOut seconds.
    static constexpr int kTimeoutCode = 10060;

    explicit TvtPostIt(QObject* parent = nullptr);
    // Aborts the requests of the workers still running; they end without delivering
    // their results and never touch the destroyed poster.
    ~TvtPostIt() override;

    const QString& Proxy() const { return m_proxy; }
    void SetProxy(const QString& value) { m_proxy = value; }
    const QString& ProxyPort() const { return m_proxyPort; }
    void SetProxyPort(const QString& value) { m_proxyPort = value; }
    const QString& ProxyUsername() const { return m_proxyUsername; }
    void SetProxyUsername(const QString& value) { m_proxyUsername = value; }
    const QString& ProxyPassword() const { return m_proxyPassword; }
    void SetProxyPassword(const QString& value) { m_proxyPassword = value; }
    // Always ends with "/"; an empty value stands for the current working folder.
    const QString& StorageDirectory() const { return m_storageDirectory; }
    void SetStorageDirectory(const QString& value);
    // 0: date/name, 1: name/date, -1: date alone; other values are stored as -1.
    int DirType() const { return m_dirType; }
    void SetDirType(int value);
    // 1 to kMaxThreadsLimit; other values throw SdError and keep the old value.
    int MaxThreads() const { return m_maxThreads; }
    void SetMaxThreads(int value);
    // Kept for the settings; this poster has no dialog of its own and always raises
    // OnProgress.
    bool UseEmbeddedPrgsDlg() const { return m_useEmbeddedPrgsDlg; }
    void SetUseEmbeddedPrgsDlg(bool value) { m_useEmbeddedPrgsDlg = value; }
    bool SaveReplyPages() const { return m_saveReplyPages; }
    void SetSaveReplyPages(bool value) { m_saveReplyPages = value; }
    bool ModalDialog() const { return m_modalDialog; }
    void SetModalDialog(bool value) { m_modalDialog = value; }
    // Seconds of silence after which a request fails with kTimeoutCode.
    int TimeOut() const { return m_timeOut; }
    void SetTimeOut(int value) { m_timeOut = value; }

    // The reply folder for a project title, formed with today's date.
    QString ReplyFolder(const QString& projectTitle) const;
    // The name part of the reply folder: letters A-Z/a-z, digits and spaces of the first
    // 48 characters, trimmed; "Unnamed" when nothing is left.
    static QString FolderNamePart(const QString& projectTitle);
    static QString FormatReplyFolder(const QString& storageDirectory, int dirType,
                                     const QDate& date, const QString& projectTitle);

    // Runs the jobs: returns when every job has been handed to a worker or the run was
    // cancelled. Throws SdError when workers of an earlier run are still listed.
    void Start(const TEnginesToSend& jobs);
    // Cancels the run; running requests are aborted and still report their results.
    void Stop();

    bool isRunning() const { return !m_workers.isEmpty(); }
    int ActiveCount() const { return m_activeCount; }
    int JobCount() const { return m_jobCount; }
    int StartedCount() const { return m_startedCount; }
    // Workers of all posters whose thread objects still exist (for tests and shutdown).
    static int LiveWorkerCount();
    // The results of the current run, in the order in which they were reported.
    QList<const TStatusberichtItem*> Results() const;

Q_SIGNALS:
    // After each reported job; set *CanContinue to false to end the run.
    void OnProgress(int CompletedJob, int TotalJobs, bool* CanContinue);
    void OnCompleted();
    void OnCancel();
    // A chunk of Len bytes of the reply arrived; TotalLen is the announced length or -1.
    void OnDataProgress(TStatusberichtItem* WebResult, qint64 TotalLen, qint64 Len);
    void OnPostComplete(TStatusberichtItem* WebResult);
    void OnPostThreadsChange(int ActiveCount, int Total);
    void OnStartThread(TStatusberichtItem* WebResult);

private:
    friend class TWebThread;

    void startWorker(const TOneEngine& job);
    void jobDone(TWebThread* worker);
    void wakeStart();

    QString m_proxy;
    QString m_proxyPort;
    QString m_proxyUsername;
    QString m_proxyPassword;
    QString m_storageDirectory;
    int m_dirType = 0;
    int m_maxThreads = 10;
    bool m_useEmbeddedPrgsDlg = true;
    bool m_saveReplyPages = true;
    bool m_modalDialog = false;
    int m_timeOut = 90;

    TEnginesToSend m_jobs;
    int m_jobCount = 0;
    int m_startedCount = 0;
    int m_activeCount = 0;
    bool m_cancelled = false;
    bool m_completedRaised = false;
    QList<QPointer<TWebThread>> m_workers; // of this run; not owned: a worker deletes itself
    QList<QPointer<TWebThread>> m_live; // every worker not yet ended, also after Stop
    quint64 m_run = 0;
    QDate m_runDate;
    std::vector<std::unique_ptr<TStatusberichtItem>> m_results;
    QEventLoop* m_slotWait = nullptr; // Start's wait for a free worker slot
};
