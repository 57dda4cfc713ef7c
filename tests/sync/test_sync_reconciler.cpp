#include "sync/SyncReconciler.h"

#include <QTest>

using namespace vestrona;

Q_DECLARE_METATYPE(EmptiedCalendar)

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

// A summary of "?" stands for calendar-data that cannot be read; a rule may
// carry further lines ("FREQ=DAILY\r\nEXDATE:...").
QByteArray event(const QString &uid, const QString &summary, const QString &rule)
{
    if (summary == QLatin1String("?"))
        return "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:garbage";
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid.toUtf8()
        + "\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20270105T093000\r\nSUMMARY:" + summary.toUtf8() + "\r\n"
        + (rule.isEmpty()                      ? QByteArray()
               : rule.startsWith(QLatin1Char('!')) ? rule.mid(1).toUtf8() + "\r\n"
                                                   : "RRULE:" + rule.toUtf8() + "\r\n")
        + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

// The inputs from the table's texts:
//  local    "id|message"
//  entries  "href|id|message as synced|etag[|L]"; id 0 for a server item no
//           reminder can hold, no href for a reminder here that cannot go
//           up, L for a reminder whose server version none can hold
//  present  "href|etag", removed "href"
//  fetched  "href|etag|summary[|RRULE]", or with "!" further lines as they
//           stand ("!STATUS:CANCELLED")
SyncInputs inputs(const QStringList &local, const QStringList &entries, const QStringList &present,
                  const QStringList &removed, bool whole, const QStringList &fetched,
                  EmptiedCalendar emptied = EmptiedCalendar::Ask)
{
    SyncInputs in;
    in.emptied = emptied;
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
        in.entries.push_back(
            {href(parts[0], in.local), id, parts[0], parts[3].toUtf8(), state, parts.value(4) == QLatin1String("L")});
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
    case Kind::KeepHere: return QStringLiteral("KeepHere");
    case Kind::Record: return QStringLiteral("Record");
    case Kind::RecordLeftOut: return QStringLiteral("RecordLeftOut");
    case Kind::ForgetHref: return QStringLiteral("ForgetHref");
    case Kind::ForgetLeftOut: return QStringLiteral("ForgetLeftOut");
    }
    return QString();
}

