#pragma once

#include "core/AppError.h"
#include "core/Reporter.h"

#include <exception>
#include <utility>

namespace vestrona {

// Runs a procedure's numbered steps. A step that throws is reported with the
// common error box, naming the procedure and the step's line label, and the
// procedure goes on with its next step: one failure never stops the rest.
class ErrorTrap {
public:
    ErrorTrap(Reporter &reporter, QString location)
        : mReporter(reporter), mLocation(std::move(location)) {}

    // Returns true when the step ran to its end.
    template <class Step>
    bool operator()(int line, Step &&step)
    {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const AppError &e) {
            report(line, e.description());
        } catch (const std::exception &e) {
            report(line, QString::fromLocal8Bit(e.what()));
        }
        return false;
    }

    int failures() const { return mFailures; }

private:
    void report(int line, const QString &description);

    Reporter &mReporter;
    QString mLocation;
    int mFailures = 0;
};

} // namespace vestrona
