// upgrader [--wait-pid PID] EXECUTABLE NEW-EXECUTABLE START-EXECUTABLE
//
// Waits until the process PID has ended, replaces EXECUTABLE by a copy of NEW-EXECUTABLE
// (executable bits set), removes NEW-EXECUTABLE, and then runs START-EXECUTABLE in place
// of itself. When the replacement fails, EXECUTABLE stays as it was and is started all
// the same, so that the user is never left without a program. Relative paths are taken
// from the working directory, which the program sets to its own folder.
//
// Exit status (only when START-EXECUTABLE could not be run): 1 start failed, 2 usage.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

void report(const std::string& text)
{
    std::fprintf(stderr, "upgrader: %s\n", text.c_str());
}

std::string errorText()
{
    return std::strerror(errno);
}

// A process that has ended but was not reaped yet by its parent still answers kill(0).
bool isZombie(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/stat";
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f)
        return true; // gone
    char buffer[512] = {};
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, f);
    std::fclose(f);
    const std::string_view stat(buffer, n);
    const auto paren = stat.rfind(')');
    return paren != std::string_view::npos && paren + 2 < stat.size() && stat[paren + 2] == 'Z';
}

void waitForProcess(pid_t pid)
{
#ifdef SYS_pidfd_open
    // A pidfd becomes readable when the process ends: no polling needed.
    const int fd = int(syscall(SYS_pidfd_open, pid, 0));
    if (fd >= 0) {
        pollfd p { fd, POLLIN, 0 };
        while (poll(&p, 1, -1) < 0 && errno == EINTR) { }
        close(fd);
        return;
    }
    if (errno == ESRCH)
        return;
#endif
    const timespec pause { 0, 100 * 1000 * 1000 };
    while ((kill(pid, 0) == 0 || errno == EPERM) && !isZombie(pid))
        nanosleep(&pause, nullptr);
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Copies source into a temporary file beside target and renames it over target, so that
// target is either the old or the complete new file, never a torn one.
bool replaceFile(const std::string& target, const std::string& source)
{
    const int in = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        report("cannot read " + source + ": " + errorText());
        return false;
    }
    struct stat sourceStat
    {
    };
    if (fstat(in, &sourceStat) != 0 || !S_ISREG(sourceStat.st_mode)) {
        report(source + " is not a file");
        close(in);
        return false;
    }

    mode_t mode = 0755;
    struct stat targetStat
    {
    };
    if (stat(target.c_str(), &targetStat) == 0)
        mode = (targetStat.st_mode & 07777) | 0111;

    const std::string temporary = target + ".upgrading";
    unlink(temporary.c_str());
    const int out = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        report("cannot write " + temporary + ": " + errorText());
        close(in);
        return false;
    }

    bool ok = true;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || (n > 0 && !writeAll(out, buffer.data(), size_t(n)))) {
            report("copying " + source + " failed: " + errorText());
            ok = false;
            break;
        }
        if (n == 0)
            break;
    }
    close(in);
    if (ok && (fchmod(out, mode) != 0 || fsync(out) != 0)) {
        report("cannot finish " + temporary + ": " + errorText());
        ok = false;
    }
    if (close(out) != 0)
        ok = false;
    if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
        report("cannot replace " + target + ": " + errorText());
        ok = false;
    }
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    unlink(source.c_str());
    return true;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: upgrader [--wait-pid PID] EXECUTABLE NEW-EXECUTABLE START-EXECUTABLE\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    pid_t waitPid = 0;
    if (args.size() >= 2 && args[0] == "--wait-pid") {
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(args[1].c_str(), &end, 10);
        if (errno != 0 || end == args[1].c_str() || *end != '\0' || value <= 0)
            return usage();
        waitPid = pid_t(value);
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() != 3)
        return usage();

    if (waitPid > 0)
        waitForProcess(waitPid);

    if (!replaceFile(args[0], args[1]))
        report("keeping the old " + args[0]);

    std::string start = args[2];
    if (start.find('/') == std::string::npos)
        start = "./" + start; // a bare name means the file in the working directory
    char* const startArgv[] = { start.data(), nullptr };
    execv(start.c_str(), startArgv);
    report("cannot start " + start + ": " + errorText());
    return 1;
}
