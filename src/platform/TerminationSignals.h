#pragma once

namespace termination_signals {

// From now on SIGINT and SIGTERM end the application's event loops, nested
// ones (a modal dialog, a wait) included, so the program returns from main()
// promptly, closing its devices on the way and saving nothing. The exit
// status is 128 plus the signal's number, as a shell reports it. Call once,
// after the application object exists.
void quitOnSignals();

}  // namespace termination_signals
