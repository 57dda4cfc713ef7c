#include "sync/SyncReport.h"

#include <QCoreApplication>

namespace vestrona {

QString summaryText(const SyncReport &report)
{
    if (report.outcome == SyncReport::Outcome::Failed)
        return QCoreApplication::translate("SyncReport", "failed: ") + report.failure;
    if (report.outcome == SyncReport::Outcome::NotSetUp)
        return QCoreApplication::translate("SyncReport", "no calendar account is set up");
    QStringList parts;
    const auto count = [&parts](int n, const char *what) {
        if (n > 0)
            parts << QCoreApplication::translate("SyncReport", what, nullptr, n);
    };
    count(report.uploaded, QT_TRANSLATE_N_NOOP("SyncReport", "%n up"));
    count(report.downloaded, QT_TRANSLATE_N_NOOP("SyncReport", "%n down"));
    count(report.deletedHere, QT_TRANSLATE_N_NOOP("SyncReport", "%n deleted here"));
    count(report.deletedThere, QT_TRANSLATE_N_NOOP("SyncReport", "%n deleted on the server"));
    count(int(report.leftOut.size()), QT_TRANSLATE_N_NOOP("SyncReport", "%n left out"));
    count(report.stillLeftOut, QT_TRANSLATE_N_NOOP("SyncReport", "%n still left out"));
    if (!report.conflicts.isEmpty())
        parts << (report.conflicts.size() == 1 ? QCoreApplication::translate("SyncReport", "1 conflict")
                                               : QCoreApplication::translate("SyncReport", "%n conflicts", nullptr,
                                                                             int(report.conflicts.size())));
    return parts.isEmpty() ? QCoreApplication::translate("SyncReport", "nothing to change")
                           : parts.join(QStringLiteral(", "));
}

QStringList detailLines(const SyncReport &report)
{
    QStringList lines;
    for (const QString &item : report.leftOut)
        lines << QCoreApplication::translate("SyncReport", "Left out: ") + item;
    for (const QString &conflict : report.conflicts)
        lines << QCoreApplication::translate("SyncReport", "Changed on both sides: ") + conflict;
    return lines;
}

} // namespace vestrona
