#include "core/metatags/FetchURL.h"

#include "core/platform/HtmlText.h"
#include "core/platform/HttpRequestRunner.h"
#include "core/platform/Platform.h"
#include "core/platform/TextLines.h"
#include "core/platform/WaitIndicator.h"
#include "core/settings/TRegistryEintraege.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

int fetchStagePercent(int stage)
{
    switch (static_cast<HttpClient::Stage>(stage)) {
    case HttpClient::Stage::Connected: return 20;
    case HttpClient::Stage::RequestHeaderStarted: return 30;
    case HttpClient::Stage::RequestSent: return 40;
    case HttpClient::Stage::ResponseHeaderStarted: return 50;
    case HttpClient::Stage::ResponseHeaderReceived: return 60;
    case HttpClient::Stage::BodyStarted: return 70;
    case HttpClient::Stage::BodyData: return 80;
    case HttpClient::Stage::Finished: return 100;
    }
    return 0;
}

FetchURLResult FetchURL(bool hidden, const QString& url, const QString& user,
                        const QString& password, QStringList* list,
                        const TRegistryEintraege& settings, const FetchURLOptions& options)
{
    WaitIndicator& wait = Platform::waitIndicator();
    if (!hidden)
        wait.showWait(QCoreApplication::translate("TfrmFetchURL", "Retrieve data"),
                      QCoreApplication::translate("TfrmFetchURL",
                                                  "Please wait. The data is being retrieved"),
                      true, true);

    HttpClient::Request request;
    request.url = url;
    request.user = user;
    request.password = password;
    request.proxy = HttpClient::Proxy::fromSettings(settings);
    request.userAgent = QByteArrayLiteral("Mozilla/5.0 (compatible; Sendora/" SENDORA_VERSION ")");
    request.accept = QByteArrayLiteral("text/html, */*");
    request.idleTimeoutMs = options.idleTimeoutMs > 0 ? options.idleTimeoutMs
        : settings.timeOut > 0                     ? settings.timeOut * 1000
                                                   : 60000;

    HttpRequestRunner runner;
    QObject::connect(&runner, &HttpRequestRunner::stageReached, &runner,
                     [&](HttpClient::Stage stage) {
                         const int percent = fetchStagePercent(static_cast<int>(stage));
                         if (!hidden)
                             wait.updateWait(percent, 100);
                         if (options.onProgress)
                             options.onProgress(percent);
                     });
    // Cancel requests come from the wait window or the caller; look at them a few
    // times a second while the event loop waits for the worker.
    QTimer cancelPoll;
    cancelPoll.setInterval(50);
    QObject::connect(&cancelPoll, &QTimer::timeout, &runner, [&] {
        if ((!hidden && wait.abortRequested()) || (options.cancelRequested && options.cancelRequested()))
            runner.abort();
    });
    runner.start(request);
    cancelPoll.start();
    const HttpClient::Result reply = runner.waitForFinished();
    cancelPoll.stop();

    FetchURLResult result;
    result.finalUrl = reply.finalUrl;
    result.statusCode = reply.statusCode;
    if (reply.completed) {
        result.success = reply.statusCode < 400;
        result.reasonText = reply.reasonPhrase;
    } else {
        // No complete response: what the client knows is its error.
        result.reasonText = reply.errorText;
    }
    if (list) {
        const QByteArray charset = HtmlText::charsetFromContentType(reply.contentType());
        *list = TextLines::split(HtmlText::decode(reply.body, charset).text);
    }
    if (!hidden)
        wait.hideWait();
    return result;
}
