#include "HttpTestServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

namespace {

bool sendAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

HttpTestServer::Reply HttpTestServer::Reply::ok(const QByteArray& body, const QByteArray& contentType)
{
    Reply reply;
    reply.body = body;
    if (!contentType.isEmpty())
        reply.headers.append(Header("Content-Type", contentType));
    return reply;
}

HttpTestServer::Reply HttpTestServer::Reply::withStatus(int code, const QByteArray& reason,
                                                    const QByteArray& body)
{
    Reply reply;
    reply.status = code;
    reply.reason = reason;
    reply.body = body;
    return reply;
}

HttpTestServer::Reply HttpTestServer::Reply::redirect(const QByteArray& location, int code)
{
    Reply reply;
    reply.status = code;
    reply.reason = code == 301 ? QByteArrayLiteral("Moved Permanently") : QByteArrayLiteral("Found");
    reply.headers.append(Header("Location", location));
    return reply;
}

QByteArray HttpTestServer::Received::header(const QByteArray& name) const
{
    for (const Header& h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return {};
}

HttpTestServer::HttpTestServer()
{
    if (::pipe(m_wakePipe) != 0)
        return;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(fd, 64) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return;
    }
    m_listenFd = fd;
    m_port = ntohs(address.sin_port);
    m_acceptThread = std::thread([this] { acceptLoop(); });
}

HttpTestServer::~HttpTestServer()
{
    m_stopping.store(true);
    if (m_wakePipe[1] >= 0) {
        const char c = 'x';
        [[maybe_unused]] ssize_t n = ::write(m_wakePipe[1], &c, 1);
    }
    if (m_acceptThread.joinable())
        m_acceptThread.join();
    std::vector<std::thread> connections;
    {
        std::lock_guard lock(m_mutex);
        connections.swap(m_connections);
    }
    for (std::thread& t : connections)
        t.join();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
    for (int fd : m_wakePipe) {
        if (fd >= 0)
            ::close(fd);
    }
}

QString HttpTestServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
}

void HttpTestServer::setReply(const QByteArray& path, const Reply& reply)
{
    std::lock_guard lock(m_mutex);
    m_replies.insert(path, reply);
}

QList<HttpTestServer::Received> HttpTestServer::received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

int HttpTestServer::requestCount() const
{
    std::lock_guard lock(m_mutex);
    return int(m_received.size());
}

HttpTestServer::Reply HttpTestServer::replyFor(const QByteArray& path) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_replies.constFind(path);
    if (it == m_replies.cend()) {
        const qsizetype query = path.indexOf('?');
        if (query >= 0)
            it = m_replies.constFind(path.left(query));
    }
    if (it != m_replies.cend())
        return *it;
    return Reply::withStatus(404, "Not Found", "<html><body>Not Found</body></html>");
}

