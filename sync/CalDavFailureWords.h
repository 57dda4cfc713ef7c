#pragma once

#include "sync/CalDavCollection.h"

#include <QNetworkReply>
#include <QString>
#include <QUrl>

namespace vestrona {

// The words of the calendar server's failures, as the user reads them.

// A failure of `kind` in the words `words`.
CalDavFailure calDavFailure(CalDavFailure::Kind kind, const QString &words);
// "host" or "host:port", as the user is told which server is meant.
QString serverName(const QUrl &url);
// The server at `url` sent an answer the program cannot read, `why`.
CalDavFailure unreadableAnswer(const QUrl &url, const QString &why);
// The server `server` answered the request for `path` with the HTTP status
// `status` (not 2xx) and its `reason` phrase.
CalDavFailure statusFailure(int status, const QString &reason, const QString &server, const QString &path);
// The request to `server` ended with Qt's `error` before any HTTP status.
CalDavFailure networkFailure(QNetworkReply::NetworkError error, const QString &errorString, const QString &server);

} // namespace vestrona
