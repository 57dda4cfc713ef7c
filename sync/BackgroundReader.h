#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QThread;

namespace vestrona {

// Reads what a server sent on a thread of its own, so that the thread that
// asked (the window's, with the countdown and the alarm) never waits for a
// parser. The thread starts with the first read, so an owner that never
// reads much costs nothing, and ends with this object.
class BackgroundReader : public QObject {
    Q_OBJECT
public:
    explicit BackgroundReader(QObject *parent = nullptr);
    // Waits for the read under way; reads not begun are dropped.
    ~BackgroundReader() override;

    // Runs `work` on the reader's thread, after every read given before,
    // then `done` with its result on this object's thread, later. `done` is
    // dropped when this object is gone first. `work` must touch nothing the
    // calling thread uses meanwhile.
    template <typename Result>
    void read(std::function<Result()> work, std::function<void(Result)> done)
    {
        post([this, work = std::move(work), done = std::move(done)] {
            auto result = std::make_shared<Result>(work());
            QMetaObject::invokeMethod(
                this, [result, done] { done(std::move(*result)); }, Qt::QueuedConnection);
        });
    }

private:
    void post(std::function<void()> job);

    QThread *mThread = nullptr;
    QObject *mWorker = nullptr;
};

} // namespace vestrona