// "Kind href #id text": the text is what goes up or comes here; an
// upload's href made from the reminder's own UID reads "@id". A plan that
// asks the user is "Ask lost/held".
QStringList described(const SyncPlan &plan)
{
    QStringList lines;
    if (plan.serverEmptied)
        lines << QStringLiteral("Ask %1/%2").arg(plan.lost).arg(plan.held);
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
    void statesReadAsEarlierSyncsWroteThem_data();
    void statesReadAsEarlierSyncsWroteThem();
    void plans_data();
    void plans();
    void emptiedCalendarIsAQuestion_data();
    void emptiedCalendarIsAQuestion();
    void fetchesOnlyWhatIsNew_data();
    void fetchesOnlyWhatIsNew();
    void newHrefsArePlainNames();
    void laterPagesHaveTheLastWord_data();
    void laterPagesHaveTheLastWord();
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
    // Items named now + items named before and still left out.
    QTest::addColumn<QString>("leftOut");
    using L = QStringList;

    QTest::newRow("first sync: both ways")
        << L{"1|Water the plants"} << L{} << L{"/c/p1|e1"} << L{} << true << L{"/c/p1|e1|Dentist"}
        << L{"AddHere /c/p1 Dentist", "UploadNew @1 #1 Water the plants"} << "0+0";
    QTest::newRow("nothing changed")
        << L{"1|Dentist"} << L{"/c/h1|1|Dentist|e1"} << L{"/c/h1|e1"} << L{} << true << L{} << L{} << "0+0";
    QTest::newRow("token forgotten: the whole listing tells what went")
        << L{"1|Dentist", "2|Gym"} << L{"/c/h1|1|Dentist|e1", "/c/h2|2|Gym|e2"} << L{"/c/h1|e1", "/c/p1|e5"}
        << L{} << true << L{"/c/p1|e5|Phone 1"} << L{"AddHere /c/p1 Phone 1", "DeleteHere /c/h2 #2"} << "0+0";
    QTest::newRow("edited here")
        << L{"1|Pay rent today"} << L{"/c/h1|1|Pay rent|e1"} << L{} << L{} << false << L{}
        << L{"UploadChange /c/h1 #1 Pay rent today"} << "0+0";
    QTest::newRow("deleted here")
        << L{} << L{"/c/h1|1|Pay rent|e1"} << L{} << L{} << false << L{} << L{"DeleteThere /c/h1 #1"} << "0+0";
    QTest::newRow("edited on the phone")
        << L{"1|Pay rent"} << L{"/c/h1|1|Pay rent|e1"} << L{"/c/h1|e2"} << L{} << false
        << L{"/c/h1|e2|Pay rent today"} << L{"ChangeHere /c/h1 #1 Pay rent today"} << "0+0";
    QTest::newRow("deleted on the phone")
        << L{"1|Pay rent", "2|Gym"} << L{"/c/h1|1|Pay rent|e1", "/c/h2|2|Gym|e1"} << L{} << L{"/c/h1"} << false
        << L{} << L{"DeleteHere /c/h1 #1"} << "0+0";
    QTest::newRow("cancelled on the phone")
        << L{"1|Pay rent", "2|Gym"} << L{"/c/h1|1|Pay rent|e1", "/c/h2|2|Gym|e1"} << L{"/c/h1|e2"} << L{} << false
        << L{"/c/h1|e2|Pay rent|!STATUS:CANCELLED"} << L{"DeleteHere /c/h1 #1"} << "0+0";
    QTest::newRow("edited here, cancelled there: the edit rings on")
        << L{"1|Pay rent today"} << L{"/c/h1|1|Pay rent|e1"} << L{"/c/h1|e2"} << L{} << false
        << L{"/c/h1|e2|Pay rent|!STATUS:CANCELLED"} << L{"KeepHere /c/h1 #1"} << "1+0";
    QTest::newRow("changed on both sides: the server's wins")
        << L{"1|Call mum at six"} << L{"/c/h1|1|Call mum|e1"} << L{"/c/h1|e2"} << L{} << false
        << L{"/c/h1|e2|Call mum at seven"} << L{"TakeServers /c/h1 #1 Call mum at seven"} << "0+0";
    QTest::newRow("deleted here, edited there: the edit wins")
        << L{} << L{"/c/h1|1|Gym|e1"} << L{"/c/h1|e2"} << L{} << false << L{"/c/h1|e2|Gym at eight"}
        << L{"AddHere /c/h1 Gym at eight"} << "0+0";
    QTest::newRow("edited here, deleted there: the edit wins")
        << L{"1|Gym at nine"} << L{"/c/h1|1|Gym|e1"} << L{} << L{"/c/h1"} << false << L{}
        << L{"UploadNew /c/h1 #1 Gym at nine"} << "0+0";
    QTest::newRow("left out on both sides, named once")
        << L{"1|Never rings!"} << L{} << L{"/c/rent|e1"} << L{} << true << L{"/c/rent|e1|Pay rent|FREQ=YEARLY;BYWEEKNO=1"}
        << L{"Record /c/rent", "RecordLeftOut #1"} << "2+0";
    QTest::newRow("left out before and unchanged: counted, not named")
        << L{"1|Never rings!"} << L{"/c/rent|0||e1", "|1|Never rings!|"} << L{"/c/rent|e1"} << L{} << true << L{}
        << L{} << "0+2";
    QTest::newRow("a left-out reminder deleted here is forgotten")
        << L{} << L{"|1|Never rings!|"} << L{} << L{} << false << L{} << L{"ForgetLeftOut #1"} << "0+0";
    QTest::newRow("a left-out server item gone is forgotten")
        << L{"1|Dentist"} << L{"/c/rent|0||e1", "/c/h1|1|Dentist|e1"} << L{"/c/h1|e1"} << L{} << true << L{}
        << L{"ForgetHref /c/rent"} << "0+0";
    QTest::newRow("an upload whose answer was lost is linked, not sent again")
        << L{"1|Dentist"} << L{} << L{"@1|e1"} << L{} << true << L{"@1|e1|Dentist"} << L{"Record @1 #1"} << "0+0";

    // Absence is no deletion.
    QTest::newRow("missing from the changes since a token: kept")
        << L{"1|Dentist"} << L{"/c/h1|1|Dentist|e1"} << L{} << L{} << false << L{} << L{} << "0+0";
    QTest::newRow("missing from a listing cut short: kept")
        << L{"1|Dentist", "2|Gym"} << L{"/c/h1|1|Dentist|e1", "/c/h2|2|Gym|e1"} << L{"/c/h1|e1"} << L{} << false
        << L{} << L{} << "0+0";
    QTest::newRow("listed, but the fetch did not return it: kept")
        << L{"1|Dentist"} << L{"/c/h1|1|Dentist|e1"} << L{"/c/h1|e2"} << L{} << false << L{} << L{} << "0+0";
    QTest::newRow("calendar-data that cannot be read: kept, named")
        << L{"1|Dentist"} << L{"/c/h1|1|Dentist|e1"} << L{"/c/h1|e2"} << L{} << false << L{"/c/h1|e2|?"}
        << L{"KeepHere /c/h1 #1"} << "1+0";
    QTest::newRow("a phone left out one day: the reminder rings on, named")
        << L{"1|Gym"} << L{"/c/h1|1|Gym|e1"} << L{"/c/h1|e2"} << L{} << false
        << L{"/c/h1|e2|Gym|FREQ=DAILY\r\nEXRULE:FREQ=WEEKLY"} << L{"KeepHere /c/h1 #1"} << "1+0";
    QTest::newRow("kept against the server's version: an edit here is not sent, it is counted")
        << L{"1|Gym at nine"} << L{"/c/h1|1|Gym|e2|L"} << L{} << L{} << false << L{} << L{} << "0+1";
    QTest::newRow("kept against the server's version, deleted here: the server's stays")
        << L{} << L{"/c/h1|1|Gym|e2|L"} << L{} << L{} << false << L{} << L{"Record /c/h1"} << "0+1";
    QTest::newRow("kept, then deleted there: deleted here")
        << L{"1|Gym", "2|Walk"} << L{"/c/h1|1|Gym|e2|L", "/c/h2|2|Walk|e1"} << L{} << L{"/c/h1"} << false << L{}
        << L{"DeleteHere /c/h1 #1"} << "0+0";

    // Nothing doubled: a reminder without an entry is matched first.
    QTest::newRow("the same reminder uploaded from another address is linked")
        << L{"1|Dentist"} << L{} << L{"/c/x|e1"} << L{} << true << L{"/c/x|e1|Dentist"} << L{"Record /c/x #1"}
        << "0+0";
    QTest::newRow("two alike here, one there: one linked, one sent")
        << L{"1|Dentist", "2|Dentist"} << L{} << L{"/c/x|e1"} << L{} << true << L{"/c/x|e1|Dentist"}
        << L{"Record /c/x #1", "UploadNew @2 #2 Dentist"} << "0+0";
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
    QFETCH(QString, leftOut);

    const SyncPlan plan = reconcile(inputs(local, entries, present, removed, whole, fetched));
    QCOMPARE(described(plan), actions);
    QCOMPARE(QStringLiteral("%1+%2").arg(plan.leftOut.size()).arg(plan.stillLeftOut), leftOut);
}

