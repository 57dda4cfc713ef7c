#include "fuzzing/FuzzEntry.h"

#include <cstdio>
#include <cstdlib>

void fuzzCheck(bool ok, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
