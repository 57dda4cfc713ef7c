#include "tests/support/CalendarServer.h"

#include "tests/support/Process.h"

namespace vestrona::test {

QString makeCalendar(const QUrl &url, const QString &user, const QString &password, const QString &displayName,
                     const QStringList &trusted)
{
    const QString script = QStringLiteral(
        "import base64, ssl, sys, urllib.request\n"
        "from xml.sax.saxutils import escape\n"
        "url, user, password, name, *trusted = sys.argv[1:]\n"
        "context = ssl.create_default_context()\n"
        "for certificate in trusted:\n"
        "    context.load_verify_locations(cafile=certificate)\n"
        "auth = base64.b64encode(f'{user}:{password}'.encode()).decode()\n"
        "headers = {'Authorization': 'Basic ' + auth, 'X-Remote-User': user}\n"
        "body = None\n"
        "if name:\n"
        "    body = ('<C:mkcalendar xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><D:set><D:prop>'\n"
        "            f'<D:displayname>{escape(name)}</D:displayname></D:prop></D:set></C:mkcalendar>').encode()\n"
        "request = urllib.request.Request(url, data=body, method='MKCALENDAR', headers=headers)\n"
        "urllib.request.urlopen(request, context=context if url.startswith('https:') else None)\n");
    // Debian's interpreter, as for the servers: not one found first on PATH.
    const ProcessResult result = runProcess(QStringLiteral("/usr/bin/python3"),
                                            QStringList{QStringLiteral("-c"), script, url.toString(), user, password,
                                                        displayName}
                                                + trusted);
    if (result.exitCode == 0)
        return QString();
    return QStringLiteral("MKCALENDAR %1 failed: %2").arg(url.toString(), result.err);
}

} // namespace vestrona::test
