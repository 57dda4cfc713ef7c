#include "database/Statements.h"

#include "formats/DateFormats.h"
#include "core/ReminderRecord.h"

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

} // namespace vestrona
