#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// An HTTP/1.1 server on 127.0.0.1 for tests, running on threads of its own so that a
// test's blocking client works. Replies are scripted per path; every request received
// is recorded. Each connection is answered once and closed. Destroying the server
// stops it and joins its threads, also while connections stall.
class HttpTestServer
{
public:
    using Header = QPair<QByteArray, QByteArray>;

    struct Reply
    {
        int status = 200;
        QByteArray reason = QByteArrayLiteral("OK");
        QList<Header> headers;
        QByteArray body;
        int delayMs = 0; // before anything is sent
        int dripBytes = 0; // > 0: the body goes out in chunks of this size ...
        int dripIntervalMs = 0; // ... one every so many milliseconds
        bool stall = false; // read the request, then never answer
        bool reset = false; // read the request, then reset the connection
        bool sendContentLength = true;
        QByteArray basicUser; // when set, other credentials get 401
        QByteArray basicPassword;

        static Reply ok(const QByteArray& body, const QByteArray& contentType = "text/html");
        static Reply withStatus(int code, const QByteArray& reason, const QByteArray& body = {});
        static Reply redirect(const QByteArray& location, int code = 302);
    };

    struct Received
    {
        QByteArray method;
        QByteArray path; // with the query
        QList<Header> headers;
        QByteArray body;

        QByteArray header(const QByteArray& name) const;
    };

    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    bool isListening() const { return m_listenFd >= 0; }
    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by path.
    QString url(const QString& path) const;

    // The reply for a path (with or without query; the exact match wins). Paths
    // without a reply get 404.
    void setReply(const QByteArray& path, const Reply& reply);

    QList<Received> received() const;
    int requestCount() const;
    // The most requests that were being answered at the same time (from the moment a
    // request was read until its connection was closed).
    int maxSimultaneous() const { return m_maxSimultaneous.load(); }

private:
    void acceptLoop();
    void serve(int fd);
    bool sleepInterruptible(int ms) const;
    Reply replyFor(const QByteArray& path) const;

    int m_listenFd = -1;
    int m_wakePipe[2] = { -1, -1 };
    quint16 m_port = 0;
    std::atomic<bool> m_stopping { false };
    std::atomic<int> m_simultaneous { 0 };
    std::atomic<int> m_maxSimultaneous { 0 };
    std::thread m_acceptThread;

    mutable std::mutex m_mutex;
    QHash<QByteArray, Reply> m_replies;
    QList<Received> m_received;
    std::vector<std::thread> m_connections;
};
