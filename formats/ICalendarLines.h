#pragma once

// Private to formats/ICalendar*.cpp: the text of a calendar as it is handed
// to libical, line by line, and the components libical makes of it.

#include "formats/LibicalComponent.h"

#include <QByteArray>
#include <QIODevice>
#include <QStringDecoder>

#include <functional>

namespace vestrona {

// A message longer than this is no reminder's: the entry is left out.
inline constexpr qsizetype kLongestMessageBytes = 64 * 1024;
// A line longer than this, with its continuation lines, is not read: room
// for the longest message, escaped and folded.
inline constexpr qsizetype kLongestLineBytes = 4 * kLongestMessageBytes;
// What an overlong line becomes, with its property's name as the value.
inline constexpr auto kOverlongNote = "X-VESTRONA-OVERLONG";
// libical frees a calendar's zones one by one, each time searching all the
// ones still there: 20,000 zones take seconds. A calendar needs one zone for
// each place its events happen in.
inline constexpr int kMostZones = 1000;
// libical holds a whole calendar as a tree of some 1.7 KB an entry: a file
// of tiny events within the size bound would take a gigabyte.
inline constexpr int kMostEntries = 100'000;
// A blank and a tab at an end of a message while libical reads it: control
// characters no iCalendar text holds.
inline constexpr char kGuardedSpace = '\x01';
inline constexpr char kGuardedTab = '\x02';

// Reads the text of a calendar as libical is to read it, one unfolded line
// at a time, holding no more of the file than the line being read: a large
// calendar is never in memory whole. Lines longer than any message a
// reminder holds (an inline attachment, a message of megabytes) are not
// handed to libical, which would keep several copies of them: each becomes
// a note of the property it was (kOverlongNote), and an overlong SUMMARY
// keeps its start, to name the entry left out by it. Blanks at the ends of a
// SUMMARY are guarded (kGuardedSpace, kGuardedTab).
class ICalendarLineFeed {
public:
    explicit ICalendarLineFeed(QIODevice &device);

    // The next line, without its line end; false after the last one. Throws
    // AppError, naming the problem, for a file larger than
    // kICalendarMaxBytes, that is not UTF-8 text, does not begin with
    // BEGIN:VCALENDAR, or defines more time zones than kMostZones or entries
    // than kMostEntries.
    bool next(QByteArray &line);

private:
    // Reads on; false at the end of the file.
    bool fill();
    // The next byte, -1 at the end of the file.
    int peek();
    // Appends the next physical line to `unit`, no more than `room` bytes of
    // it; false at the end of the file.
    bool appendPhysical(QByteArray &unit, qsizetype room);
    void prepare(QByteArray &line);

    QIODevice &mDevice;
    QByteArray mBuffer;
    qsizetype mPos = 0;
    qint64 mBytesRead = 0;
    QStringDecoder mUtf8{QStringDecoder::Utf8};
    bool mFirst = true;
    // The note that follows an overlong line.
    QByteArray mPending;
    int mZones = 0;
    int mEntries = 0;
};

// The parsed calendar of one object resource: a VCALENDAR, or an XROOT of
// several. Throws AppError for one that is cut off.
ComponentPtr parsedCalendar(const QByteArray &bytes);

// Reads a calendar one component at a time: the lines of each child of a
// VCALENDAR go to libical's parser on their own, so the parser hands over
// each child as it ends, and the calendar itself is never held whole. Each
// VEVENT and VTODO goes to `entry` with a VCALENDAR holding the zones its
// calendar defined before it, and is freed after. Throws AppError for a
// calendar that is cut off, and as ICalendarLineFeed does.
void readComponents(QIODevice &device, const std::function<void(icalcomponent *zones, icalcomponent *entry)> &entry);

} // namespace vestrona