void HttpTestServer::acceptLoop()
{
    while (!m_stopping.load()) {
        pollfd fds[2] = { { m_listenFd, POLLIN, 0 }, { m_wakePipe[0], POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents != 0 || m_stopping.load())
            return;
        if ((fds[0].revents & POLLIN) == 0)
            continue;
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        std::lock_guard lock(m_mutex);
        m_connections.emplace_back([this, fd] { serve(fd); });
    }
}

// Sleeps up to ms; false when the server is stopping.
bool HttpTestServer::sleepInterruptible(int ms) const
{
    pollfd wake { m_wakePipe[0], POLLIN, 0 };
    if (ms < 0)
        ms = -1;
    ::poll(&wake, 1, ms);
    return !m_stopping.load();
}

void HttpTestServer::serve(int fd)
{
    // Read the header, then as much body as Content-Length announces.
    QByteArray data;
    qsizetype headerEnd = -1;
    qsizetype bodyLength = 0;
    char buffer[8192];
    while (!m_stopping.load()) {
        if (headerEnd >= 0 && data.size() >= headerEnd + 4 + bodyLength)
            break;
        pollfd fds[2] = { { fd, POLLIN, 0 }, { m_wakePipe[0], POLLIN, 0 } };
        if (::poll(fds, 2, 10000) <= 0 || fds[1].revents != 0)
            break;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        data.append(buffer, n);
        if (headerEnd < 0) {
            headerEnd = data.indexOf("\r\n\r\n");
            if (headerEnd >= 0) {
                const QList<QByteArray> lines = data.left(headerEnd).split('\n');
                for (const QByteArray& line : lines) {
                    if (line.toLower().startsWith("content-length:"))
                        bodyLength = line.mid(15).trimmed().toLongLong();
                }
            }
        }
    }
    if (headerEnd < 0) {
        ::close(fd);
        return;
    }

    Received request;
    const QList<QByteArray> lines = data.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append(Header(line.left(colon).trimmed(), line.mid(colon + 1).trimmed()));
    }
    request.body = data.mid(headerEnd + 4, bodyLength);
    // A request counts as in flight from its arrival until just before the server sends
    // the last piece of its answer or closes the connection: from then on the client
    // may have finished and started its next request while this thread has not yet run
    // on, which would make one request count twice. The connection is closed when this
    // goes out of scope, after the request has left the count.
    struct Answering
    {
        std::atomic<int>& count;
        const int fd;
        bool left = false;
        Answering(std::atomic<int>& c, std::atomic<int>& max, int socket)
            : count(c)
            , fd(socket)
        {
            const int now = ++count;
            int seen = max.load();
            while (now > seen && !max.compare_exchange_weak(seen, now)) { }
        }
        void leave()
        {
            if (!left) {
                left = true;
                --count;
            }
        }
        ~Answering()
        {
            leave();
            ::close(fd);
        }
    } answering(m_simultaneous, m_maxSimultaneous, fd);
    {
        std::lock_guard lock(m_mutex);
        m_received.append(request);
    }

    Reply reply = replyFor(request.path);
    if (!reply.basicUser.isEmpty()) {
        const QByteArray credentials = reply.basicUser + ':' + reply.basicPassword;
        const QByteArray expected = "Basic " + credentials.toBase64();
        if (request.header("Authorization") != expected) {
            reply = Reply::withStatus(401, "Unauthorized", "<html>401</html>");
            reply.headers.append(Header("WWW-Authenticate", "Basic realm=\"test\""));
        }
    }
    if (reply.stall) {
        // Silent until the client gives up or the server stops.
        char sink[256];
        for (;;) {
            pollfd fds[2] = { { fd, POLLIN, 0 }, { m_wakePipe[0], POLLIN, 0 } };
            if (::poll(fds, 2, -1) < 0 || fds[1].revents != 0 || m_stopping.load())
                break;
            if (fds[0].revents != 0 && ::recv(fd, sink, sizeof sink, 0) <= 0)
                break;
        }
        return;
    }
    if (reply.reset) {
        const linger hard { 1, 0 };
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        return;
    }
    if (reply.delayMs > 0 && !sleepInterruptible(reply.delayMs))
        return;

    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reply.reason + "\r\n";
    for (const Header& h : reply.headers)
        head += h.first + ": " + h.second + "\r\n";
    if (reply.sendContentLength)
        head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    const bool withBody = request.method != "HEAD" && !reply.body.isEmpty();
    if (!withBody)
        answering.leave();
    bool ok = sendAll(fd, head.constData(), head.size());
    if (ok && withBody) {
        if (reply.dripBytes > 0) {
            for (qsizetype at = 0; ok && at < reply.body.size(); at += reply.dripBytes) {
                if (at > 0 && !sleepInterruptible(reply.dripIntervalMs))
                    break;
                const qsizetype piece = std::min<qsizetype>(reply.dripBytes, reply.body.size() - at);
                if (at + piece >= reply.body.size())
                    answering.leave();
                ok = sendAll(fd, reply.body.constData() + at, piece);
            }
        } else {
            answering.leave();
            sendAll(fd, reply.body.constData(), reply.body.size());
        }
    }
    answering.leave();
    ::shutdown(fd, SHUT_WR);
}
