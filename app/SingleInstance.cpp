#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace vestrona {

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kConnectTimeoutMs = 1000;
// The running copy takes the lock a moment before it listens, so a start in
// that moment tries a few times before giving up.
constexpr int kConnectAttempts = 5;
constexpr unsigned long kRetryPauseMs = 200;

QString pathKey(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    const QString real = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    return QString::fromLatin1(QCryptographicHash::hash(real.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString &databasePath, const QString &runtimeFolder, QObject *parent)
    : QObject(parent)
{
    const QString base = QDir(runtimeFolder).filePath(QStringLiteral("vestrona-") + pathKey(databasePath));
    mServerName = base + QStringLiteral(".socket");
    mLockPath = base + QStringLiteral(".lock");
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultRuntimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool SingleInstance::tryToBecomeFirst()
{
    if (mServer)
        return true;
    auto lock = std::make_unique<QLockFile>(mLockPath);
    // Never stale by age: only a lock whose process has died is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) {
            askRunningCopyToShow();
            return false;
        }
        // No lock can be made (the folder is missing or not writable): run
        // rather than refuse to start; a second copy is the lesser harm.
        return true;
    }
    mLock = std::move(lock);
    // Holding the lock, any socket of that name was left by a copy that died.
    QLocalServer::removeServer(mServerName);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(mServerName))
        return true; // still the running copy, only unreachable for later starts
    mServer = std::move(server);
    connect(mServer.get(), &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::askRunningCopyToShow() const
{
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(mServerName);
        if (socket.waitForConnected(kConnectTimeoutMs)) {
            socket.write(kShowRequest);
            socket.waitForBytesWritten(kConnectTimeoutMs);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(kRetryPauseMs);
    }
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = mServer->nextPendingConnection()) {
        // The request may arrive in pieces, or all of it together with the
        // hang-up, so it is collected until the other side is gone.
        auto received = std::make_shared<QByteArray>();
        const auto collect = [socket, received] { received->append(socket->readAll()); };
        connect(socket, &QLocalSocket::readyRead, this, collect);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, received, collect] {
            collect();
            socket->deleteLater();
            if (received->contains(kShowRequest))
                emit showRequested();
        });
        collect();
    }
}

} // namespace vestrona
