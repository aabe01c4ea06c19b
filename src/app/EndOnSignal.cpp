// Termination signals turned into a call from the event loop through a socket pair: a
// signal handler may only write a byte, the loop does the rest.
#include "app/EndOnSignal.h"

#include <QObject>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace quillon::app {

#ifdef Q_OS_UNIX

namespace {

int signalPipe[2] = {-1, -1};

void WriteSignalByte(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

void CallOnTerminationSignals(QObject* owner, std::function<void()> onSignal) {
    if (signalPipe[0] >= 0) return; // one receiver per process
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner,
                     [onSignal = std::move(onSignal)] {
                         char byte = 0;
                         if (::read(signalPipe[1], &byte, 1) == 1) onSignal();
                     });
    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

#else

void CallOnTerminationSignals(QObject*, std::function<void()>) {}

#endif

} // namespace quillon::app
