// A Multi-Status answer is whatever the calendar server sends: any bytes.
// Reading one must end in an error or in responses the sync can use: each
// href a path on the same server that, named in a request, reads back as
// the same path.

#include "fuzzing/FuzzEntry.h"

#include "sync/MultiStatus.h"

#include <QByteArray>
#include <QXmlStreamWriter>

using namespace vestrona;

namespace {

const QUrl collection(QStringLiteral("https://dav.example.org/alice/reminders/"));

QByteArray multiStatusNaming(const std::vector<MultiStatusResponse> &responses)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartDocument();
    writer.writeNamespace(QStringLiteral("DAV:"), QStringLiteral("d"));
    writer.writeStartElement(QStringLiteral("DAV:"), QStringLiteral("multistatus"));
    for (const MultiStatusResponse &response : responses) {
        writer.writeStartElement(QStringLiteral("DAV:"), QStringLiteral("response"));
        writer.writeTextElement(QStringLiteral("DAV:"), QStringLiteral("href"), encodedHref(response.href));
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return xml;
}

} // namespace

int fuzzOne(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    namesDavPrecondition(bytes, u"valid-sync-token");
    const MultiStatusReading reading = readMultiStatus(bytes, collection);
    if (!reading.error.isEmpty()) {
        fuzzCheck(reading.multiStatus.responses.empty() && reading.multiStatus.syncToken.isEmpty(),
                  "a refused answer still gave responses");
        return 0;
    }
    const auto &responses = reading.multiStatus.responses;
    for (const MultiStatusResponse &response : responses)
        fuzzCheck(response.href.startsWith(QLatin1Char('/')) && !response.href.startsWith(QLatin1String("//")),
                  "a response's href is not a path on the server");

    const MultiStatusReading again = readMultiStatus(multiStatusNaming(responses), collection);
    fuzzCheck(again.error.isEmpty(), "the hrefs read could not be named in a request");
    fuzzCheck(again.multiStatus.responses.size() == responses.size(), "an href named in a request read back as another server");
    for (std::size_t i = 0; i < responses.size(); ++i)
        fuzzCheck(again.multiStatus.responses[i].href == responses[i].href, "an href named in a request read back changed");
    return 0;
}
