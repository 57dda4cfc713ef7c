#pragma once

#include "sync/CalDavCollection.h"
#include "tests/support/AwaitDone.h"

#include <tuple>

namespace vestrona::test {

// Each call of a CalDavCollection run to its end, giving what it passed to
// `done`; a Timeout failure when `done` never came.
template <typename... Rest, typename Start>
std::tuple<CalDavFailure, Rest...> answerOf(Start start)
{
    if (auto got = awaitDone<CalDavFailure, Rest...>(start))
        return *got;
    return {CalDavFailure{CalDavFailure::Kind::Timeout, QStringLiteral("the call never finished"), {}}, Rest()...};
}

inline std::tuple<CalDavFailure, CalDavCollectionInfo> probe(CalDavCollection &c,
                                                            CalDavProbe what = CalDavProbe::WithToken)
{
    return answerOf<CalDavCollectionInfo>([&](auto done) { c.probe(what, done); });
}

inline std::tuple<CalDavFailure, CalDavChanges> changesSince(CalDavCollection &c, const QByteArray &token)
{
    return answerOf<CalDavChanges>([&](auto done) { c.changesSince(token, done); });
}

inline std::tuple<CalDavFailure, std::vector<CalDavResource>> listResources(CalDavCollection &c)
{
    return answerOf<std::vector<CalDavResource>>([&](auto done) { c.listResources(done); });
}

inline std::tuple<CalDavFailure, std::vector<CalDavObject>> fetch(CalDavCollection &c, const std::vector<QString> &hrefs)
{
    return answerOf<std::vector<CalDavObject>>([&](auto done) { c.fetch(hrefs, done); });
}

inline std::tuple<CalDavFailure, QByteArray> put(CalDavCollection &c, const QString &href, const QByteArray &data,
                                                 const QByteArray &ifMatch)
{
    return answerOf<QByteArray>([&](auto done) { c.put(href, data, ifMatch, done); });
}

inline CalDavFailure remove(CalDavCollection &c, const QString &href, const QByteArray &ifMatch)
{
    return std::get<0>(answerOf<>([&](auto done) { c.remove(href, ifMatch, done); }));
}

} // namespace vestrona::test
