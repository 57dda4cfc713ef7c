#pragma once

#include "sync/PasswordPrompt.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QPointer>

namespace vestrona {

// The running program's password question: a small window of its own (the
// main window may be in the tray), left open without holding anything up.
// One question at a time; ending the program closes it unanswered.
class PasswordQuestion final : public PasswordPrompt {
    Q_DECLARE_TR_FUNCTIONS(PasswordQuestion)

public:
    PasswordQuestion() = default;
    ~PasswordQuestion() override;
    PasswordQuestion(const PasswordQuestion &) = delete;
    PasswordQuestion &operator=(const PasswordQuestion &) = delete;

    void askPassword(const SyncAccount &account, Reason reason, std::function<void(QString)> done) override;

    // The question on the screen now, if any.
    QInputDialog *openQuestion() const { return mOpen; }

private:
    QPointer<QInputDialog> mOpen;
};

} // namespace vestrona
