#pragma once

// Marks the end of start-up in the start-up probes: once the measured window's first paint is
// done, callgrind writes the counts so far out as a part of their own, so the start-up figure
// leaves out the shutdown that follows. Outside callgrind (or without its header) it does nothing.

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
inline void markFirstPaintDone()
{
    CALLGRIND_DUMP_STATS_AT("first paint");
}
#else
inline void markFirstPaintDone() {}
#endif
