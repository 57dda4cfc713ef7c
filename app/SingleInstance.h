#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace vestrona {

// Keeps one copy of the program running per reminder database: two copies
// would each raise every alarm and each hold the database. The first start
// holds a lock file and listens on a local socket; a later start finds the
// lock taken, tells the running copy to show itself and is meant to end.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    // The lock and the socket live in `runtimeFolder` (by default the user's
    // runtime folder, so two users never meet), named from the real path of
    // `databasePath`, so program folders that share one database through a
    // link are one program.
    explicit SingleInstance(const QString &databasePath, const QString &runtimeFolder = defaultRuntimeFolder(),
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the running copy. False when another copy
    // runs; it has then been asked to show itself.
    bool tryToBecomeFirst();

    QString serverName() const { return mServerName; }
    QString lockFilePath() const { return mLockPath; }

    static QString defaultRuntimeFolder();

signals:
    // A later start asked the running copy to come to the front.
    void showRequested();

private:
    void askRunningCopyToShow() const;
    void acceptConnections();

    QString mServerName;
    QString mLockPath;
    std::unique_ptr<QLockFile> mLock;
    std::unique_ptr<QLocalServer> mServer;
};

} // namespace vestrona
