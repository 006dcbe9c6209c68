#pragma once
// The one way a fuzz target reports a broken property: a message naming it,
// the input's bytes as libFuzzer saved them, and an abort.

#include <cstdio>
#include <cstdlib>

#define FUZZ_REQUIRE(condition, message)                                                  \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "%s:%d: property broken: %s\n  (%s)\n", __FILE__, __LINE__, \
                         message, #condition);                                            \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)
