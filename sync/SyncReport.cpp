#include "sync/SyncReport.h"

namespace vestrona {

QString summaryText(const SyncReport &report)
{
    if (report.outcome == SyncReport::Outcome::Failed)
        return QStringLiteral("failed: ") + report.failure;
    if (report.outcome == SyncReport::Outcome::NotSetUp)
        return QStringLiteral("no calendar account is set up");
    QStringList parts;
    const auto count = [&parts](int n, const char *what) {
        if (n > 0)
            parts << QStringLiteral("%1 %2").arg(n).arg(QLatin1String(what));
    };
    count(report.uploaded, "up");
    count(report.downloaded, "down");
    count(report.deletedHere, "deleted here");
    count(report.deletedThere, "deleted on the server");
    count(int(report.leftOut.size()), "left out");
    count(report.stillLeftOut, "still left out");
    if (!report.conflicts.isEmpty())
        parts << (report.conflicts.size() == 1 ? QStringLiteral("1 conflict")
                                               : QStringLiteral("%1 conflicts").arg(report.conflicts.size()));
    return parts.isEmpty() ? QStringLiteral("nothing to change") : parts.join(QStringLiteral(", "));
}

QStringList detailLines(const SyncReport &report)
{
    QStringList lines;
    for (const QString &item : report.leftOut)
        lines << QStringLiteral("Left out: ") + item;
    for (const QString &conflict : report.conflicts)
        lines << QStringLiteral("Changed on both sides: ") + conflict;
    return lines;
}

} // namespace vestrona
