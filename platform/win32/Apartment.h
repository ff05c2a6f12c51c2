#pragma once

namespace torvane::win32 {

// Enters the UI thread's COM apartment, single-threaded as the shell and screen readers' objects want it, at its
// first need: the first question of a screen reader, the pointer first over a button, the first launch. Never at
// start-up: ole32 would cost milliseconds there. The apartment is left when the program returns from its main
// function. Whether the thread is in the apartment.
bool EnterUiApartment();

}  // namespace torvane::win32
