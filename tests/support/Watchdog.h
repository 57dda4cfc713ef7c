#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace vestrona::test {

// Ends the test process with a failure when the scope it guards is not left
// within `seconds`: a call that hangs the main thread, where no QTRY and no
// timer can run any more, then fails the test instead of blocking ctest.
class Watchdog {
public:
    Watchdog(std::string what, int seconds)
        : mThread([this, what = std::move(what), seconds] {
              std::unique_lock lock(mMutex);
              if (mDone.wait_for(lock, std::chrono::seconds(seconds), [this] { return mLeft; }))
                  return;
              std::fprintf(stderr, "FAIL!  : hung for %d s: %s\n", seconds, what.c_str());
              std::fflush(stderr);
              std::_Exit(EXIT_FAILURE);
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mMutex);
            mLeft = true;
        }
        mDone.notify_one();
        mThread.join();
    }
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

private:
    std::mutex mMutex;
    std::condition_variable mDone;
    bool mLeft = false;
    std::thread mThread; // last, so it starts once the rest is made
};

} // namespace vestrona::test
