#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QThread;

namespace vestrona {

// SQLite's check of every page of the database, on a thread of its own so
// that the window never waits while a large file is read. Start-up skips the
// check for a file in the very state that last passed it, and damage written
// below the file system leaves that state as it was: a running program
// checks again anyway.
class BackgroundPageCheck final : public QObject {
    Q_OBJECT

public:
    explicit BackgroundPageCheck(QObject *parent = nullptr);
    // Waits for a check under way.
    ~BackgroundPageCheck() override;

    // Checks the file at `path`, unless a check is under way. A file that
    // passes is remembered as passing, as at start-up.
    void start(const QString &path);

signals:
    // On the thread that started the check, in the words start-up uses. A
    // check that could not tell (a lock, a file gone) says nothing.
    void damaged(const QString &description);

private:
    std::unique_ptr<QThread> mThread;
};

} // namespace vestrona
