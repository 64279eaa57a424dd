#include "core/platform/TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};
const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int number)
{
    // Only async-signal-safe work here: hand the number to the event loop.
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (g_signalPipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    ::fcntl(g_signalPipe[0], F_SETFL, O_NONBLOCK);
    ::fcntl(g_signalPipe[1], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::onActivated);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals)
        ::sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int number : kSignals)
        ::sigaction(number, &action, nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}

void TerminationSignals::onActivated()
{
    unsigned char byte = 0;
    while (::read(g_signalPipe[1], &byte, 1) == 1)
        Q_EMIT terminationRequested(byte);
}
