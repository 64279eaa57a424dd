#pragma once

#include "core/platform/HttpClient.h"

#include <QObject>

#include <memory>

// Runs one HttpClient request on a worker thread of its own for the user-interface
// thread, reporting through queued signals. A runner destroyed while its request still
// runs aborts it and lets the thread finish on its own; nothing of the thread touches
// the runner afterwards.
class HttpRequestRunner final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpRequestRunner)

public:
    explicit HttpRequestRunner(QObject* parent = nullptr);
    ~HttpRequestRunner() override;

    // Starts the request; false when one is already running.
    bool start(const HttpClient::Request& request);
    void abort();
    bool isRunning() const { return m_running; }

    // Waits in a local event loop (other events keep being handled) until the request
    // has finished, and returns its result.
    HttpClient::Result waitForFinished();
    const HttpClient::Result& result() const { return m_result; }

signals:
    void stageReached(HttpClient::Stage stage);
    void progress(qint64 received, qint64 total);
    void finished(const HttpClient::Result& result);

private:
    struct Shared;

    void onFinished(const HttpClient::Result& result);

    std::shared_ptr<Shared> m_shared;
    HttpClient::Result m_result;
    bool m_running = false;
};
