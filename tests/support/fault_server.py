#!/usr/bin/python3
"""A calendar server that misbehaves on purpose, for the sync's failure tests.

The first path segment picks the misbehaviour, whatever the method:
  /unauthorized/...  401 with a Basic challenge
  /error500/...      500
  /stall/...         reads the request, then never answers
  /huge/...          207 with 50 MB of body and no Content-Length
  /huge-declared/... the same body, announced by Content-Length
  /malformed/...     207 with broken XML
  /entities/...      207 whose XML declares entities
  /redirect-away/... 301 to another server
  /redirect-loop/... 301 to the same address, for ever
  /drip/...          207 whose body comes one byte every 0.1 s, never ending
                     within a minute (each byte just before a stall timeout)
  /truncated/...     207 listing one change and a 507 for the collection
                     itself (a sync-collection answer cut short, RFC 6578)
  /big-listing/...   207 listing 40,000 events with their ETags (about
                     8 MB), in pieces, with no Content-Length
  /big-multiget/...  207 with the calendar data of 14,000 events of about
                     1 kB each (about 17 MB), announced by Content-Length
Prints "PORT <n>" once it listens on 127.0.0.1, then serves until killed.
"""

import http.server
import sys
import time

HUGE_BYTES = 50 * 1024 * 1024
CHUNK = b"<d:response><d:href>/x</d:href></d:response>" * 1024

MALFORMED = b"""<?xml version="1.0"?>
<d:multistatus xmlns:d="DAV:"><d:response><d:href>/a/b.ics</d:href>
<d:propstat><d:prop><d:getetag>"1"</d:getetag></d:propstat></d:response>"""

ENTITIES = b"""<?xml version="1.0"?>
<!DOCTYPE d:multistatus [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]>
<d:multistatus xmlns:d="DAV:"><d:response><d:href>/a/&b;.ics</d:href></d:response></d:multistatus>"""


TRUNCATED = b"""<?xml version="1.0"?>
<d:multistatus xmlns:d="DAV:">
<d:response><d:href>/truncated/calendar/a.ics</d:href>
<d:propstat><d:prop><d:getetag>"1"</d:getetag></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
<d:response><d:href>/truncated/calendar/</d:href><d:status>HTTP/1.1 507 Insufficient Storage</d:status></d:response>
<d:sync-token>http://example.org/sync/2</d:sync-token>
</d:multistatus>"""

DRIP_SECONDS = 60
BIG_MULTIGET_EVENTS = 14000

BIG_LISTING_EVENTS = 40000


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def huge(self, declared):
        self.send_response(207)
        self.send_header("Content-Type", "application/xml")
        if declared:
            self.send_header("Content-Length", str(HUGE_BYTES))
        else:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        sent = 0
        try:
            while sent < HUGE_BYTES:
                self.wfile.write(CHUNK)
                sent += len(CHUNK)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def drip(self):
        self.send_response(207)
        self.send_header("Content-Type", "application/xml")
        self.send_header("Content-Length", str(DRIP_SECONDS * 10))
        self.end_headers()
        try:
            for _ in range(DRIP_SECONDS * 10):
                self.wfile.write(b" ")
                self.wfile.flush()
                time.sleep(0.1)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def big_listing(self):
        self.send_response(207)
        self.send_header("Content-Type", "application/xml")
        self.send_header("Connection", "close")
        self.close_connection = True
        self.end_headers()
        self.wfile.write(b'<?xml version="1.0"?>\n<d:multistatus xmlns:d="DAV:">')
        for n in range(BIG_LISTING_EVENTS):
            self.wfile.write(
                b"<d:response><d:href>/big-listing/calendar/event-%06d.ics</d:href><d:propstat><d:prop>"
                b'<d:getetag>"etag-%06d-0123456789abcdef0123456789abcdef"</d:getetag>'
                b"</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>\n" % (n, n))
        self.wfile.write(b"<d:sync-token>http://example.org/sync/big</d:sync-token></d:multistatus>")

    def big_multiget(self):
        padding = b"DESCRIPTION:" + b"x" * 900 + b"\r\n"
        responses = b"".join(
            b"<d:response><d:href>/big-multiget/calendar/event-%06d.ics</d:href><d:propstat><d:prop>"
            b'<d:getetag>"etag-%06d"</d:getetag><c:calendar-data>BEGIN:VCALENDAR\r\nVERSION:2.0\r\n'
            b"BEGIN:VEVENT\r\nUID:event-%06d\r\nDTSTART:20270105T093000\r\nSUMMARY:Event %06d\r\n%s"
            b"END:VEVENT\r\nEND:VCALENDAR\r\n</c:calendar-data></d:prop><d:status>HTTP/1.1 200 OK</d:status>"
            b"</d:propstat></d:response>\n" % (n, n, n, n, padding)
            for n in range(BIG_MULTIGET_EVENTS))
        body = (b'<?xml version="1.0"?>\n<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">'
                + responses + b"</d:multistatus>")
        self.answer(207, body, [("Content-Type", "application/xml")])

    def handle_any(self):
        length = int(self.headers.get("Content-Length") or 0)
        if length:
            self.rfile.read(length)
        mode = self.path.strip("/").split("/")[0]
        if mode == "unauthorized":
            self.answer(401, b"no", [("WWW-Authenticate", 'Basic realm="calendar"')])
        elif mode == "error500":
            self.answer(500, b"broken")
        elif mode == "stall":
            time.sleep(3600)
        elif mode in ("huge", "huge-declared"):
            self.huge(mode == "huge-declared")
        elif mode == "malformed":
            self.answer(207, MALFORMED, [("Content-Type", "application/xml")])
        elif mode == "entities":
            self.answer(207, ENTITIES, [("Content-Type", "application/xml")])
        elif mode == "redirect-away":
            self.answer(301, b"", [("Location", "https://elsewhere.invalid/cal/")])
        elif mode == "redirect-loop":
            self.answer(301, b"", [("Location", self.path)])
        elif mode == "drip":
            self.drip()
        elif mode == "big-listing":
            self.big_listing()
        elif mode == "big-multiget":
            self.big_multiget()
        elif mode == "truncated":
            self.answer(207, TRUNCATED, [("Content-Type", "application/xml")])
        else:
            self.answer(404)

    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = do_MKCALENDAR = handle_any


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print("PORT", server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
