#pragma once

#include <QString>

namespace vestrona {

// Fixed names of the files the program finds in its own folder.
inline constexpr auto kDatabaseFileName = "dbReminders.mdb";
inline constexpr auto kAlarmFileName = "alarm.wav";
inline constexpr auto kHandCursorFileName = "HAND-M.CUR";
inline constexpr auto kSkinFileName = "x/o.cjs";

// folder + "/" + relative name; the folder never ends in a separator except
// the root folder, which gets no second one.
QString joinPath(const QString &folder, const QString &relativeName);

// The part after the last "/", or the whole text when it has none.
QString FileNameFromPath(const QString &path);

// Collapses doubled separators in one pass from left to right (pairs, not
// runs: "////" becomes "//"). A leading run of separators becomes a single
// one, since Linux gives "//" no special meaning.
QString FixPathSlashes(const QString &path);

// A base folder of the XDG rules: the environment variable's value, or the
// default below the home folder when the variable is unset, empty or relative.
// Throws AppError saying so when that is needed and HOME is unset, empty or
// relative.
QString xdgBaseFolder(const char *variable, const QString &defaultUnderHome);

// True when the path names anything that exists, a folder included; never fails.
bool FileExists(const QString &path);

// Throws AppError "<path> is not a regular file." when something other than
// a regular file (a FIFO, a device, a folder) is at the path; a missing path
// passes, for the caller to report in its own words.
void requireRegularFile(const QString &path);

// True when a plain listing of the folder would show this name: an ordinary
// file that is not hidden. A folder of that name does not count.
bool listingFindsFile(const QString &path);

// The short title derived from a product name: drop the last word at least
// once, and more while longer than 40 characters. A one-word name stays whole.
QString shortTitleFor(const QString &productName);

} // namespace vestrona
