#include "core/platform/HttpClient.h"

#include "core/settings/TRegistryEintraege.h"

#include <QIODevice>

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

struct SlistDeleter
{
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

struct EasyDeleter
{
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

} // namespace

struct HttpClient::Transfer
{
    HttpClient* client = nullptr;
    const Request* request = nullptr;
    Result* result = nullptr;
    Clock::time_point lastActivity = Clock::now();
    int nextStage = 0;
    bool writeFailed = false;

    void reach(Stage stage)
    {
        // Stages are reported once each and in order; BodyData repeats with every chunk.
        const int index = static_cast<int>(stage);
        if (stage == Stage::BodyData) {
            reach(Stage::BodyStarted);
            nextStage = std::max(nextStage, index + 1);
        } else if (index < nextStage) {
            return;
        } else {
            for (int s = nextStage; s < index; ++s)
                report(static_cast<Stage>(s));
            nextStage = index + 1;
        }
        report(stage);
    }

    void report(Stage stage) const
    {
        if (client->m_stage)
            client->m_stage(stage);
    }

    static size_t onWrite(char* data, size_t size, size_t count, void* user)
    {
        auto* self = static_cast<Transfer*>(user);
        const size_t bytes = size * count;
        self->lastActivity = Clock::now();
        if (self->client->m_device) {
            if (self->client->m_device->write(data, qint64(bytes)) != qint64(bytes)) {
                self->writeFailed = true;
                return 0;
            }
        } else {
            self->result->body.append(data, qsizetype(bytes));
        }
        self->result->bytesReceived += qint64(bytes);
        self->reach(Stage::BodyData);
        if (self->client->m_chunk) {
            bool known = false;
            const qint64 announced = self->result->header("Content-Length").toLongLong(&known);
            self->client->m_chunk(qint64(bytes), known ? announced : -1);
        }
        return bytes;
    }

    static size_t onHeader(char* data, size_t size, size_t count, void* user)
    {
        auto* self = static_cast<Transfer*>(user);
        const size_t bytes = size * count;
        self->lastActivity = Clock::now();
        const QByteArray line = QByteArray(data, qsizetype(bytes)).trimmed();
        if (line.startsWith("HTTP/")) {
            // A new response begins (after a redirect or an interim 100 reply).
            self->result->headers.clear();
            const QList<QByteArray> parts = line.split(' ');
            self->result->statusCode = parts.value(1).toInt();
            const qsizetype reasonAt = line.indexOf(' ', line.indexOf(' ') + 1);
            self->result->reasonPhrase =
                reasonAt < 0 ? QString() : QString::fromLatin1(line.mid(reasonAt + 1).trimmed());
            self->reach(Stage::ResponseHeaderStarted);
        } else if (line.isEmpty()) {
            self->reach(Stage::ResponseHeaderReceived);
        } else {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0)
                self->result->headers.append({ line.left(colon).trimmed(), line.mid(colon + 1).trimmed() });
        }
        return bytes;
    }

    static int onDebug(CURL*, curl_infotype type, char*, size_t, void* user)
    {
        if (type == CURLINFO_HEADER_OUT) {
            auto* self = static_cast<Transfer*>(user);
            self->reach(Stage::RequestHeaderStarted);
            self->reach(Stage::RequestSent);
        }
        return 0;
    }

    static int onProgress(void* user, curl_off_t dltotal, curl_off_t dlnow, curl_off_t, curl_off_t)
    {
        auto* self = static_cast<Transfer*>(user);
        if (self->client->m_progress && dlnow > 0)
            self->client->m_progress(qint64(dlnow), dltotal > 0 ? qint64(dltotal) : -1);
        if (self->client->m_abort.load()) {
            self->result->aborted = true;
            return 1;
        }
        // libcurl's low-speed limit averages over a period; what we want is silence.
        const int idle = self->request->idleTimeoutMs;
        if (idle > 0
            && Clock::now() - self->lastActivity > std::chrono::milliseconds(idle)) {
            self->result->timedOut = true;
            return 1;
        }
        return 0;
    }
};

HttpClient::Proxy HttpClient::Proxy::fromSettings(const TRegistryEintraege& settings)
{
    Proxy proxy;
    if (settings.proxyVorauswahl == 1) {
        proxy.host = settings.globProxy.trimmed();
        proxy.port = settings.globProxyPort.trimmed();
        proxy.user = settings.globProxyUsername;
        proxy.password = settings.globProxyKennwort;
    }
    return proxy;
}

