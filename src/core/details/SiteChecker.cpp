#include "core/details/SiteChecker.h"

#include "core/metatags/TLastInfo.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/TextLines.h"

#include <QCoreApplication>

namespace SiteChecker {

QString extractTitle(const QString& pageText)
{
    static const QString open = QStringLiteral("<TITLE");
    static const QString close = QStringLiteral("</TITLE");
    QString title;
    qsizetype pos = 0;
    const qsizetype length = pageText.size();
    while (pos < length) {
        const qsizetype at = pageText.indexOf(open, pos, Qt::CaseInsensitive);
        if (at < 0)
            break;
        const qsizetype start = std::min(at + open.size() + 1, length);
        qsizetype end = pageText.indexOf(QLatin1Char('>'), start);
        if (end < 0)
            end = length;
        title = pageText.mid(start, end - start);
        const qsizetype closeAt = title.indexOf(close, 0, Qt::CaseInsensitive);
        if (closeAt >= 0)
            title.remove(closeAt, close.size());
        pos = end + 1;
    }
    return title;
}

PageFacts readPage(const QStringList& pageLines)
{
    PageFacts facts;
    TLastInfo info;
    info.ReadFromLines(pageLines);
    const QString text = TextLines::join(pageLines);
    facts.title = extractTitle(text);
    facts.refreshDelay = TLastInfo::RefreshDelay(text);
    facts.keywords = info.Keywords.join(QLatin1String("\r\n"));
    facts.description = info.Description.join(QLatin1String("\r\n"));
    return facts;
}

std::optional<PageFacts> check(const QString& url, bool& urlFehler, const Fetcher& fetch)
{
    Messages& messages = Platform::messages();
    if (url.isEmpty()) {
        messages.information(QCoreApplication::translate(
            "TfrmKenndaten", "Enter website's URL in field 'URL' and click 'Check URL' again!"));
        return std::nullopt;
    }
    QStringList lines;
    const FetchURLResult fetched = fetch(url, &lines);
    if (!fetched.success) {
        urlFehler = true;
        messages.error(QCoreApplication::translate("TfrmKenndaten", "Data could not be retrieved!")
                       + QLatin1Char('\r')
                       + QCoreApplication::translate("TfrmKenndaten", "Error code: %1 (%2).")
                             .arg(fetched.statusCode)
                             .arg(fetched.reasonText));
        return std::nullopt;
    }
    urlFehler = false;
    return readPage(lines);
}

Fetcher defaultFetcher(const TRegistryEintraege& settings)
{
    return [&settings](const QString& url, QStringList* lines) {
        return FetchURL(false, url, QString(), QString(), lines, settings);
    };
}

} // namespace SiteChecker
