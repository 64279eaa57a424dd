#pragma once

#include "core/metatags/FetchURL.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class TRegistryEintraege;

// The Site Checker of the details editor without its window: fetch the page, set the
// project's address error flag, read title, keywords, description and refresh delay.
namespace SiteChecker {

struct PageFacts
{
    QString title;
    int refreshDelay = -1;
    QString keywords; // the lines joined by CR LF, as the memo shows them
    QString description;
};

// The text of the last title element of the page text ("" when there is none).
QString extractTitle(const QString& pageText);

// Reads the facts of a fetched page; the meta tag reader may show its messages.
PageFacts readPage(const QStringList& pageLines);

using Fetcher = std::function<FetchURLResult(const QString& url, QStringList* lines)>;

// The whole check: an empty url shows the information and returns nothing; a failed
// fetch sets urlFehler, shows the error with status code and reason and returns
// nothing; otherwise urlFehler is cleared and the facts for the evaluation return.
std::optional<PageFacts> check(const QString& url, bool& urlFehler, const Fetcher& fetch);

// The fetcher used by the window: FetchURL with the progress shown.
Fetcher defaultFetcher(const TRegistryEintraege& settings);

} // namespace SiteChecker