QByteArray HttpClient::Result::header(const QByteArray& name) const
{
    for (const Header& h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return {};
}

void HttpClient::globalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

HttpClient::Result HttpClient::perform(const Request& request)
{
    globalInit();
    Result result;
    Transfer transfer;
    transfer.client = this;
    transfer.request = &request;
    transfer.result = &result;

    // Each thread keeps one easy handle and resets it between its requests, so that
    // libcurl's connection and name caches and its internal event handle live on
    // instead of being built anew for every request. A request started while another
    // one runs on the same thread (from a callback) gets a handle of its own.
    thread_local std::unique_ptr<CURL, EasyDeleter> threadHandle;
    thread_local bool threadHandleBusy = false;
    std::unique_ptr<CURL, EasyDeleter> ownHandle;
    CURL* handle = nullptr;
    if (!threadHandleBusy) {
        if (!threadHandle)
            threadHandle.reset(curl_easy_init());
        handle = threadHandle.get();
    } else {
        ownHandle.reset(curl_easy_init());
        handle = ownHandle.get();
    }
    // The kept handle is reset as soon as the request ends: none of the pointers into
    // this call's frame (buffers, callback data) may outlive it, also not for the
    // connections libcurl closes later.
    struct KeptHandleScope
    {
        CURL* kept = nullptr;
        ~KeptHandleScope()
        {
            if (kept) {
                curl_easy_reset(kept);
                threadHandleBusy = false;
            }
        }
    } keptScope;
    if (handle && handle == threadHandle.get()) {
        keptScope.kept = handle;
        threadHandleBusy = true;
    }
    if (!handle) {
        result.curlCode = CURLE_FAILED_INIT;
        result.errorText = QString::fromUtf8(curl_easy_strerror(CURLE_FAILED_INIT));
        return result;
    }
    CURL* h = handle;
    char errorBuffer[CURL_ERROR_SIZE] = {};

    const QByteArray url = request.url.trimmed().toUtf8();
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, long(request.maxRedirects));
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, long(request.connectTimeoutMs));

    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Transfer::onWrite);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &Transfer::onHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &Transfer::onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
    // The debug callback is the one place libcurl tells when the request header leaves;
    // verbose mode costs CPU, so only a client that watches the stages pays for it.
    if (m_stage) {
        curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, &Transfer::onDebug);
        curl_easy_setopt(h, CURLOPT_DEBUGDATA, &transfer);
    }

    const QByteArray proxyHost = request.proxy.host.toUtf8();
    const QByteArray proxyUser = request.proxy.user.toUtf8();
    const QByteArray proxyPassword = request.proxy.password.toUtf8();
    // An empty proxy also switches off the http_proxy environment variables.
    curl_easy_setopt(h, CURLOPT_PROXY, proxyHost.constData());
    if (!proxyHost.isEmpty()) {
        const long port = request.proxy.port.toLong();
        if (port > 0 && port < 65536)
            curl_easy_setopt(h, CURLOPT_PROXYPORT, port);
        if (!proxyUser.isEmpty()) {
            curl_easy_setopt(h, CURLOPT_PROXYUSERNAME, proxyUser.constData());
            curl_easy_setopt(h, CURLOPT_PROXYPASSWORD, proxyPassword.constData());
        }
    }

    const QByteArray user = request.user.toUtf8();
    const QByteArray password = request.password.toUtf8();
    if (!user.isEmpty()) {
        curl_easy_setopt(h, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
        curl_easy_setopt(h, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(h, CURLOPT_PASSWORD, password.constData());
    }
    if (!request.userAgent.isEmpty())
        curl_easy_setopt(h, CURLOPT_USERAGENT, request.userAgent.constData());
    if (!request.referer.isEmpty())
        curl_easy_setopt(h, CURLOPT_REFERER, request.referer.constData());

    curl_slist* rawHeaders = nullptr;
    auto addHeader = [&rawHeaders](const QByteArray& line) {
        rawHeaders = curl_slist_append(rawHeaders, line.constData());
    };
    if (!request.accept.isEmpty())
        addHeader("Accept: " + request.accept);
    if (request.method == Method::Post) {
        curl_easy_setopt(h, CURLOPT_POST, 1L);
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, request.body.constData());
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.body.size()));
        addHeader("Content-Type: "
                  + (request.contentType.isEmpty()
                         ? QByteArrayLiteral("application/x-www-form-urlencoded")
                         : request.contentType));
        addHeader("Expect:"); // no 100-continue round trip
    }
    for (const Header& header : request.headers)
        addHeader(header.first + ": " + header.second);
    std::unique_ptr<curl_slist, SlistDeleter> headerList(rawHeaders);
    if (rawHeaders)
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, rawHeaders);

    transfer.lastActivity = Clock::now();
    CURLcode code = curl_easy_perform(h);

    long status = 0;
    if (curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status > 0)
        result.statusCode = int(status);
    char* effective = nullptr;
    if (curl_easy_getinfo(h, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective)
        result.finalUrl = QString::fromUtf8(effective);

    if (code == CURLE_ABORTED_BY_CALLBACK && result.timedOut && !result.aborted)
        code = CURLE_OPERATION_TIMEDOUT;
    result.curlCode = int(code);
    result.completed = code == CURLE_OK;
    if (!result.completed) {
        if (result.timedOut || result.aborted || errorBuffer[0] == '\0')
            result.errorText = QString::fromUtf8(curl_easy_strerror(code));
        else
            result.errorText = QString::fromUtf8(errorBuffer).trimmed();
    } else {
        transfer.reach(Stage::Finished);
    }
    return result;
}
