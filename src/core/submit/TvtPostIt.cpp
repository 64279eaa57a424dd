#include "core/submit/TvtPostIt.h"

#include "core/platform/HttpClient.h"
#include "core/platform/SdError.h"
#include "core/platform/TDateTime.h"
#include "core/project/TStatusbericht.h"
#include "core/update/UpdateServer.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>

#include <atomic>

namespace {

const QByteArray kUserAgent = QByteArrayLiteral("Mozilla/4.0 (compatible; MSIE 5.0; Windows98)");
const QByteArray kAccept =
    QByteArrayLiteral("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
const QByteArray kFormContentType = QByteArrayLiteral("application/x-www-form-urlencoded");
constexpr int kFolderTitleLength = 48;
// Linux limit of one file name, in bytes.
constexpr qsizetype kMaxFileNameBytes = 255;
constexpr int kMaxReplyFileCounter = 99999;
std::atomic<int> g_liveWorkers { 0 };

// A reply file name that stays inside its folder: no "/", no NUL, not "." or "..".
bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(u'\0'))
        && name.toUtf8().size() <= kMaxFileNameBytes;
}

// "x.html" with counter 1 is "x_001.html".
QString numberedName(const QString& name, int counter)
{
    const QString suffix = QStringLiteral("_%1").arg(counter, 3, 10, QLatin1Char('0'));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return name + suffix;
    return name.left(dot) + suffix + name.mid(dot);
}

} // namespace

// The threads that run the workers' requests, shared by all posters and kept between
// jobs: starting a thread per job cost more CPU than the request itself. Jobs beyond
// the limit wait in the pool's queue; each poster keeps to its own MaxThreads.
static QThreadPool& workerPool()
{
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(256);
        return p;
    }();
    return *pool;
}

// One job, run on a thread of the worker pool. Everything it needs is copied when it is
// created, so that it never reaches its poster from that thread; the poster learns of
// its end through ended(), queued to the user-interface thread, after which the worker
// deletes itself.
class TWebThread : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { None, Discarded, Reported };

    struct Settings
    {
        HttpClient::Proxy proxy;
        int timeOutMs = 0;
        bool saveReplyPages = true;
        QString replyFolder;
    };

    TWebThread(const TOneEngine& job, const Settings& settings, quint64 run)
        : m_job(job)
        , m_settings(settings)
        , m_run(run)
        , m_item(std::make_unique<TStatusberichtItem>())
    {
        m_item->SetSuchdienst(job.Name);
        m_item->Details().SetEngineNr(job.EngineNr);
        m_item->Details().SetURLAnmeldeseite(job.ManuellURL);
        ++g_liveWorkers;
    }

    ~TWebThread() override { --g_liveWorkers; }

    // From the user-interface thread: end as soon as possible, aborting the request.
    void requestEnd()
    {
        m_terminate.store(true);
        m_client.abort();
    }

    quint64 runId() const { return m_run; }
    Outcome outcome() const { return m_outcome; }
    const TOneEngine& job() const { return m_job; }
    TStatusberichtItem* item() const { return m_item.get(); }

    // After the thread has ended: the result item with its outcome filled in.
    std::unique_ptr<TStatusberichtItem> takeResult()
    {
        m_item->SetDate(m_date);
        m_item->Details().SetFehlercode(m_code);
        m_item->Details().SetFehlermeldung(m_message);
        m_item->Details().SetPfadAntwortSeite(m_replyPath);
        return std::move(m_item);
    }

Q_SIGNALS:
    void started(TStatusberichtItem* item);
    void chunk(TStatusberichtItem* item, qint64 announced, qint64 length);
    // On the user-interface thread, once the job has left its thread.
    void ended();

public:
    // Runs the job on a pool thread.
    void start()
    {
        // The reply file is created here, on the user-interface thread: many threads
        // creating files in one folder at once spend their time waiting for the
        // folder's lock. The worker only writes into it.
        if (m_settings.saveReplyPages)
            m_replyOpened = openReplyFile(m_reply);
        workerPool().start([this] {
            execute();
            // The last touch of this object on the pool thread.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    Q_EMIT ended();
                    deleteLater();
                },
                Qt::QueuedConnection);
        });
    }

