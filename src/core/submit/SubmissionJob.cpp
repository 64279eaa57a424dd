#include "core/submit/SubmissionJob.h"

#include "core/platform/Platform.h"
#include "core/platform/WaitIndicator.h"
#include "core/project/TProjektDetails.h"

#include <QCoreApplication>

#include <exception>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SubmissionJob)
};

// Hides the wait window however the loop ends.
struct WaitScope
{
    WaitIndicator& wait;
    ~WaitScope() { wait.hideWait(); }
};

} // namespace

bool TOneEngine::isGet() const
{
    return PostData == SubmissionJob::kGetMarker;
}

int BuildJobList(TEnginesToSend& jobs, const TKenndatenDetails& details,
                 const TEnginesArray& services)
{
    jobs.clear();
    WaitIndicator& wait = Platform::waitIndicator();
    wait.showWait(Tr::tr("Please wait ..."), QString(), false, true);
    WaitScope scope { wait };
    const qint64 total = qint64(services.size()) * details.size();
    const auto clampedTotal = std::int32_t(std::min<qint64>(total, INT32_MAX));
    for (const TDetailEngine& engine : services) {
        for (const TProjektDetails* project : details) {
            if (!project)
                continue;
            TOneEngine job;
            if (BuildJob(engine, *project, job)) {
                jobs.append(job);
                wait.updateWait(std::int32_t(jobs.size()), clampedTotal);
            }
        }
    }
    return int(jobs.size());
}

bool BuildJob(const TDetailEngine& engine, const TProjektDetails& details, TOneEngine& job)
{
    try {
        job = TOneEngine();
        job.URL = SubmissionJob::kNoUrlMarker;
        const QString replyFile = engine.Name + QStringLiteral(".html");
        const QString method = engine.Methode.toUpper();
        QString query;
        if (method == QLatin1String("G")) {
            if (!BuildQueryString(engine, details, query))
                return false;
            job.URL = engine.Action + QLatin1Char('?') + query;
            job.URL.replace(QLatin1Char(' '), QStringLiteral("%20"));
            job.PostData = SubmissionJob::kGetMarker;
        } else if (method == QLatin1String("P")) {
            if (!BuildQueryString(engine, details, query))
                return false;
            job.URL = engine.Action;
            job.PostData = query;
        } else {
            return false;
        }
        job.Name = engine.Name.left(TOneEngine::kNameLength);
        job.ReplyFile = replyFile.left(TOneEngine::kReplyFileLength);
        job.ProjectTitle = details.Title().left(TOneEngine::kProjectTitleLength);
        job.EngineNr = engine.Nr;
        job.ManuellURL = engine.ManuellURL.left(TOneEngine::kManuellURLLength);
        job.Ref = engine.Ref;
        return job.URL != SubmissionJob::kNoUrlMarker && !job.URL.isEmpty()
            && !job.Name.isEmpty() && !job.PostData.isEmpty() && !job.ReplyFile.isEmpty()
            && !engine.Action.isEmpty();
    } catch (const std::exception&) {
        return false;
    }
}

bool BuildQueryString(const TDetailEngine& engine, const TProjektDetails& details,
                      QString& query)
{
    query.clear();
    if (engine.FieldNames.isEmpty())
        return false;
    QString categoryText;
    const qsizetype categories = std::min(engine.CategoryTexts.size(), engine.CategoryNumbers.size());
    for (qsizetype i = 0; i < categories; ++i) {
        if (engine.CategoryNumbers.at(i) == details.Category()) {
            categoryText = engine.CategoryTexts.at(i);
            break;
        }
    }
    if (!engine.Parameter1.isEmpty())
        query = engine.Parameter1 + QLatin1Char('&');
    for (qsizetype i = 0; i < engine.FieldNames.size(); ++i) {
        const QString& stored = engine.FieldNames.at(i);
        const qsizetype semicolon = stored.indexOf(QLatin1Char(';'));
        const QString name = semicolon < 0 ? QString() : stored.left(semicolon);
        if (i > 0)
            query += QLatin1Char('&');
        query += name + QLatin1Char('=')
            + DetailValue(engine.FieldNumbers.value(i), details, categoryText);
    }
    return !query.isEmpty();
}

QString DetailValue(int fieldNumber, const TProjektDetails& details,
                    const QString& categoryText)
{
    const auto number = [](int value) { return QString::number(value); };
    switch (fieldNumber) {
    case 1: {
        QString title = details.Title();
        return title.replace(QLatin1Char('&'), QStringLiteral("%26"));
    }
    case 2: {
        QString url = details.URL();
        const qsizetype at = url.indexOf(QLatin1String("://"));
        if (at < 0)
            return QStringLiteral("Fehler!!!");
        return url.replace(at, 3, QStringLiteral("%3a%2f%2f"));
    }
    case 3: return details.AKeywords();
    case 4: return details.DescriptionLong();
    case 5: return number(details.Language());
    case 6: return number(details.webtype());
    case 7: return categoryText;
    case 8: return details.Firstname();
    case 9: return details.Lastname();
    case 10: return number(details.Greeting());
    case 11: return details.Title_person();
    case 12: return details.Company();
    case 13: return details.GeneralEmail();
    case 14: return details.Password();
    case 15: return details.WebmasterEmail();
    case 16: return details.State();
    case 17: return number(details.country());
    case 18: return details.Address();
    case 19: return details.Postcode();
    case 20: return details.City();
    case 21: return details.phone();
    case 22: return details.Fax();
    case 23: return details.mobile();
    case 24: return details.tollfree();
    case 25: return details.products();
    case 26: return number(details.Age());
    case 28: return details.NameVorname();
    case 29: return details.WebmasterEmail();
    case 30: return details.FirstLastNameWebMaster();
    case 46: return details.DescriptionShort();
    default:
        if (fieldNumber >= 31 && fieldNumber <= 45)
            return details.Key(fieldNumber - 30);
        return QString();
    }
}
