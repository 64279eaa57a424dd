#include "core/submit/SubmissionRun.h"

#include "core/platform/Platform.h"
#include "core/platform/WaitIndicator.h"
#include "core/project/TSdProjectData.h"
#include "core/project/TStatusbericht.h"
#include "core/report/RunReport.h"
#include "core/services/TDatenmodul.h"
#include "core/settings/TRegistryEintraege.h"
#include "core/submit/ResultCodes.h"
#include "core/submit/ResultRecording.h"
#include "core/submit/SubmissionStart.h"
#include "core/submit/TvtPostIt.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SubmissionRun)
};

// Hides the wait window however the step ends.
class WaitScope
{
public:
    WaitScope(const QString& text)
    {
        Platform::waitIndicator().showWait(Tr::tr("Please wait ..."), text,
                                           false, false);
    }
    ~WaitScope() { Platform::waitIndicator().hideWait(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
};

} // namespace

SubmissionRun::SubmissionRun(TSdProjectData& project, TDatenmodul& data,
                             TRegistryEintraege& settings, TStatusbericht& currentRunReport,
                             QString programFolder, QObject* parent)
    : QObject(parent)
    , m_project(project)
    , m_data(data)
    , m_settings(settings)
    , m_currentRunReport(currentRunReport)
    , m_programFolder(std::move(programFolder))
    , m_poster(new TvtPostIt(this))
{
    ConfigurePoster(*m_poster, m_settings);
    connect(m_poster, &TvtPostIt::OnPostComplete, this, [this](TStatusberichtItem* result) {
        RecordResult(*result, m_project.Status(), m_currentRunReport);
        m_project.SetGeaendert(true);
        if (ResultCodes::countsAsSuccessInProgress(result->Details().Fehlercode()))
            ++m_successes;
        else
            ++m_failures;
        Q_EMIT resultRecorded(*result);
    });
    connect(m_poster, &TvtPostIt::OnPostThreadsChange, this,
            [this](int active, int) { threadsChanged(active); });
}

SubmissionRun::~SubmissionRun()
{
    if (m_endWait)
        m_endWait->quit();
}

void SubmissionRun::ConfigurePoster(TvtPostIt& poster, const TRegistryEintraege& settings)
{
    if (settings.proxyVorauswahl == 1) {
        poster.SetProxy(settings.globProxy);
        poster.SetProxyPort(settings.globProxyPort);
        poster.SetProxyUsername(settings.globProxyUsername);
        poster.SetProxyPassword(settings.globProxyKennwort);
    } else {
        poster.SetProxy(QString());
        poster.SetProxyPort(QStringLiteral("80"));
        poster.SetProxyUsername(QString());
        poster.SetProxyPassword(QString());
    }
    // Out-of-range thread counts are refused by the poster (and before that by the
    // submit command); the poster then keeps its default.
    if (settings.globAnzThreads >= 1 && settings.globAnzThreads <= TvtPostIt::kMaxThreadsLimit)
        poster.SetMaxThreads(settings.globAnzThreads);
    poster.SetTimeOut(settings.timeOut);
    poster.SetStorageDirectory(settings.stammHTML);
    poster.SetDirType(settings.htmlDirTyp);
    poster.SetSaveReplyPages(true);
    poster.SetUseEmbeddedPrgsDlg(false);
}

int SubmissionRun::Prepare()
{
    m_data.PostPendingEdit();
    // A snapshot that cannot be written only means the ticks are not put back later.
    m_data.SaveSelectionSnapshot();
    m_currentRunReport.Clear();
    m_jobs.clear();
    WaitScope wait(Tr::tr("Preparing transfer, please wait ..."));
    const TEnginesArray services = GatherServices(m_data, m_project.Status());
    BuildJobList(m_jobs, TKenndatenDetails { &m_project.ProjektDetails() }, services);
    return int(m_jobs.size());
}

void SubmissionRun::Run()
{
    if (m_running)
        return;
    m_running = true;
    m_cancelled = false;
    m_successes = 0;
    m_failures = 0;
    const QPointer<SubmissionRun> self(this);
    m_handingOut = true;
    m_poster->Start(m_jobs);
    if (!self)
        return;
    m_handingOut = false;
    if (m_poster->ActiveCount() > 0) {
        QEventLoop wait;
        m_endWait = &wait;
        wait.exec();
        if (!self)
            return;
        m_endWait = nullptr;
    }
    m_running = false;
    Q_EMIT runEnded();
}

void SubmissionRun::Cancel()
{
    if (!m_running)
        return;
    m_cancelled = true;
    m_poster->Stop();
}

void SubmissionRun::threadsChanged(int active)
{
    if (active == 0 && !m_handingOut && m_endWait)
        m_endWait->quit();
}

bool SubmissionRun::Finish()
{
    WaitScope wait(Tr::tr("Generating status report, please wait ..."));
    const bool written = RunReport::WriteRunReport(m_currentRunReport, m_project.ProjektDetails(),
                                                   m_settings, m_programFolder);
    m_data.LoadSelectionSnapshot();
    UpdateLastRegistered(m_project, m_currentRunReport, m_data);
    return written;
}

bool SubmissionRun::Execute()
{
    if (Prepare() == 0) {
        WaitScope wait(Tr::tr("Resetting search service database. Please wait ..."));
        m_data.LoadSelectionSnapshot();
        return false;
    }
    Run();
    Finish();
    return true;
}