void TestSyncReconciler::emptiedCalendarIsAQuestion_data()
{
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("lost");
    // Lost by a sync-collection report, not by their absence from a listing.
    QTest::addColumn<bool>("reported");
    QTest::addColumn<bool>("editedHere");
    QTest::addColumn<EmptiedCalendar>("answer");
    QTest::addColumn<QString>("expected");
    const auto ask = EmptiedCalendar::Ask;
    QTest::newRow("the only one gone") << 1 << 1 << false << false << ask << "1 DeleteHere";
    QTest::newRow("both gone") << 2 << 2 << false << false << ask << "Ask 2/2";
    QTest::newRow("all gone, by report") << 3 << 3 << true << false << ask << "Ask 3/3";
    QTest::newRow("two of three gone") << 3 << 2 << false << false << ask << "2 DeleteHere";
    QTest::newRow("six of ten gone") << 10 << 6 << false << false << ask << "Ask 6/10";
    QTest::newRow("five of ten gone") << 10 << 5 << false << false << ask << "5 DeleteHere";
    QTest::newRow("all gone, all edited here") << 3 << 3 << false << true << ask << "3 UploadNew";
    QTest::newRow("answered: upload all") << 10 << 10 << false << false << EmptiedCalendar::UploadAll
                                          << "10 UploadNew";
    QTest::newRow("answered: accept deletions")
        << 10 << 10 << true << false << EmptiedCalendar::AcceptDeletions << "10 DeleteHere";
}

