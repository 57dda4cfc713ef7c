#include "store/Statements.h"

#include "store/DateFormats.h"
#include "store/ReminderRecord.h"

namespace vestrona {

namespace {
constexpr auto kInsertHead = "insert into tblReminders ([Option],[StartDate],[StartTime],[Reminder],[Weekdays]) values (";
}

QString escapeQuotes(QString text)
{
    return text.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString editorInsertStatement(const ReminderValues &v, const RegionalSettings &regional)
{
    return QString::fromLatin1(kInsertHead) + QString::number(v.option) + QLatin1Char(',') + FormatSqlDate(v.date, true)
        + QStringLiteral(",#") + regional.longTime(v.time) + QStringLiteral("#,'") + escapeQuotes(v.message)
        + QStringLiteral("','") + v.weekdays + QStringLiteral("')");
}

QString editorUpdateStatement(const ReminderValues &v, qint64 id, const RegionalSettings &regional)
{
    return QStringLiteral("update tblReminders set [Option]=") + QString::number(v.option)
        + QStringLiteral(",[StartDate]=") + FormatSqlDate(v.date, true) + QStringLiteral(",[StartTime]=#")
        + regional.longTime(v.time) + QStringLiteral("#,[Reminder]='") + escapeQuotes(v.message)
        + QStringLiteral("',[Weekdays]='") + v.weekdays + QStringLiteral("' where id=") + QString::number(id);
}

QString deleteStatement(qint64 id)
{
    return QStringLiteral("delete from tblReminders where id=") + QString::number(id);
}

QString restoreInsertStatement(const QString &valueList)
{
    return QString::fromLatin1(kInsertHead) + valueList + QLatin1Char(')');
}

QString weekdaysText(const bool ticked[7])
{
    QString text;
    for (int i = 0; i < 7; ++i) {
        if (ticked[i])
            text += QString::fromLatin1(kWeekdayCodes[i]) + QLatin1Char(',');
    }
    if (!text.isEmpty())
        text.chop(1);
    return text;
}

ReminderRecord storedRecord(const ReminderValues &values, qint64 id)
{
    ReminderRecord record;
    record.ID = id;
    record.Option = values.option;
    record.StartDate = values.date;
    record.StartTime = values.time;
    record.Reminder = values.message;
    record.Weekdays = values.weekdays;
    return record;
}

} // namespace vestrona
