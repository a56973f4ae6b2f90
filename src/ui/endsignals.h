// The desktop asking the program to end: SIGTERM (a logout, a kill), SIGINT and SIGHUP. Caught
// here and not by SDL, which would make the first two a click on the close box and let the third
// end the program wherever it stands.
#pragma once

#include <cstdint>

namespace ui {

// From now on the three signals are caught; the first of them posts one event of the returned
// type to SDL's queue, which wakes a window waiting for input. SDL must be running. 0 when they
// cannot be caught (the signals then do what they would do anyway).
uint32_t CatchEndSignals();
// No event is posted any more: called before SDL shuts down. The signals stay caught, so one
// that comes while the program finishes changes nothing.
void StopPostingEndSignals();

}  // namespace ui
