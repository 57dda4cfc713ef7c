#include "sync/SyncReconciler.h"

#include <QTest>

using namespace vestrona;

namespace {

const QString kPath = QStringLiteral("/c/");
const QString kCalendar = QStringLiteral("calendar-here");

// A message ending in "!" is a weekly reminder on no weekday: it never
// rings and cannot go to the server.
ReminderRecord reminder(qint64 id, const QString &message)
{
    ReminderRecord row;
    row.ID = id;
    row.StartDate = QDate(2027, 1, 5);
    row.StartTime = QTime(9, 30);
    row.Reminder = message;
    if (message.endsWith(QLatin1Char('!')))
        row.Option = OptionWeekly;
    return row;
}

// "@1" is the href reminder 1 is uploaded to; any other text is itself.
QString href(const QString &text, const std::vector<ReminderRecord> &local)
{
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    const qint64 id = text.mid(1).toLongLong();
    for (const ReminderRecord &row : local) {
        if (row.ID == id)
            return newHref(kPath, iCalendarUid(row, kCalendar));
    }
    return text;
}

QByteArray event(const QString &uid, const QString &summary, const QString &rule)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid.toUtf8()
        + "\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20270105T093000\r\nSUMMARY:" + summary.toUtf8() + "\r\n"
        + (rule.isEmpty() ? QByteArray() : "RRULE:" + rule.toUtf8() + "\r\n") + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

// The inputs from the table's texts:
//  local    "id|message"
//  entries  "href|id|message as synced|etag"; id 0 for a server item no
//           reminder can hold, no href for a reminder here that cannot go up
//  present  "href|etag", removed "href"
//  fetched  "href|etag|summary[|RRULE]"
SyncInputs inputs(const QStringList &local, const QStringList &entries, const QStringList &present,
                  const QStringList &removed, bool whole, const QStringList &fetched)
{
    SyncInputs in;
    in.calendarId = kCalendar;
    in.collectionPath = kPath;
    for (const QString &text : local) {
        const QStringList parts = text.split(QLatin1Char('|'));
        in.local.push_back(reminder(parts[0].toLongLong(), parts[1]));
    }
    for (const QString &text : entries) {
        const QStringList parts = text.split(QLatin1Char('|'));
        const qint64 id = parts[1].toLongLong();
        const SyncedState state = id ? syncedStateOf(reminder(id, parts[2])) : SyncedState();
        in.entries.push_back({href(parts[0], in.local), id, parts[0], parts[3].toUtf8(), state});
    }
    for (const QString &text : present) {
        const QStringList parts = text.split(QLatin1Char('|'));
        in.listing.present.push_back({href(parts[0], in.local), parts[1].toUtf8()});
    }
    for (const QString &text : removed)
        in.listing.removed.push_back(href(text, in.local));
    in.listing.whole = whole;
    for (const QString &text : fetched) {
        const QStringList parts = text.split(QLatin1Char('|'));
        const QString at = href(parts[0], in.local);
        in.fetched[at] = {at, parts[1].toUtf8(), readICalendarResource(event(parts[0], parts[2], parts.value(3)))};
    }
    return in;
}

QString kindName(SyncAction::Kind kind)
{
    using Kind = SyncAction::Kind;
    switch (kind) {
    case Kind::UploadNew: return QStringLiteral("UploadNew");
    case Kind::UploadChange: return QStringLiteral("UploadChange");
    case Kind::DeleteThere: return QStringLiteral("DeleteThere");
    case Kind::AddHere: return QStringLiteral("AddHere");
    case Kind::ChangeHere: return QStringLiteral("ChangeHere");
    case Kind::TakeServers: return QStringLiteral("TakeServers");
    case Kind::DeleteHere: return QStringLiteral("DeleteHere");
    case Kind::ArchiveAndDeleteHere: return QStringLiteral("ArchiveAndDeleteHere");
    case Kind::Record: return QStringLiteral("Record");
    case Kind::RecordLeftOut: return QStringLiteral("RecordLeftOut");
    case Kind::ForgetHref: return QStringLiteral("ForgetHref");
    case Kind::ForgetLeftOut: return QStringLiteral("ForgetLeftOut");
    }
    return QString();
}

// "Kind href #id text": the text is what goes up or comes here; an
// upload's href made from the reminder's own UID reads "@id".
QStringList described(const SyncPlan &plan)
{
    QStringList lines;
    for (const SyncAction &action : plan.actions) {
        QStringList parts{kindName(action.kind)};
        if (!action.href.isEmpty())
            parts << (action.href == newHref(kPath, iCalendarUid(action.row, kCalendar))
                          ? QStringLiteral("@%1").arg(action.row.ID)
                          : action.href);
        if (action.row.ID)
            parts << QStringLiteral("#%1").arg(action.row.ID);
        if (!action.values.message.isEmpty())
            parts << action.values.message;
        else if (action.kind == SyncAction::Kind::UploadNew || action.kind == SyncAction::Kind::UploadChange)
            parts << action.row.Reminder;
        lines << parts.join(QLatin1Char(' '));
    }
    return lines;
}

} // namespace

