#pragma once

#include "core/platform/HttpClient.h"

#include <QObject>
#include <QString>

class HttpRequestRunner;

// Downloads one update file from the update server. The request runs on a worker thread
// while DownloadFile waits in a local event loop, so the progress dialog that binds to
// this object (progressText, progressPosition, cancel) stays responsive.
//
// The body is kept in memory and written to the local file only when the download
// succeeded, atomically: a failed or cancelled download leaves no partial file.
class TUpmngWebFileInfo final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TUpmngWebFileInfo)
    Q_PROPERTY(bool userCancel READ userCancel)
    Q_PROPERTY(QString LastError READ LastError)
    Q_PROPERTY(int LastErrorCode READ LastErrorCode)

public:
    static constexpr int kErrorRequest = 1901; // the request ended with an error
    static constexpr int kErrorStatus = 1900; // the server answered above 200

    // serverRoot ends with "/"; the file's address is serverRoot + the file name.
    TUpmngWebFileInfo(QString serverRoot, HttpClient::Proxy proxy, QObject* parent = nullptr);
    ~TUpmngWebFileInfo() override;

    bool DownloadFile(const QString& remoteFile, const QString& localPath);

    bool userCancel() const { return m_userCancel; }
    QString LastError() const { return m_lastError; }
    int LastErrorCode() const { return m_lastErrorCode; }

    // The progress dialog: its lower label and its bar (0 to 100, never moving back).
    QString progressText() const { return m_progressText; }
    int progressPosition() const { return m_progressPosition; }
    bool isDownloading() const { return m_runner != nullptr; }

public Q_SLOTS:
    // The dialog's Cancel: marks the download as cancelled and aborts the request.
    void cancel();

Q_SIGNALS:
    void downloadStarted();
    // After progressText and progressPosition were updated.
    void OnDownloadProgress(qint64 received, qint64 total);
    void downloadFinished(bool ok);

private:
    void onProgress(qint64 received, qint64 total);

    QString m_serverRoot;
    HttpClient::Proxy m_proxy;
    HttpRequestRunner* m_runner = nullptr;
    bool m_userCancel = false;
    QString m_lastError;
    int m_lastErrorCode = 0;
    QString m_progressText;
    int m_progressPosition = 0;
};
