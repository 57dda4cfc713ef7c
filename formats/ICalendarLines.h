#pragma once

// Private to formats/ICalendar*.cpp: the text of a calendar as it is handed
// to libical, line by line, before libical parses it.

#include <QByteArray>

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

// Whether `bytes` are UTF-8 text.
bool isUtf8(const QByteArray &bytes);

// The text as libical is to read it. Lines longer than any message a
// reminder holds (an inline attachment, a message of megabytes) are not
// handed to libical, which would keep several copies of them: each becomes
// a note of the property it was (kOverlongNote), and an overlong SUMMARY
// keeps its start, to name the entry left out by it. Blanks at the ends of a
// SUMMARY are guarded (kGuardedSpace, kGuardedTab). The text itself when
// nothing changes; throws AppError for more time zones than kMostZones or
// entries than kMostEntries.
QByteArray preparedForLibical(const QByteArray &text);

} // namespace vestrona
