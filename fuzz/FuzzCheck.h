#pragma once

// The check of an invariant in a fuzz target: it aborts through the target's own
// broken(invariant, detail), which describes the input.
#define CHECK(condition, detail)                                                                           \
    do {                                                                                                   \
        if (!(condition))                                                                                  \
            broken(#condition, (detail));                                                                  \
    } while (false)
