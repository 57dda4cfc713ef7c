#pragma once

#include <cstddef>
#include <cstdint>

// Every fuzz target defines this one function. libFuzzer calls it through
// LibFuzzerMain.cpp; the regression replay calls it directly, so a compiler
// without libFuzzer can still run every input that once failed.
int fuzzOne(const uint8_t *data, size_t size);

// A broken promise of the code under test: print it and abort, which both
// libFuzzer and the replay test count as a failure.
void fuzzCheck(bool ok, const char *what);
