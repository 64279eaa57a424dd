// The poster against a local server that answers every request after 50 ms, compared
// with curl --parallel on the same URLs. The server runs in a child process, so that
// each figure is the client's CPU time alone. Prints lines "name value unit".
//
// A third client shows the least the poster's way of working can cost: 24 plain
// threads with one libcurl easy handle each, a main thread handing out every job when
// a slot is free and hearing of every end, no Qt at all ("handout_*"). The gap between
// it and curl is the price of threads against one event loop; the gap between the
// poster and it is the poster's own.

#include "core/platform/HttpClient.h"
#include "core/submit/TvtPostIt.h"

#include <curl/curl.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

constexpr int kJobs = 1000;
constexpr int kThreads = 24;
constexpr int kDelayMs = 50;

using Clock = std::chrono::steady_clock;

// A single-threaded server: reads a request, answers it kDelayMs later, closes.
[[noreturn]] void serve(int listenFd, int stopFd)
{
    struct Connection
    {
        int fd;
        std::string request;
        Clock::time_point answerAt {};
        bool read = false;
    };
    static const char kReply[] =
        "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 40\r\nConnection: close\r\n\r\n"
        "<html><body>Thank you!</body></html>\r\n\r\n";
    std::vector<Connection> connections;
    for (;;) {
        std::vector<pollfd> fds { { stopFd, POLLIN, 0 }, { listenFd, POLLIN, 0 } };
        int timeout = -1;
        const auto now = Clock::now();
        for (const Connection& c : connections) {
            fds.push_back({ c.fd, short(c.read ? 0 : POLLIN), 0 });
            if (c.read) {
                const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(c.answerAt - now).count();
                timeout = timeout < 0 ? int(std::max<long>(0, wait)) : std::min(timeout, int(std::max<long>(0, wait)));
            }
        }
        ::poll(fds.data(), fds.size(), timeout);
        if (fds[0].revents != 0)
            ::_exit(0);
        const auto later = Clock::now();
        std::vector<Connection> open;
        open.reserve(connections.size() + 1);
        for (size_t i = 0; i < connections.size(); ++i) {
            Connection& c = connections[i];
            bool done = false;
            if (!c.read && (fds[i + 2].revents & (POLLIN | POLLHUP | POLLERR))) {
                char buffer[4096];
                const ssize_t n = ::recv(c.fd, buffer, sizeof buffer, 0);
                if (n <= 0) {
                    done = true;
                } else {
                    c.request.append(buffer, size_t(n));
                    if (c.request.find("\r\n\r\n") != std::string::npos) {
                        c.read = true;
                        c.answerAt = later + std::chrono::milliseconds(kDelayMs);
                    }
                }
            } else if (c.read && later >= c.answerAt) {
                [[maybe_unused]] ssize_t n = ::send(c.fd, kReply, sizeof kReply - 1, MSG_NOSIGNAL);
                done = true;
            }
            if (done)
                ::close(c.fd);
            else
                open.push_back(std::move(c));
        }
        connections.swap(open);
        if (fds[1].revents & POLLIN) {
            const int fd = ::accept(listenFd, nullptr, nullptr);
            if (fd >= 0)
                connections.push_back({ fd, {} });
        }
    }
}

