#pragma once

#include <functional>

// The ways the program lets time pass on its one thread.
namespace waiting {

// Lets every pending event run, user input included.
void processPendingEvents();

// Returns after `ms` milliseconds. Meanwhile windows keep painting and timers
// run, but user input stays queued and is handled after the wait ends.
void blockFor(int ms);

// Returns once `busy` answers false, asking it every `pollMs` milliseconds;
// windows keep painting and user input waits, as in blockFor.
void blockWhile(const std::function<bool()>& busy, int pollMs);

}  // namespace waiting
