#!/usr/bin/python3
"""Expands repeat rules with python-dateutil, for comparison with libical.

Reads from the file named first one rule a line: zone, start "YYYYMMDDTHHMMSS", end of the span, the
RRULE text, dates left out and dates added (lists joined by ","), separated
by tabs. Writes for each the UTC seconds of its occurrences up to the end,
joined by ",". A wall-clock time the zone skips happens when the gap ends,
a repeated one at its first pass.
"""
import sys
from datetime import datetime, timedelta, timezone
from zoneinfo import ZoneInfo

from dateutil.rrule import rrulestr, rruleset


def wall(text):
    return datetime.strptime(text, "%Y%m%dT%H%M%S")


def instant(naive, zone):
    first = naive.replace(tzinfo=zone, fold=0)
    utc = first.astimezone(timezone.utc)
    if utc.astimezone(zone).replace(tzinfo=None) == naive:
        return int(utc.timestamp())
    # Skipped: fold=1 reads it with the later offset, before the gap; the
    # gap ends at the first minute whose offset is the later one.
    t = naive.replace(tzinfo=zone, fold=1).astimezone(timezone.utc)
    later = naive.replace(tzinfo=zone, fold=1).utcoffset()
    while t.astimezone(zone).utcoffset() != later and t < utc:
        t += timedelta(minutes=1)
    return int(t.timestamp())


for line in open(sys.argv[1], encoding="utf-8"):
    zone_name, start, end, rule, exdates, rdates = line.rstrip("\n").split("\t")
    zone = ZoneInfo(zone_name)
    dtstart = wall(start)
    rules = rruleset()
    rules.rrule(rrulestr("RRULE:" + rule, dtstart=dtstart))
    for d in filter(None, exdates.split(",")):
        rules.exdate(wall(d))
    for d in filter(None, rdates.split(",")):
        rules.rdate(wall(d))
    times = rules.between(dtstart, wall(end), inc=True)
    print(",".join(str(instant(t, zone)) for t in times))
