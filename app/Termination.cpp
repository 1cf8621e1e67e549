#include "Termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};

// All a signal handler may do: a byte down the pipe, which the event loop reads.
void noteSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[0], &byte, 1);
}

} // namespace

void EndCleanlyOnSignals() {
    if (pipeEnds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    auto *notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(pipeEnds[1], &byte, 1);
        // Left at once: quit() would first ask the windows, and the lobby
        // answers a close with its quit question, which nobody is there to
        // answer.
        QCoreApplication::exit(0);
    });
    struct sigaction a = {};
    a.sa_handler = noteSignal;
    sigemptyset(&a.sa_mask);
    a.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGHUP, SIGINT})
        sigaction(s, &a, nullptr);
}