double cpuSeconds(int who)
{
    rusage usage {};
    ::getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long contextSwitches(int who)
{
    rusage usage {};
    ::getrusage(who, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

size_t writeToFile(char* data, size_t size, size_t count, void* file)
{
    return std::fwrite(data, size, count, static_cast<FILE*>(file));
}

// The lean hand-out: every job passes from the main thread to a waiting worker and its
// end back to the main thread, as with the poster, but through one mutex and two
// condition variables. Returns the number of pages stored.
int leanHandout(int port, const std::string& folder)
{
    std::mutex mutex;
    std::condition_variable toWorkers;
    std::condition_variable toMain;
    std::deque<int> queue;
    int active = 0;
    int finished = 0;
    int stored = 0;
    bool closing = false;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            CURL* handle = curl_easy_init();
            for (;;) {
                int job = 0;
                {
                    std::unique_lock lock(mutex);
                    toWorkers.wait(lock, [&] { return closing || !queue.empty(); });
                    if (queue.empty())
                        break;
                    job = queue.front();
                    queue.pop_front();
                }
                const std::string url =
                    "http://127.0.0.1:" + std::to_string(port) + "/add?n=" + std::to_string(job);
                const std::string path = folder + "/service" + std::to_string(job) + ".html";
                bool ok = false;
                if (FILE* file = std::fopen(path.c_str(), "wbx")) {
                    curl_easy_reset(handle);
                    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
                    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
                    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &writeToFile);
                    curl_easy_setopt(handle, CURLOPT_WRITEDATA, file);
                    ok = curl_easy_perform(handle) == CURLE_OK;
                    std::fclose(file);
                }
                {
                    const std::lock_guard lock(mutex);
                    --active;
                    ++finished;
                    stored += ok ? 1 : 0;
                }
                toMain.notify_one();
            }
            curl_easy_cleanup(handle);
        });
    }
    for (int job = 0; job < kJobs; ++job) {
        std::unique_lock lock(mutex);
        toMain.wait(lock, [&] { return active < kThreads; });
        ++active;
        queue.push_back(job);
        lock.unlock();
        toWorkers.notify_one();
    }
    {
        std::unique_lock lock(mutex);
        toMain.wait(lock, [&] { return finished == kJobs; });
        closing = true;
    }
    toWorkers.notify_all();
    for (std::thread& thread : threads)
        thread.join();
    return stored;
}

void print(const char* name, double value, const char* unit)
{
    std::printf("%s %.3f %s\n", name, value, unit);
}

} // namespace

