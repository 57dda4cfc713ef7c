#include "formats/ICalendarLines.h"

#include "core/AppError.h"
#include "formats/ICalendar.h"

#include <QBuffer>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

namespace vestrona {

namespace {

// The start of an overlong SUMMARY's text, enough to name the entry by.
QByteArray summaryStart(QByteArrayView line)
{
    const QByteArrayView value = line.sliced(line.indexOf(':') + 1);
    QByteArray start = value.first(std::min<qsizetype>(value.size(), 256)).toByteArray();
    // A cut escape would swallow the line end.
    while (start.endsWith('\\'))
        start.chop(1);
    return start;
}

// The name of the property on `line`, in capitals.
QByteArray propertyName(QByteArrayView line)
{
    qsizetype end = 0;
    while (end < line.size() && end < 64 && (std::isalnum(static_cast<unsigned char>(line.at(end))) || line.at(end) == '-'))
        ++end;
    return line.first(end).toByteArray().toUpper();
}

// `line`, a SUMMARY, with the blanks at both ends of its text as
// kGuardedSpace and kGuardedTab: libical strips them, and they are the user's.
// Null when it has none there.
QByteArray withBlanksGuarded(QByteArrayView line)
{
    bool quoted = false;
    qsizetype valueStart = 0;
    while (valueStart < line.size() && (quoted || line.at(valueStart) != ':')) {
        quoted = quoted != (line.at(valueStart) == '"');
        ++valueStart;
    }
    ++valueStart;
    qsizetype valueEnd = line.size();
    while (valueEnd > valueStart && (line.at(valueEnd - 1) == '\n' || line.at(valueEnd - 1) == '\r'))
        --valueEnd;
    const auto blank = [&](qsizetype at) { return line.at(at) == ' ' || line.at(at) == '\t'; };
    qsizetype leading = valueStart;
    while (leading < valueEnd && blank(leading))
        ++leading;
    // A blank right after a line break is a fold, not text.
    qsizetype trailing = valueEnd;
    while (trailing > leading && blank(trailing - 1) && line.at(trailing - 2) != '\n')
        --trailing;
    if (leading == valueStart && trailing == valueEnd)
        return {};
    QByteArray guarded = line.toByteArray();
    for (qsizetype at = valueStart; at < valueEnd; at = at + 1 == leading ? trailing : at + 1) {
        if (at < leading || at >= trailing)
            guarded[at] = line.at(at) == ' ' ? kGuardedSpace : kGuardedTab;
    }
    return guarded;
}

} // namespace

namespace {

// Its words, under the context translators see.
class Words {
    Q_DECLARE_TR_FUNCTIONS(ICalendarReader)
};

constexpr qint64 kReadChunkBytes = 64 * 1024;

bool startsWithNoCase(QByteArrayView line, const char *start)
{
    const qsizetype size = qsizetype(std::strlen(start));
    return line.size() >= size && qstrnicmp(line.data(), start, size) == 0;
}

QString notICalendar()
{
    return Words::tr("it is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)");
}

} // namespace

ICalendarLineFeed::ICalendarLineFeed(QIODevice &device) : mDevice(device) {}

// Each piece is checked as it comes and dropped: the text is never whole.
bool ICalendarLineFeed::fill()
{
    mBuffer.remove(0, mPos);
    mPos = 0;
    const QByteArray piece = mDevice.read(kReadChunkBytes);
    if (piece.isEmpty())
        return false;
    mBytesRead += piece.size();
    if (mBytesRead > kICalendarMaxBytes)
        throw AppError(Words::tr("it is larger than %1 MB, more than any calendar of reminders")
                           .arg(kICalendarMaxBytes / (1024 * 1024)));
    if (piece.contains('\0'))
        throw AppError(Words::tr("it is not a text file"));
    const QString decoded = mUtf8.decode(piece);
    if (mUtf8.hasError())
        throw AppError(Words::tr("it is not UTF-8 text, which iCalendar files are"));
    mBuffer += piece;
    return true;
}

int ICalendarLineFeed::peek()
{
    if (mPos >= mBuffer.size() && !fill())
        return -1;
    return static_cast<unsigned char>(mBuffer.at(mPos));
}

bool ICalendarLineFeed::appendPhysical(QByteArray &unit, qsizetype room)
{
    if (peek() < 0)
        return false;
    for (;;) {
        const qsizetype lineFeed = mBuffer.indexOf('\n', mPos);
        const qsizetype end = lineFeed < 0 ? mBuffer.size() : lineFeed;
        unit.append(mBuffer.constData() + mPos, std::clamp<qsizetype>(end - mPos, 0, room - unit.size()));
        mPos = lineFeed < 0 ? end : end + 1;
        if (lineFeed >= 0 || !fill()) {
            if (unit.endsWith('\r'))
                unit.chop(1);
            return true;
        }
    }
}

bool ICalendarLineFeed::next(QByteArray &line)
{
    if (!mPending.isEmpty()) {
        line = std::exchange(mPending, QByteArray());
        return true;
    }
    // One byte past the bound tells an overlong line; the rest of it is dropped.
    const qsizetype room = kLongestLineBytes + 1;
    do {
        line.clear();
        if (!appendPhysical(line, room)) {
            if (mFirst)
                throw AppError(notICalendar());
            return false;
        }
        // A line that begins with a blank or a tab goes on the one before.
        for (int next = peek(); next == ' ' || next == '\t'; next = peek()) {
            ++mPos;
            appendPhysical(line, room);
        }
        if (mFirst) {
            if (line.startsWith("\xEF\xBB\xBF"))
                line.remove(0, 3);
            line = line.trimmed();
        }
    } while (mFirst && line.isEmpty());
    if (std::exchange(mFirst, false) && !startsWithNoCase(line, "BEGIN:VCALENDAR"))
        throw AppError(notICalendar());
    prepare(line);
    return true;
}

void ICalendarLineFeed::prepare(QByteArray &line)
{
    if (startsWithNoCase(line, "BEGIN:VTIMEZONE") && ++mZones > kMostZones)
        throw AppError(Words::tr("it defines more than %1 time zones, which no calendar needs").arg(kMostZones));
    if ((startsWithNoCase(line, "BEGIN:VEVENT") || startsWithNoCase(line, "BEGIN:VTODO")) && ++mEntries > kMostEntries)
        throw AppError(Words::tr("it holds more than %1 events and to-dos, more than any list of reminders")
                           .arg(QLocale(QLocale::English).toString(kMostEntries)));
    const bool summary = line.size() > 8 && startsWithNoCase(line, "SUMMARY") && (line.at(7) == ':' || line.at(7) == ';');
    if (line.size() > kLongestLineBytes) {
        const QByteArray name = propertyName(line);
        mPending = QByteArray(kOverlongNote) + ':' + name;
        // Read on its own, the note would lose the message it names.
        if (name == "SUMMARY")
            line = "SUMMARY:" + summaryStart(line);
        else
            line = std::exchange(mPending, QByteArray());
    } else if (summary) {
        if (QByteArray guarded = withBlanksGuarded(line); !guarded.isNull())
            line = std::move(guarded);
    }
}

namespace {

struct ParserFree {
    void operator()(icalparser *parser) const { icalparser_free(parser); }
};
using ParserPtr = std::unique_ptr<icalparser, ParserFree>;

[[noreturn]] void failCutOff()
{
    throw AppError(Words::tr("libical cannot read it as a calendar; it may be cut off"));
}

} // namespace

ComponentPtr parsedCalendar(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ICalendarLineFeed lines(buffer);
    const ParserPtr parser(icalparser_new());
    QByteArray line;
    ComponentPtr root;
    while (lines.next(line)) {
        if (icalcomponent *done = icalparser_add_line(parser.get(), line.data()))
            root.reset(done);
    }
    if (!root)
        failCutOff();
    return root;
}

void readComponents(QIODevice &device, const std::function<void(icalcomponent *zones, icalcomponent *entry)> &entry)
{
    ICalendarLineFeed lines(device);
    const ParserPtr parser(icalparser_new());
    ComponentPtr zones;
    // 0 between calendars, 1 in a calendar's own lines, more in its children.
    int depth = 0;
    QByteArray line;
    while (lines.next(line)) {
        const bool begins = startsWithNoCase(line, "BEGIN:");
        const bool ends = startsWithNoCase(line, "END:");
        if (depth <= 1) {
            // The calendar's own lines (its name, its description) make no
            // reminder, so errors in them leave nothing out.
            if (begins && depth == 0)
                zones.reset(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
            if (begins || (ends && depth == 1))
                depth += begins ? 1 : -1;
            if (depth <= 1)
                continue;
        } else if (begins || ends) {
            depth += begins ? 1 : -1;
        }
        ComponentPtr done(icalparser_add_line(parser.get(), line.data()));
        if (!done)
            continue;
        switch (icalcomponent_isa(done.get())) {
        case ICAL_VTIMEZONE_COMPONENT:
            icalcomponent_add_component(zones.get(), done.release());
            break;
        case ICAL_VEVENT_COMPONENT:
        case ICAL_VTODO_COMPONENT:
            entry(zones.get(), done.get());
            break;
        default:
            break;
        }
    }
    if (depth != 0)
        failCutOff();
}

} // namespace vestrona
