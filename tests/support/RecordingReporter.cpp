#include "tests/support/RecordingReporter.h"

namespace vestrona::test {

void RecordingReporter::showMessage(const QString &text, const QString &title)
{
    boxes.append({Box::Message, text, title.isEmpty() ? appTitle() : title, {}});
}

Reporter::Answer RecordingReporter::askYesNo(const QString &text, const QString &title)
{
    boxes.append({Box::Question, text, title.isEmpty() ? appTitle() : title, {}});
    return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
}

void RecordingReporter::showError(const ErrorReport &error)
{
    boxes.append({Box::Error, error.description, QString::fromLatin1(kErrorBoxTitle), error});
}

QList<ErrorReport> RecordingReporter::errors() const
{
    QList<ErrorReport> out;
    for (const Box &b : boxes)
        if (b.kind == Box::Error)
            out.append(b.error);
    return out;
}

} // namespace vestrona::test
