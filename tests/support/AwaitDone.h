#pragma once

#include <QTest>

#include <memory>
#include <optional>
#include <tuple>

namespace vestrona::test {

// Starts an asynchronous call and runs the event loop until its `done`
// callback came, returning what `done` was given; nothing when it did not
// come within `timeoutMs`. `start` gets the callback to pass on:
//   auto got = awaitDone<CalDavFailure>([&](auto done) { collection.remove(href, etag, done); });
template <typename... Results, typename Start>
std::optional<std::tuple<Results...>> awaitDone(Start start, int timeoutMs = 60000)
{
    // Shared, so a callback that comes after the wait gave up still has a
    // place to write to.
    auto got = std::make_shared<std::optional<std::tuple<Results...>>>();
    start([got](Results... results) { got->emplace(std::move(results)...); });
    if (!QTest::qWaitFor([&] { return got->has_value(); }, timeoutMs))
        return std::nullopt;
    return *got;
}

} // namespace vestrona::test