private:
    void execute()
    {
        HttpClient::Request request;
        request.url = m_job.URL;
        request.userAgent = kUserAgent;
        request.accept = kAccept;
        request.proxy = m_settings.proxy;
        request.followRedirects = true;
        request.idleTimeoutMs = m_settings.timeOutMs;
        request.referer = m_job.Ref ? m_job.URL.toUtf8() : QByteArray(UpdateServer::kReferer.data());
        if (!m_job.isGet()) {
            request.method = HttpClient::Method::Post;
            request.body = m_job.PostData.toUtf8();
            request.contentType = kFormContentType;
        }
        QFile& reply = m_reply;
        Q_EMIT started(m_item.get());
        if (m_terminate.load()) {
            if (reply.isOpen())
                reply.remove();
            m_replyPath.clear();
            m_outcome = Outcome::Discarded;
            return;
        }

        if (m_settings.saveReplyPages && !m_replyOpened) {
            m_date = TDateTime::now();
            m_code = -1;
            m_replyPath.clear();
            m_outcome = Outcome::Reported;
            return;
        }
        if (reply.isOpen())
            m_client.setBodyDevice(&reply);
        m_client.setChunkCallback([this](qint64 length, qint64 announced) {
            if (!m_terminate.load())
                Q_EMIT chunk(m_item.get(), announced, length);
        });

        const HttpClient::Result result = m_client.perform(request);
        reply.close();
        m_date = TDateTime::now();
        m_outcome = Outcome::Reported;
        if (result.timedOut && !result.aborted) {
            m_code = TvtPostIt::kTimeoutCode;
            m_message = TvtPostIt::tr("Connection timed out (Error #10060)");
        } else if (result.aborted) {
            m_code = -1;
            m_message = TvtPostIt::tr("Connection aborted on request");
        } else if (!result.completed) {
            m_code = -1;
            m_message = result.errorText;
        } else if (result.statusCode > 401) {
            m_code = -1;
            m_message = result.reasonPhrase;
        } else {
            m_code = result.statusCode;
            m_message = result.reasonPhrase;
        }
    }

    // Creates the reply file, never overwriting one: "x.html", else "x_001.html", ...
    bool openReplyFile(QFile& file)
    {
        if (!isPlainFileName(m_job.ReplyFile)
            || !isPlainFileName(numberedName(m_job.ReplyFile, kMaxReplyFileCounter))) {
            m_message = TvtPostIt::tr("The reply page cannot be stored: \"%1\" is not a valid file name.")
                            .arg(m_job.ReplyFile);
            return false;
        }
        // Start has normally created the folder already; one look is cheaper than mkpath.
        if (!QFileInfo(m_settings.replyFolder).isDir() && !QDir().mkpath(m_settings.replyFolder)) {
            m_message = TvtPostIt::tr("The folder \"%1\" cannot be created.")
                            .arg(QDir::toNativeSeparators(m_settings.replyFolder));
            return false;
        }
        for (int counter = 0; counter <= kMaxReplyFileCounter; ++counter) {
            const QString name = counter == 0 ? m_job.ReplyFile : numberedName(m_job.ReplyFile, counter);
            file.setFileName(m_settings.replyFolder + name);
            // NewOnly: two workers for the same service never share a file.
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                m_replyPath = file.fileName();
                return true;
            }
            if (!file.exists())
                break;
        }
        m_message = TvtPostIt::tr("The reply page \"%1\" cannot be created: %2")
                        .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
        return false;
    }

    const TOneEngine m_job;
    const Settings m_settings;
    const quint64 m_run;
    std::unique_ptr<TStatusberichtItem> m_item;
    QFile m_reply; // opened by start(), written and closed by the worker
    bool m_replyOpened = false;
    HttpClient m_client;
    std::atomic<bool> m_terminate { false };

    // Written by the thread, read after it has finished.
    Outcome m_outcome = Outcome::None;
    double m_date = 0.0;
    int m_code = 0;
    QString m_message;
    QString m_replyPath;
};

TvtPostIt::TvtPostIt(QObject* parent)
    : QObject(parent)
{
    SetStorageDirectory(QString());
}

TvtPostIt::~TvtPostIt()
{
    if (m_slotWait)
        m_slotWait->quit();
    // The workers keep running until their aborted requests return; their finished
    // connections to this object go with it, and they delete themselves.
    for (const QPointer<TWebThread>& worker : std::as_const(m_live)) {
        if (worker)
            worker->requestEnd();
    }
}

void TvtPostIt::SetStorageDirectory(const QString& value)
{
    QString folder = value.isEmpty() ? QDir::currentPath() : value;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    m_storageDirectory = folder;
}

void TvtPostIt::SetDirType(int value)
{
    m_dirType = (value == 0 || value == 1) ? value : -1;
}

void TvtPostIt::SetMaxThreads(int value)
{
    if (value < 1 || value > kMaxThreadsLimit)
        throw SdError(tr("The property value should be in [1..%1]").arg(kMaxThreadsLimit));
    m_maxThreads = value;
}

QString TvtPostIt::FolderNamePart(const QString& projectTitle)
{
    QString name;
    for (const QChar c : projectTitle.left(kFolderTitleLength)) {
        const char16_t u = c.unicode();
        if (u == u' ' || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z')
            || (u >= u'a' && u <= u'z'))
            name += c;
    }
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("Unnamed") : name;
}