int main(int argc, char** argv)
{
    const int listenFd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listenFd < 0 || ::bind(listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(listenFd, 256) != 0
        || ::getsockname(listenFd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        std::perror("server socket");
        return 1;
    }
    int stop[2];
    if (::pipe(stop) != 0)
        return 1;
    const pid_t server = ::fork();
    if (server == 0) {
        ::close(stop[1]);
        serve(listenFd, stop[0]);
    }
    ::close(stop[0]);
    ::close(listenFd);
    const int port = ntohs(address.sin_port);

    QCoreApplication app(argc, argv);
    HttpClient::globalInit();
    QTemporaryDir folder;
    const double ideal = double(kJobs) / kThreads * kDelayMs / 1000.0;

    // The poster.
    TEnginesToSend jobs;
    for (int i = 0; i < kJobs; ++i) {
        TOneEngine job;
        job.Name = QStringLiteral("service%1").arg(i);
        job.URL = QStringLiteral("http://127.0.0.1:%1/add?n=%2").arg(port).arg(i);
        job.PostData = QStringLiteral("XXX");
        job.ReplyFile = job.Name + QStringLiteral(".html");
        job.ProjectTitle = QStringLiteral("Bench");
        jobs.append(job);
    }
    TvtPostIt poster;
    poster.SetStorageDirectory(folder.path() + QStringLiteral("/poster"));
    poster.SetMaxThreads(kThreads);
    int done = 0;
    int failed = 0;
    bool completed = false;
    QObject::connect(&poster, &TvtPostIt::OnPostComplete, &poster, [&](TStatusberichtItem* item) {
        ++done;
        if (item->Details().Fehlercode() != 200)
            ++failed;
    });
    QObject::connect(&poster, &TvtPostIt::OnCompleted, &poster, [&] { completed = true; });
    const double posterCpuBefore = cpuSeconds(RUSAGE_SELF);
    const double posterMainCpuBefore = cpuSeconds(RUSAGE_THREAD);
    const long posterSwitchesBefore = contextSwitches(RUSAGE_SELF);
    QElapsedTimer wall;
    wall.start();
    poster.Start(jobs);
    while (!completed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double posterWall = wall.nsecsElapsed() / 1e9;
    const double posterCpu = cpuSeconds(RUSAGE_SELF) - posterCpuBefore;
    const double posterMainCpu = cpuSeconds(RUSAGE_THREAD) - posterMainCpuBefore;
    const long posterSwitches = contextSwitches(RUSAGE_SELF) - posterSwitchesBefore;
    while (TvtPostIt::LiveWorkerCount() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);

    // The lean hand-out on the same URLs.
    const std::string leanFolder = QString(folder.path() + QStringLiteral("/handout")).toStdString();
    ::mkdir(leanFolder.c_str(), 0700);
    const double leanCpuBefore = cpuSeconds(RUSAGE_SELF);
    const long leanSwitchesBefore = contextSwitches(RUSAGE_SELF);
    wall.restart();
    const int leanStored = leanHandout(port, leanFolder);
    const double leanWall = wall.nsecsElapsed() / 1e9;
    const double leanCpu = cpuSeconds(RUSAGE_SELF) - leanCpuBefore;
    const long leanSwitches = contextSwitches(RUSAGE_SELF) - leanSwitchesBefore;

    // curl on the same URLs.
    const QString config = folder.path() + QStringLiteral("/curl.cfg");
    {
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < kJobs; ++i)
            file.write(QStringLiteral("url = \"%1\"\noutput = \"%2/curl/service%3.html\"\n")
                           .arg(jobs.at(i).URL, folder.path())
                           .arg(i)
                           .toUtf8());
    }
    const QByteArray configPath = config.toLocal8Bit();
    // --parallel-immediate: open the connections at once instead of waiting to multiplex.
    const char* curlArgs[] = { "curl", "--silent", "--no-progress-meter", "--parallel",
                               "--parallel-immediate", "--parallel-max", "24", "--create-dirs",
                               "--config", configPath.constData(), nullptr };
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const double curlCpuBefore = cpuSeconds(RUSAGE_CHILDREN);
    const long curlSwitchesBefore = contextSwitches(RUSAGE_CHILDREN);
    wall.restart();
    pid_t curl = 0;
    int status = -1;
    if (::posix_spawnp(&curl, "curl", &quiet, nullptr, const_cast<char**>(curlArgs), environ) == 0)
        ::waitpid(curl, &status, 0);
    const double curlWall = wall.nsecsElapsed() / 1e9;
    posix_spawn_file_actions_destroy(&quiet);
    const double curlCpu = cpuSeconds(RUSAGE_CHILDREN) - curlCpuBefore;
    const long curlSwitches = contextSwitches(RUSAGE_CHILDREN) - curlSwitchesBefore;

    ::close(stop[1]);
    ::waitpid(server, nullptr, 0);

    print("poster_jobs", done, "jobs");
    print("poster_failed", failed, "jobs");
    print("poster_wall", posterWall, "s");
    print("ideal_wall", ideal, "s");
    print("poster_wall_ratio", posterWall / ideal, "x");
    print("poster_cpu", posterCpu, "s");
    print("poster_cpu_main_thread", posterMainCpu, "s");
    print("poster_context_switches", double(posterSwitches), "switches");
    print("handout_stored", leanStored, "jobs");
    print("handout_wall", leanWall, "s");
    print("handout_cpu", leanCpu, "s");
    print("handout_context_switches", double(leanSwitches), "switches");
    print("curl_exit", WIFEXITED(status) ? WEXITSTATUS(status) : -1, "code");
    print("curl_wall", curlWall, "s");
    print("curl_wall_ratio", curlWall / ideal, "x");
    print("curl_cpu", curlCpu, "s");
    print("curl_context_switches", double(curlSwitches), "switches");
    print("cpu_ratio_poster_to_curl", curlCpu > 0 ? posterCpu / curlCpu : 0.0, "x");
    print("cpu_ratio_handout_to_curl", curlCpu > 0 ? leanCpu / curlCpu : 0.0, "x");
    return done == kJobs && failed == 0 && leanStored == kJobs ? 0 : 1;
}
