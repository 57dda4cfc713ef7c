#include "cli/AgendaOutput.h"

#include "core/TextEscapes.h"

#include <QTextStream>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <future>

namespace vestrona {

namespace {

// The agenda's lines of [first, last), each put together from its fields
// in one text: with a printf, an escaped copy of the message and six stream
// calls a line, the text of a hundred thousand lines took a third of the
// agenda's time. The day's text is made once for all its lines.
QString agendaLines(const AgendaEntry *first, const AgendaEntry *last)
{
    const auto twoDigits = [](char *at, int value) {
        at[0] = char('0' + value / 10);
        at[1] = char('0' + value % 10);
    };
    QDate shownDate;
    char day[16] = {};
    QString text;
    for (const AgendaEntry *entry = first; entry != last; ++entry) {
        if (entry->date != shownDate) {
            shownDate = entry->date;
            std::snprintf(day, sizeof day, "%04d-%02d-%02d ", shownDate.year(), shownDate.month(), shownDate.day());
        }
        char fields[40] = "00:00:00\t";
        twoDigits(fields, entry->time.hour());
        twoDigits(fields + 3, entry->time.minute());
        twoDigits(fields + 6, entry->time.second());
        char *end = std::to_chars(fields + 9, fields + sizeof fields - 1, entry->id).ptr;
        *end++ = '\t';
        text += QLatin1StringView(day);
        text += QLatin1StringView(fields, end);
        writeBackslashEscaped(entry->message, [&text](auto piece) { text += piece; });
        text += u'\n';
    }
    return text;
}

} // namespace

void writeAgenda(QTextStream &out, const std::vector<AgendaEntry> &entries)
{
    // Blocks of lines are put into words two at a time, the second on
    // another thread, and written in order.
    constexpr size_t kBlock = 4096;
    for (size_t at = 0; at < entries.size(); at += 2 * kBlock) {
        const size_t middle = std::min(at + kBlock, entries.size()), end = std::min(at + 2 * kBlock, entries.size());
        std::future<QString> second = std::async(std::launch::async | std::launch::deferred,
                                                 [&] { return agendaLines(entries.data() + middle, entries.data() + end); });
        out << agendaLines(entries.data() + at, entries.data() + middle) << second.get();
    }
}

} // namespace vestrona
