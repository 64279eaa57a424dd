#include "core/platform/HttpRequestRunner.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>

#include <thread>

namespace {

// Lives on the user-interface thread; the worker emits its signals, which reach the
// runner as queued calls. It outlives the runner as long as the worker holds it.
class HttpRelay final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void stageReached(HttpClient::Stage stage);
    void progress(qint64 received, qint64 total);
    void finished(const HttpClient::Result& result);
};

} // namespace

struct HttpRequestRunner::Shared
{
    HttpClient client;
    std::unique_ptr<HttpRelay, void (*)(HttpRelay*)> relay { nullptr, nullptr };
};

HttpRequestRunner::HttpRequestRunner(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<HttpClient::Stage>();
    qRegisterMetaType<HttpClient::Result>();
}

HttpRequestRunner::~HttpRequestRunner()
{
    abort();
}

bool HttpRequestRunner::start(const HttpClient::Request& request)
{
    if (m_running)
        return false;
    HttpClient::globalInit();
    auto shared = std::make_shared<Shared>();
    // deleteLater from whichever thread drops the last reference.
    shared->relay = { new HttpRelay, [](HttpRelay* relay) { relay->deleteLater(); } };
    HttpRelay* relay = shared->relay.get();
    connect(relay, &HttpRelay::stageReached, this, &HttpRequestRunner::stageReached,
            Qt::QueuedConnection);
    connect(relay, &HttpRelay::progress, this, &HttpRequestRunner::progress, Qt::QueuedConnection);
    connect(relay, &HttpRelay::finished, this, &HttpRequestRunner::onFinished,
            Qt::QueuedConnection);
    shared->client.setStageCallback([relay](HttpClient::Stage stage) { emit relay->stageReached(stage); });
    shared->client.setProgressCallback(
        [relay](qint64 received, qint64 total) { emit relay->progress(received, total); });

    m_shared = shared;
    m_running = true;
    m_result = {};
    std::thread([shared, request]() mutable {
        HttpClient::Result result = shared->client.perform(request);
        emit shared->relay->finished(result);
    }).detach();
    return true;
}

void HttpRequestRunner::abort()
{
    if (m_shared)
        m_shared->client.abort();
}

void HttpRequestRunner::onFinished(const HttpClient::Result& result)
{
    m_result = result;
    m_running = false;
    m_shared.reset();
    emit finished(m_result);
}

HttpClient::Result HttpRequestRunner::waitForFinished()
{
    if (m_running) {
        QEventLoop loop;
        connect(this, &HttpRequestRunner::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_result;
}

#include "HttpRequestRunner.moc"
