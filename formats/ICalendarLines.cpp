#include "formats/ICalendarLines.h"

#include "core/AppError.h"

#include <QByteArrayView>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>
#include <cctype>

namespace vestrona {

namespace {

// Where the line starting at `begin` ends, after its continuation lines
// (those that begin with a blank or a tab).
qsizetype unfoldedLineEnd(const QByteArray &text, qsizetype begin)
{
    qsizetype at = begin;
    for (;;) {
        const qsizetype lineFeed = text.indexOf('\n', at);
        if (lineFeed < 0)
            return text.size();
        at = lineFeed + 1;
        if (at >= text.size() || (text.at(at) != ' ' && text.at(at) != '\t'))
            return at;
    }
}

// The unfolded start of an overlong SUMMARY's text, enough to name the entry by.
QByteArray unfoldedStart(QByteArrayView line)
{
    QByteArray start = line.sliced(line.indexOf(':') + 1).first(std::min<qsizetype>(line.size(), 256)).toByteArray();
    start.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "").replace("\r\n", "");
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

// Decoded a piece at a time and dropped: the text of a large calendar would
// otherwise take twice its size in memory beside libical's tree of it.
bool isUtf8(const QByteArray &bytes)
{
    constexpr qsizetype kPieceBytes = 1024 * 1024;
    QStringDecoder utf8(QStringDecoder::Utf8);
    for (qsizetype at = 0; at < bytes.size() && !utf8.hasError(); at += kPieceBytes)
        const QString piece = utf8.decode(QByteArrayView(bytes).sliced(at, std::min(kPieceBytes, bytes.size() - at)));
    return !utf8.hasError();
}

QByteArray preparedForLibical(const QByteArray &text)
{
    QByteArray prepared;
    bool changed = false;
    int zones = 0;
    int entries = 0;
    for (qsizetype begin = 0; begin < text.size();) {
        const qsizetype end = unfoldedLineEnd(text, begin);
        const QByteArrayView line = QByteArrayView(text).sliced(begin, end - begin);
        if (line.size() >= 15 && qstrnicmp(line.data(), "BEGIN:VTIMEZONE", 15) == 0 && ++zones > kMostZones)
            throw AppError(QStringLiteral("it defines more than %1 time zones, which no calendar needs").arg(kMostZones));
        const bool entry = (line.size() >= 12 && qstrnicmp(line.data(), "BEGIN:VEVENT", 12) == 0)
            || (line.size() >= 11 && qstrnicmp(line.data(), "BEGIN:VTODO", 11) == 0);
        if (entry && ++entries > kMostEntries)
            throw AppError(QStringLiteral("it holds more than %1 events and to-dos, more than any list of reminders")
                               .arg(QLocale(QLocale::English).toString(kMostEntries)));
        const bool summary = line.size() > 8 && qstrnicmp(line.data(), "SUMMARY", 7) == 0
            && (line.at(7) == ':' || line.at(7) == ';');
        QByteArray replacement;
        if (line.size() > kLongestLineBytes) {
            const QByteArray name = propertyName(line);
            if (name == "SUMMARY")
                replacement = "SUMMARY:" + unfoldedStart(line) + "\r\n";
            replacement += QByteArray(kOverlongNote) + ':' + name + "\r\n";
        } else if (summary) {
            replacement = withBlanksGuarded(line);
        }
        if (!replacement.isNull() && !changed) {
            prepared = text.left(begin);
            changed = true;
        }
        if (!replacement.isNull())
            prepared += replacement;
        else if (changed)
            prepared += line;
        begin = end;
    }
    return changed ? prepared : text;
}

} // namespace vestrona
