#include "core/update/TUpmngWebFileInfo.h"

#include "core/platform/HttpRequestRunner.h"
#include "core/update/UpdateServer.h"
#include "core/update/UpdateTexts.h"

#include <QSaveFile>

namespace {

const QByteArray kDownloadUserAgent
    = QByteArrayLiteral("Mozilla/4.0 (compatible; Sendora Update Manager)");

} // namespace

TUpmngWebFileInfo::TUpmngWebFileInfo(QString serverRoot, HttpClient::Proxy proxy, QObject* parent)
    : QObject(parent)
    , m_serverRoot(std::move(serverRoot))
    , m_proxy(std::move(proxy))
{ }

TUpmngWebFileInfo::~TUpmngWebFileInfo() = default;

void TUpmngWebFileInfo::cancel()
{
    if (!m_runner || m_userCancel)
        return;
    m_userCancel = true;
    m_runner->abort();
}

void TUpmngWebFileInfo::onProgress(qint64 received, qint64 total)
{
    if (!m_userCancel) {
        m_progressText = UpdateTexts::bytesReceived(received, total < 0 ? 0 : total);
        if (total > 0) {
            const int position = int(qMin<qint64>(100, received * 100 / total));
            if (position > m_progressPosition)
                m_progressPosition = position;
        }
    }
    Q_EMIT OnDownloadProgress(received, total);
}

bool TUpmngWebFileInfo::DownloadFile(const QString& remoteFile, const QString& localPath)
{
    m_lastError.clear();
    m_lastErrorCode = 0;
    m_userCancel = false;
    m_progressText.clear();
    m_progressPosition = 0;

    HttpClient::Request request;
    request.url = m_serverRoot + remoteFile;
    request.user = QString(UpdateServer::kUserName);
    request.password = QString(UpdateServer::kPassword);
    request.proxy = m_proxy;
    request.userAgent = kDownloadUserAgent;
    request.referer = QByteArray(UpdateServer::kReferer.data(), UpdateServer::kReferer.size());
    request.idleTimeoutMs = 60000;

    HttpRequestRunner runner;
    connect(&runner, &HttpRequestRunner::progress, this, &TUpmngWebFileInfo::onProgress);
    if (!runner.start(request)) {
        m_lastError = QStringLiteral("The download could not be started.");
        m_lastErrorCode = kErrorRequest;
        return false;
    }
    m_runner = &runner;
    Q_EMIT downloadStarted();
    const HttpClient::Result result = runner.waitForFinished();
    m_runner = nullptr;
    // Progress signals still queued must not reach the dialog after it closed.
    disconnect(&runner, nullptr, this, nullptr);

    bool ok = true;
    if (!result.completed) {
        m_lastError = result.errorText;
        m_lastErrorCode = kErrorRequest;
        ok = false;
    } else if (result.statusCode > 200) {
        m_lastError = result.reasonPhrase;
        m_lastErrorCode = kErrorStatus;
        ok = false;
    } else {
        QSaveFile file(localPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(result.body) != result.body.size()
            || !file.commit()) {
            m_lastError = file.errorString();
            m_lastErrorCode = kErrorRequest;
            ok = false;
        }
    }
    Q_EMIT downloadFinished(ok);
    return ok;
}
