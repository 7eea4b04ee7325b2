#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding: it is reported and the process aborts,
// which libFuzzer keeps as a crash input and the corpus replay as a failure.
// Not assert(): the targets are built with NDEBUG too.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)
