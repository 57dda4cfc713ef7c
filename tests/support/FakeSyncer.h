#pragma once

#include "sync/SyncReport.h"

#include <vector>

namespace vestrona::test {

// A sync that runs until the test ends it.
class FakeSyncer final : public Syncer {
    Q_OBJECT
public:
    using Syncer::Syncer;
    void sync() override
    {
        ++started;
        answers.push_back(takeEmptiedAnswer());
        if (running)
            ++overlapping;
        running = true;
    }
    bool isSyncing() const override { return running; }

    void finish(const SyncReport &report)
    {
        running = false;
        emit finished(report);
    }
    void fail(CalDavFailure::Kind kind, const QString &fingerprint = {})
    {
        SyncReport report;
        report.outcome = SyncReport::Outcome::Failed;
        report.failureKind = kind;
        report.failure = QStringLiteral("The calendar server dav.example.org cannot be reached.");
        report.certificateFingerprint = fingerprint;
        finish(report);
    }

    int started = 0;
    // Each sync's answer to an emptied calendar, in order.
    std::vector<EmptiedCalendar> answers;
    // sync() calls made while one was running.
    int overlapping = 0;
    bool running = false;
};

} // namespace vestrona::test
