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
        QString text;
        QString title;
    };

    void showMessage(const QString &text, const QString &title) override;
    Answer askYesNo(const QString &text, const QString &title) override;
    void showError(const QString &text) override;

    // Answers given to the next questions, in order; Yes when the queue is empty.
    QList<Answer> answers;
    QList<Box> boxes;

    QList<Box> errors() const;
    // The line label an error box names ("at line 190" gives 190), -1 if none.
    static int errorLine(const Box &box);
    void clear() { boxes.clear(); }
};

} // namespace vestrona::test
