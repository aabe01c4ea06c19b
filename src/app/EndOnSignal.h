// Ends the editor in good order when the system asks it to stop (a logout, kill, Ctrl+C).
#pragma once

#include <functional>

class QObject;

namespace quillon::app {

// Runs onSignal from the event loop, never inside the signal handler itself, each time the
// process gets SIGTERM, SIGINT or SIGHUP; the handlers stay for owner's lifetime. Where there
// are no such signals (Windows) nothing is set up.
void CallOnTerminationSignals(QObject* owner, std::function<void()> onSignal);

} // namespace quillon::app
