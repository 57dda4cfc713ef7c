#!/usr/bin/python3
"""A phone's calendar app for the sync tests: Python's caldav library on the
same calendar collection the program syncs with.

  phone.py URL USER PASSWORD CAFILE COMMAND ARGS...

CAFILE is empty for a server on plain http.

  add UID SUMMARY START [RRULE]  a new event; START is UTC, YYYYMMDDTHHMMSSZ
  edit UID SUMMARY               the event's summary changed
  exdate UID WHEN                one occurrence left out; WHEN as START
  delete UID                     the event removed
  summaries                      "UID<TAB>SUMMARY" for every event, sorted
  resource UID                   the ETag on one line, then the stored text
  reset                          the calendar deleted and made again, empty,
                                 as a reset of the account on the server does

Fails (exit 1, the reason on stderr) when the server refuses or the event is
missing.
"""

import re
import sys

import caldav

EVENT = """BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Vestrona tests//phone//EN
BEGIN:VEVENT
UID:{uid}
DTSTAMP:20240101T000000Z
DTSTART:{start}
{rrule}SUMMARY:{summary}
END:VEVENT
END:VCALENDAR
"""


def by_uid(calendar, uid):
    return calendar.event_by_uid(uid)


def main(argv):
    url, user, password, cafile, command, *args = argv[1:]
    client = caldav.DAVClient(url, username=user, password=password, ssl_verify_cert=cafile)
    calendar = client.calendar(url=url)
    if command == "add":
        uid, summary, start, *rule = args
        rrule = f"RRULE:{rule[0]}\n" if rule else ""
        calendar.save_event(EVENT.format(uid=uid, start=start, rrule=rrule, summary=summary))
    elif command == "edit":
        uid, summary = args
        event = by_uid(calendar, uid)
        event.vobject_instance.vevent.summary.value = summary
        event.save()
    elif command == "exdate":
        uid, when = args
        event = by_uid(calendar, uid)
        event.data = re.sub(r"END:VEVENT", f"EXDATE:{when}\r\nEND:VEVENT", event.data, count=1)
        event.save()
    elif command == "delete":
        by_uid(calendar, args[0]).delete()
    elif command == "summaries":
        lines = []
        for event in calendar.events():
            vevent = event.vobject_instance.vevent
            lines.append(f"{vevent.uid.value}\t{vevent.summary.value}")
        print("\n".join(sorted(lines)))
    elif command == "resource":
        event = by_uid(calendar, args[0])
        answer = client.request(str(event.url), "GET")
        if answer.status != 200:
            raise RuntimeError(f"GET {event.url}: {answer.status}")
        print(answer.headers.get("ETag"))
        sys.stdout.write(answer.raw if isinstance(answer.raw, str) else answer.raw.decode())
    elif command == "reset":
        for answer in (client.delete(url), client.mkcalendar(url)):
            if answer.status not in (200, 201, 204):
                raise RuntimeError(f"{url}: {answer.status}")
    else:
        raise RuntimeError(f"unknown command {command}")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv))
    except Exception as error:  # the test shows the reason
        print(f"phone.py: {type(error).__name__}: {error}", file=sys.stderr)
        sys.exit(1)