QString TvtPostIt::FormatReplyFolder(const QString& storageDirectory, int dirType,
                                     const QDate& date, const QString& projectTitle)
{
    QString root = storageDirectory;
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    const QString datePart = date.toString(QStringLiteral("yyyyMMdd"));
    const QString namePart = FolderNamePart(projectTitle);
    switch (dirType) {
    case 0: return root + datePart + QLatin1Char('/') + namePart + QLatin1Char('/');
    case 1: return root + namePart + QLatin1Char('/') + datePart + QLatin1Char('/');
    default: return root + datePart + QLatin1Char('/');
    }
}

QString TvtPostIt::ReplyFolder(const QString& projectTitle) const
{
    const QDate date = m_runDate.isValid() ? m_runDate : QDate::currentDate();
    return FormatReplyFolder(m_storageDirectory, m_dirType, date, projectTitle);
}

int TvtPostIt::LiveWorkerCount()
{
    return g_liveWorkers.load();
}

QList<const TStatusberichtItem*> TvtPostIt::Results() const
{
    QList<const TStatusberichtItem*> results;
    results.reserve(qsizetype(m_results.size()));
    for (const auto& item : m_results)
        results.append(item.get());
    return results;
}

void TvtPostIt::Start(const TEnginesToSend& jobs)
{
    if (!m_workers.isEmpty())
        throw SdError(tr("Couldnot start, old jobs are still active! Use Stop method to interrupt."));
    ++m_run;
    m_jobCount = int(jobs.size());
    m_results.clear();
    m_startedCount = 0;
    m_activeCount = 0;
    m_cancelled = false;
    m_completedRaised = false;
    m_jobs = jobs;
    m_runDate = QDate::currentDate();
    if (m_saveReplyPages && !m_jobs.isEmpty())
        QDir().mkpath(ReplyFolder(m_jobs.first().ProjectTitle));

    const QPointer<TvtPostIt> self(this);
    for (;;) {
        QCoreApplication::processEvents();
        if (!self)
            return;
        if (m_cancelled || m_startedCount >= m_jobCount)
            break;
        if (m_activeCount < m_maxThreads) {
            ++m_activeCount;
            Q_EMIT OnPostThreadsChange(m_activeCount, m_maxThreads);
            if (!self)
                return;
            startWorker(m_jobs.at(m_startedCount));
            ++m_startedCount;
            continue;
        }
        // Woken by the end of a worker, by Stop or by the destructor.
        QEventLoop wait;
        m_slotWait = &wait;
        wait.exec();
        if (!self)
            return;
        m_slotWait = nullptr;
    }
}

void TvtPostIt::startWorker(const TOneEngine& job)
{
    TWebThread::Settings settings;
    settings.proxy.host = m_proxy;
    settings.proxy.port = m_proxyPort;
    settings.proxy.user = m_proxyUsername;
    settings.proxy.password = m_proxyPassword;
    settings.timeOutMs = m_timeOut > 0 ? m_timeOut * 1000 : 0;
    settings.saveReplyPages = m_saveReplyPages;
    settings.replyFolder = ReplyFolder(job.ProjectTitle);

    auto* worker = new TWebThread(job, settings, m_run);
    connect(worker, &TWebThread::started, this, &TvtPostIt::OnStartThread, Qt::QueuedConnection);
    connect(worker, &TWebThread::chunk, this, &TvtPostIt::OnDataProgress, Qt::QueuedConnection);
    connect(worker, &TWebThread::ended, this, [this, worker] { jobDone(worker); });
    m_workers.append(worker);
    m_live.append(worker);
    worker->start();
}

void TvtPostIt::wakeStart()
{
    if (m_slotWait)
        m_slotWait->quit();
}

void TvtPostIt::jobDone(TWebThread* worker)
{
    m_live.removeAll(worker);
    if (worker->runId() != m_run) {
        // A cancelled earlier run: its results are not part of this one.
        return;
    }
    const QPointer<TvtPostIt> self(this);
    --m_activeCount;
    Q_EMIT OnPostThreadsChange(m_activeCount, m_maxThreads);
    if (!self)
        return;
    bool canContinue = true;
    if (worker->outcome() == TWebThread::Outcome::Reported) {
        m_results.push_back(worker->takeResult());
        TStatusberichtItem* item = m_results.back().get();
        Q_EMIT OnPostComplete(item);
        if (!self)
            return;
        Q_EMIT OnProgress(worker->job().EngineNr, m_jobCount, &canContinue);
        if (!self)
            return;
    }
    m_workers.removeAll(worker);
    if (!canContinue)
        m_cancelled = true;
    if (!m_completedRaised
        && (!canContinue || (m_activeCount == 0 && m_startedCount >= m_jobCount))) {
        m_completedRaised = true;
        Q_EMIT OnCompleted();
        if (!self)
            return;
    }
    wakeStart();
}

void TvtPostIt::Stop()
{
    m_cancelled = true;
    const QList<QPointer<TWebThread>> workers = m_workers;
    m_workers.clear();
    for (const QPointer<TWebThread>& worker : workers) {
        if (worker)
            worker->requestEnd();
    }
    wakeStart();
    Q_EMIT OnCancel();
}

#include "TvtPostIt.moc"