class TestSyncReconciler : public QObject {
    Q_OBJECT

private slots:
    void plans_data();
    void plans();
    void fetchesOnlyWhatIsNew_data();
    void fetchesOnlyWhatIsNew();
    void newHrefsArePlainNames();
};

void TestSyncReconciler::plans_data()
{
    QTest::addColumn<QStringList>("local");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QStringList>("fetched");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("leftOut");
    using L = QStringList;

    QTest::newRow("first sync: both ways")
        << L{"1|Water the plants"} << L{} << L{"/c/p1|e1"} << L{} << true << L{"/c/p1|e1|Dentist"}
        << L{"AddHere /c/p1 Dentist", "UploadNew @1 #1 Water the plants"} << 0;
    QTest::newRow("nothing changed")
        << L{"1|Dentist"} << L{"/c/h1|1|Dentist|e1"} << L{"/c/h1|e1"} << L{} << true << L{} << L{} << 0;
    QTest::newRow("token forgotten: the whole listing tells what went")
        << L{"1|Dentist", "2|Gym"} << L{"/c/h1|1|Dentist|e1", "/c/h2|2|Gym|e2"} << L{"/c/h1|e1", "/c/p1|e5"}
        << L{} << true << L{"/c/p1|e5|Phone 1"} << L{"AddHere /c/p1 Phone 1", "DeleteHere /c/h2 #2"} << 0;
    QTest::newRow("edited here")
        << L{"1|Pay rent today"} << L{"/c/h1|1|Pay rent|e1"} << L{} << L{} << false << L{}
        << L{"UploadChange /c/h1 #1 Pay rent today"} << 0;
    QTest::newRow("deleted here")
        << L{} << L{"/c/h1|1|Pay rent|e1"} << L{} << L{} << false << L{} << L{"DeleteThere /c/h1 #1"} << 0;
    QTest::newRow("edited on the phone")
        << L{"1|Pay rent"} << L{"/c/h1|1|Pay rent|e1"} << L{"/c/h1|e2"} << L{} << false
        << L{"/c/h1|e2|Pay rent today"} << L{"ChangeHere /c/h1 #1 Pay rent today"} << 0;
    QTest::newRow("deleted on the phone")
        << L{"1|Pay rent"} << L{"/c/h1|1|Pay rent|e1"} << L{} << L{"/c/h1"} << false << L{}
        << L{"DeleteHere /c/h1 #1"} << 0;
    QTest::newRow("changed on both sides: the server's wins")
        << L{"1|Call mum at six"} << L{"/c/h1|1|Call mum|e1"} << L{"/c/h1|e2"} << L{} << false
        << L{"/c/h1|e2|Call mum at seven"} << L{"TakeServers /c/h1 #1 Call mum at seven"} << 0;
    QTest::newRow("deleted here, edited there: the edit wins")
        << L{} << L{"/c/h1|1|Gym|e1"} << L{"/c/h1|e2"} << L{} << false << L{"/c/h1|e2|Gym at eight"}
        << L{"AddHere /c/h1 Gym at eight"} << 0;
    QTest::newRow("edited here, deleted there: the edit wins")
        << L{"1|Gym at nine"} << L{"/c/h1|1|Gym|e1"} << L{} << L{"/c/h1"} << false << L{}
        << L{"UploadNew /c/h1 #1 Gym at nine"} << 0;
    QTest::newRow("left out on both sides, named once")
        << L{"1|Never rings!"} << L{} << L{"/c/rent|e1"} << L{} << true << L{"/c/rent|e1|Pay rent|FREQ=MONTHLY"}
        << L{"Record /c/rent", "RecordLeftOut #1"} << 2;
    QTest::newRow("left out before and unchanged: not named again")
        << L{"1|Never rings!"} << L{"/c/rent|0||e1", "|1|Never rings!|"} << L{"/c/rent|e1"} << L{} << true << L{}
        << L{} << 0;
    QTest::newRow("a left-out reminder deleted here is forgotten")
        << L{} << L{"|1|Never rings!|"} << L{} << L{} << false << L{} << L{"ForgetLeftOut #1"} << 0;
    QTest::newRow("a left-out server item gone is forgotten")
        << L{} << L{"/c/rent|0||e1"} << L{} << L{} << true << L{} << L{"ForgetHref /c/rent"} << 0;
    QTest::newRow("an upload whose answer was lost is linked, not sent again")
        << L{"1|Dentist"} << L{} << L{"@1|e1"} << L{} << true << L{"@1|e1|Dentist"} << L{"Record @1 #1"} << 0;
}

