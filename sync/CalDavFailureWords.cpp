#include "sync/CalDavFailureWords.h"

#include <QCoreApplication>

namespace vestrona {

CalDavFailure calDavFailure(CalDavFailure::Kind kind, const QString &words)
{
    CalDavFailure result;
    result.kind = kind;
    result.words = words;
    return result;
}

QString serverName(const QUrl &url)
{
    return url.port() == -1 ? url.host() : QStringLiteral("%1:%2").arg(url.host()).arg(url.port());
}

CalDavFailure unreadableAnswer(const QUrl &url, const QString &why)
{
    return calDavFailure(CalDavFailure::Kind::BadResponse,
                         QCoreApplication::translate(
                             "CalDavFailureWords", "The calendar server %1 sent an answer the program cannot read: %2.")
                             .arg(serverName(url), why));
}

namespace {

// "500 (Internal Server Error)", or "500" alone when the server gave no reason.
QString statusText(int status, const QString &reason)
{
    return reason.trimmed().isEmpty() ? QString::number(status) : QStringLiteral("%1 (%2)").arg(status).arg(reason.trimmed());
}

} // namespace

CalDavFailure statusFailure(int status, const QString &reason, const QString &server, const QString &path)
{
    using Kind = CalDavFailure::Kind;
    switch (status) {
    case 401:
        return calDavFailure(
            Kind::Unauthorized,
            QCoreApplication::translate("CalDavFailureWords",
                                        "The calendar server did not accept the user name or password."));
    case 403:
        return calDavFailure(
            Kind::Server,
            QCoreApplication::translate("CalDavFailureWords", "The calendar server %1 does not let this user reach %2.")
                .arg(server, path));
    case 404:
    case 410:
        return calDavFailure(
            Kind::NotFound,
            QCoreApplication::translate("CalDavFailureWords", "The calendar server %1 has nothing at %2.")
                .arg(server, path));
    case 405:
        return calDavFailure(Kind::Server,
                             QCoreApplication::translate(
                                 "CalDavFailureWords",
                                 "The calendar server %1 does not allow this request on %2; is it the address of a "
                                 "calendar?")
                                 .arg(server, path));
    case 412:
        return calDavFailure(
            Kind::PreconditionFailed,
            QCoreApplication::translate("CalDavFailureWords", "%1 was changed on the calendar server %2 meanwhile.")
                .arg(path, server));
    case 413:
        return calDavFailure(
            Kind::TooLarge,
            QCoreApplication::translate("CalDavFailureWords", "The calendar server %1 refused %2 as too large.")
                .arg(server, path));
    case 503:
        return calDavFailure(
            Kind::Server,
            QCoreApplication::translate("CalDavFailureWords",
                                        "The calendar server %1 is busy or down for maintenance; try again later.")
                .arg(server));
    case 507:
        return calDavFailure(
            Kind::Server,
            QCoreApplication::translate("CalDavFailureWords", "The calendar server %1 has no room left for %2.")
                .arg(server, path));
    default:
        break;
    }
    if (status >= 300 && status < 400)
        return calDavFailure(
            Kind::Server,
            QCoreApplication::translate("CalDavFailureWords",
                                        "The calendar server %1 sent the request for %2 elsewhere without saying where "
                                        "(error %3).")
                .arg(server, path, statusText(status, reason)));
    if (status >= 500)
        return calDavFailure(
            Kind::Server,
            QCoreApplication::translate("CalDavFailureWords", "The calendar server %1 failed with error %2.")
                .arg(server, statusText(status, reason)));
    return calDavFailure(Kind::Server,
                         QCoreApplication::translate("CalDavFailureWords",
                                                     "The calendar server %1 refused the request for %2 with error %3.")
                             .arg(server, path, statusText(status, reason)));
}

CalDavFailure networkFailure(QNetworkReply::NetworkError error, const QString &errorString, const QString &server)
{
    using Kind = CalDavFailure::Kind;
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return calDavFailure(
            Kind::Unreachable,
            QCoreApplication::translate("CalDavFailureWords", "The calendar server %1 could not be found.")
                .arg(server));
    case QNetworkReply::ConnectionRefusedError:
        return calDavFailure(
            Kind::Unreachable,
            QCoreApplication::translate("CalDavFailureWords",
                                        "The calendar server %1 refused the connection; it may not be running.")
                .arg(server));
    case QNetworkReply::RemoteHostClosedError:
        return calDavFailure(
            Kind::Unreachable,
            QCoreApplication::translate("CalDavFailureWords",
                                        "The calendar server %1 closed the connection before it answered.")
                .arg(server));
    case QNetworkReply::TimeoutError:
        return calDavFailure(
            Kind::Timeout,
            QCoreApplication::translate("CalDavFailureWords", "The calendar server %1 did not answer in time.")
                .arg(server));
    case QNetworkReply::TooManyRedirectsError:
        return calDavFailure(Kind::Server,
                             QCoreApplication::translate(
                                 "CalDavFailureWords",
                                 "The calendar server %1 redirects in circles: the request was sent on again and "
                                 "again without reaching the calendar.")
                                 .arg(server));
    case QNetworkReply::InsecureRedirectError:
        return calDavFailure(Kind::Server,
                             QCoreApplication::translate(
                                 "CalDavFailureWords",
                                 "The calendar server %1 sent the request on to an address without https://; the "
                                 "program does not follow it.")
                                 .arg(server));
    default:
        return calDavFailure(
            Kind::Unreachable,
            QCoreApplication::translate("CalDavFailureWords", "The calendar server %1 could not be reached: %2.")
                .arg(server, errorString));
    }
}

} // namespace vestrona
