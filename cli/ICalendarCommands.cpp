#include "cli/ICalendarCommands.h"

#include "cli/CliCommands.h"
#include "core/TextEscapes.h"
#include "filecommands/ICalendar.h"
#include "formats/ReminderListText.h"

#include <QTextStream>

namespace vestrona {

void ListLineWriter::write(const ReminderRecord &row)
{
    // Emptied, not cleared: clear() gives the buffer back, and a hundred
    // thousand lines would each take a new one.
    mLine.resize(0);
    for (int c = 0; c < ListColumnCount; ++c) {
        if (c > 0)
            mLine += QLatin1Char('\t');
        ShortText scratch;
        // What scripts read stays English in every language.
        writeBackslashEscaped(listCellView(row, c, mDatePattern, mRegional, scratch, SummaryLanguage::English),
                              [this](auto piece) { mLine += piece; });
    }
    mLine += QLatin1Char('\n');
    mOut << mLine;
}

int exportICalendar(Connection &conn, Reporter &reporter, const QString &path)
{
    const ICalendarExportResult result = SaveRemToICalendar(conn, reporter, path, nullptr);
    if (result.failed)
        return ExitDatabase;
    return result.leftOut() ? ExitNothing : ExitOk;
}

int importICalendar(Connection &conn, const RegionalSettings &regional, Reporter &reporter, const QStringList &paths,
                    const QString &datePattern, QTextStream &out, QTextStream &err)
{
    bool anyLeftOut = false;
    bool anyFailed = false;
    for (const QString &path : paths) {
        // Every entry left out is listed here, not only the first ones a box shows.
        const ICalendarImportResult result = LoadRemFromICalendar(conn, reporter, path, nullptr, false);
        anyFailed = anyFailed || result.failed;
        ListLineWriter lines(out, datePattern, regional);
        for (const ReminderRecord &row : result.added)
            lines.write(row);
        for (const LeftOutComponent &left : result.leftOut)
            err << path << ": \"" << backslashEscaped(left.summary) << "\": " << left.reason << '\n';
        anyLeftOut = anyLeftOut || !result.leftOut.isEmpty();
    }
    if (anyFailed)
        return ExitDatabase;
    return anyLeftOut ? ExitNothing : ExitOk;
}

} // namespace vestrona