void TestSyncReconciler::emptiedCalendarIsAQuestion()
{
    QFETCH(int, held);
    QFETCH(int, lost);
    QFETCH(bool, reported);
    QFETCH(bool, editedHere);
    QFETCH(EmptiedCalendar, answer);
    QFETCH(QString, expected);
    QStringList local, entries, present, removed;
    for (int i = 1; i <= held; ++i) {
        const QString href = QStringLiteral("/c/h%1").arg(i);
        const bool gone = i <= lost;
        local << QStringLiteral("%1|Item %1%2").arg(i).arg(gone && editedHere ? QStringLiteral(" edited") : QString());
        entries << QStringLiteral("%1|%2|Item %2|e1").arg(href).arg(i);
        if (gone && reported)
            removed << href;
        else if (!gone)
            present << href + QStringLiteral("|e1");
    }

    const SyncPlan plan = reconcile(inputs(local, entries, present, removed, !reported, {}, answer));
    const QStringList lines = described(plan);
    if (expected.startsWith(QLatin1String("Ask"))) {
        QCOMPARE(lines, QStringList{expected});
        return;
    }
    QCOMPARE(plan.serverEmptied, false);
    const QString kind = expected.section(QLatin1Char(' '), 1);
    QCOMPARE(QStringLiteral("%1 %2").arg(lines.filter(kind + QLatin1Char(' ')).size()).arg(kind), expected);
    QCOMPARE(lines.size(), lost);
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

// Pages as "+a:1" (a changed, ETag 1) and "-a" (a removed); the listing as
// "a:1" for what is present and "-a" for what is removed.
void TestSyncReconciler::laterPagesHaveTheLastWord_data()
{
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QString>("listing");
    QTest::newRow("changed again later") << QStringList{"+a:1 +b:1", "+a:2"} << "b:1 a:2";
    QTest::newRow("removed later") << QStringList{"+a:1 +b:1", "-a"} << "b:1 -a";
    QTest::newRow("back after removal") << QStringList{"-a +b:1", "+a:3"} << "b:1 a:3";
    QTest::newRow("changed, then removed in one page") << QStringList{"+a:1 +b:1 -a"} << "b:1 -a";
    QTest::newRow("twice in one page") << QStringList{"+a:1 +b:1 +a:2"} << "b:1 a:2";
}

void TestSyncReconciler::laterPagesHaveTheLastWord()
{
    QFETCH(QStringList, pages);
    QFETCH(QString, listing);
    ServerListing sofar;
    for (const QString &text : pages) {
        CalDavChanges page;
        for (const QString &word : text.split(QLatin1Char(' '))) {
            if (word.startsWith(QLatin1Char('-')))
                page.removed.push_back(word.mid(1));
            else
                page.changed.push_back({word.mid(1).section(QLatin1Char(':'), 0, 0),
                                        word.section(QLatin1Char(':'), 1).toLatin1()});
        }
        addPage(sofar, page);
    }
    QStringList words;
    for (const CalDavResource &resource : sofar.present)
        words << resource.href + QLatin1Char(':') + QString::fromLatin1(resource.etag);
    for (const QString &href : sofar.removed)
        words << QLatin1Char('-') + href;
    QCOMPARE(words.join(QLatin1Char(' ')), listing);
}

QTEST_GUILESS_MAIN(TestSyncReconciler)
// The bookkeeping holds each reminder's date and time as Qt's ISO forms
// wrote them; a text of another form would take every reminder for
// changed and send them all again.
void TestSyncReconciler::statesReadAsEarlierSyncsWroteThem_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::newRow("ordinary") << QDate(2027, 1, 5) << QTime(9, 30);
    QTest::newRow("leap day, with milliseconds") << QDate(2028, 2, 29) << QTime(23, 59, 59, 999);
    QTest::newRow("first year, midnight") << QDate(1, 1, 1) << QTime(0, 0);
    QTest::newRow("last four-digit year") << QDate(9999, 12, 31) << QTime(12, 0, 5);
    QTest::newRow("five-digit year") << QDate(10000, 1, 1) << QTime(12, 0);
    QTest::newRow("before the first year") << QDate(-5, 3, 1) << QTime(12, 0);
    QTest::newRow("invalid") << QDate() << QTime();
}

void TestSyncReconciler::statesReadAsEarlierSyncsWroteThem()
{
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    ReminderRecord row = reminder(1, QStringLiteral("Dentist"));
    row.StartDate = date;
    row.StartTime = time;
    const SyncedState state = syncedStateOf(row);
    QCOMPARE(state.date, date.toString(Qt::ISODate));
    QCOMPARE(state.time, time.toString(Qt::ISODate));
}

#include "test_sync_reconciler.moc"
