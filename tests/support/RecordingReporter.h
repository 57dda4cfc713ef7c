#pragma once

#include "core/Reporter.h"

#include <QList>
#include <QString>

namespace vestrona::test {

// Records every box instead of showing it; answers questions from a queue.
class RecordingReporter final : public Reporter {
public:
    struct Box {
        enum Kind { Message, Question, Error } kind;
        QString text; // an error's description
        QString title;
        ErrorReport error; // what an Error box reports
    };

    void showMessage(const QString &text, const QString &title) override;
    Answer askYesNo(const QString &text, const QString &title) override;
    void showError(const ErrorReport &error) override;

    // Answers given to the next questions, in order; Yes when the queue is empty.
    QList<Answer> answers;
    QList<Box> boxes;

    QList<ErrorReport> errors() const;
    void clear() { boxes.clear(); }
};

} // namespace vestrona::test