void TestSyncReconciler::plans()
{
    QFETCH(QStringList, local);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, present);
    QFETCH(QStringList, removed);
    QFETCH(bool, whole);
    QFETCH(QStringList, fetched);
    QFETCH(QStringList, actions);
    QFETCH(int, leftOut);

    const SyncPlan plan = reconcile(inputs(local, entries, present, removed, whole, fetched));
    QCOMPARE(described(plan), actions);
    QCOMPARE(plan.leftOut.size(), leftOut);
}

void TestSyncReconciler::fetchesOnlyWhatIsNew_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("expected");
    using L = QStringList;
    QTest::newRow("new") << L{} << L{"/c/a|e1"} << L{"/c/a"};
    QTest::newRow("own upload, same ETag") << L{"/c/a|1|A|e1"} << L{"/c/a|e1"} << L{};
    QTest::newRow("changed ETag") << L{"/c/a|1|A|e1"} << L{"/c/a|e2"} << L{"/c/a"};
    QTest::newRow("left-out item unchanged") << L{"/c/a|0||e1"} << L{"/c/a|e1"} << L{};
}

void TestSyncReconciler::fetchesOnlyWhatIsNew()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, present);
    QFETCH(QStringList, expected);
    const SyncInputs in = inputs({}, entries, present, {}, false, {});
    const std::vector<QString> hrefs = hrefsToFetch(in.listing, in.entries);
    QCOMPARE(QStringList(hrefs.begin(), hrefs.end()), expected);
}

void TestSyncReconciler::newHrefsArePlainNames()
{
    QCOMPARE(newHref(QStringLiteral("/alice/cal"), QStringLiteral("a b/c@d.e_f-1")),
             QStringLiteral("/alice/cal/a-b-c-d.e_f-1.ics"));
    QCOMPARE(newHref(QStringLiteral("/alice/cal/"), QStringLiteral("ünï")), QStringLiteral("/alice/cal/-n-.ics"));
}

QTEST_GUILESS_MAIN(TestSyncReconciler)
#include "test_sync_reconciler.moc"
