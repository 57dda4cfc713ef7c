#pragma once

#include "tests/support/LighttpdFront.h"

namespace vestrona::test {

// lighttpd asking for HTTP Digest over plain http, its default scheme.
using DigestProxy = LighttpdFront;

} // namespace vestrona::test
