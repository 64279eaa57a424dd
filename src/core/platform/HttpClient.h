#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>
#include <functional>

class QIODevice;
class TRegistryEintraege;

// One HTTP request on libcurl, run synchronously on the calling thread, so that a worker
// thread can own its client. Each thread keeps one easy handle, reset between requests.
// abort() may be called from any thread; the transfer ends at the next progress call of
// libcurl.
class HttpClient
{
public:
    using Header = QPair<QByteArray, QByteArray>;

    enum class Method { Get, Post };

    // The stages of one request, in the order they are reached.
    enum class Stage {
        Connected,
        RequestHeaderStarted,
        RequestSent,
        ResponseHeaderStarted,
        ResponseHeaderReceived,
        BodyStarted,
        BodyData,
        Finished
    };

    struct Proxy
    {
        QString host; // empty: no proxy (environment proxies are ignored as well)
        QString port;
        QString user;
        QString password;

        // The settings' proxy when the proxy preselection asks for it, else none.
        static Proxy fromSettings(const TRegistryEintraege& settings);
    };

    struct Request
    {
        Method method = Method::Get;
        QString url;
        QByteArray body;
        QByteArray contentType; // for POST; form encoding when empty
        QList<Header> headers;
        QByteArray userAgent;
        QByteArray referer;
        QByteArray accept;
        bool followRedirects = true;
        int maxRedirects = 10;
        Proxy proxy;
        QString user; // HTTP Basic authentication when not empty
        QString password;
        int connectTimeoutMs = 30000;
        // The longest silence (no byte received) before the request fails; 0 = none.
        int idleTimeoutMs = 0;
    };

    struct Result
    {
        // True when a complete response arrived (whatever its status code).
        bool completed = false;
        int statusCode = 0;
        QString reasonPhrase;
        QList<Header> headers; // of the final response
        QString finalUrl;
        int curlCode = 0;
        QString errorText;
        bool aborted = false;
        bool timedOut = false;
        qint64 bytesReceived = 0;
        QByteArray body; // when no body device was given

        QByteArray header(const QByteArray& name) const;
        QByteArray contentType() const { return header(QByteArrayLiteral("Content-Type")); }
    };

    using ProgressCallback = std::function<void(qint64 received, qint64 total)>;
    using StageCallback = std::function<void(Stage stage)>;
    // Once per chunk of the body as it arrives: its length, and the length that the
    // response announced (-1 when it announced none).
    using ChunkCallback = std::function<void(qint64 length, qint64 announced)>;

    // Once per process, before any thread starts a request (main() and the tests).
    static void globalInit();

    HttpClient() = default;
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // total is -1 while the size is unknown.
    void setProgressCallback(ProgressCallback callback) { m_progress = std::move(callback); }
    void setStageCallback(StageCallback callback) { m_stage = std::move(callback); }
    void setChunkCallback(ChunkCallback callback) { m_chunk = std::move(callback); }
    // The body goes to device (an open QBuffer or file) instead of Result::body.
    void setBodyDevice(QIODevice* device) { m_device = device; }

    void abort() { m_abort.store(true); }
    bool abortRequested() const { return m_abort.load(); }

    Result perform(const Request& request);

private:
    struct Transfer;

    ProgressCallback m_progress;
    StageCallback m_stage;
    ChunkCallback m_chunk;
    QIODevice* m_device = nullptr;
    std::atomic<bool> m_abort { false };
};
