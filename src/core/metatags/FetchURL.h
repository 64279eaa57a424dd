#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class TRegistryEintraege;

// One web page over HTTP into text lines, for the meta tag import and the Site Checker.
struct FetchURLResult
{
    bool success = false;
    int statusCode = 0;
    QString reasonText;
    QString finalUrl;
};

struct FetchURLOptions
{
    // The progress position of the request's stage (20 connected ... 100 complete).
    std::function<void(int percent)> onProgress;
    // Asked while the request runs; true aborts it (the fetch then fails).
    std::function<bool()> cancelRequested;
    // Silence after which the request fails; 0 takes the settings' time-out.
    int idleTimeoutMs = 0;
};

// Fetches url with a GET request (proxy from settings when its preselection asks for
// it). Unless hidden, the wait indicator shows the stages and its Abort cancels. The
// user interface keeps running meanwhile. The body, decoded by the charset the server
// declared (else the page's own), is put into list as lines when list is given, also
// when the fetch failed. Status 400 and above counts as failure.
FetchURLResult FetchURL(bool hidden, const QString& url, const QString& user,
                        const QString& password, QStringList* list,
                        const TRegistryEintraege& settings, const FetchURLOptions& options = {});

// The stage position of the progress window for a request stage.
int fetchStagePercent(int stage);

