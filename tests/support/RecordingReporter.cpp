#include "tests/support/RecordingReporter.h"

#include <QRegularExpression>

namespace vestrona::test {

void RecordingReporter::showMessage(const QString &text, const QString &title)
{
    boxes.append({Box::Message, text, title.isEmpty() ? appTitle() : title});
}

Reporter::Answer RecordingReporter::askYesNo(const QString &text, const QString &title)
{
    boxes.append({Box::Question, text, title.isEmpty() ? appTitle() : title});
    return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
}

void RecordingReporter::showError(const QString &text)
{
    boxes.append({Box::Error, text, QString::fromLatin1(kErrorBoxTitle)});
}

QList<RecordingReporter::Box> RecordingReporter::errors() const
{
    QList<Box> out;
    for (const Box &b : boxes)
        if (b.kind == Box::Error)
            out.append(b);
    return out;
}

int RecordingReporter::errorLine(const Box &box)
{
    static const QRegularExpression re(QStringLiteral("at line (\\d+)"));
    const auto m = re.match(box.text);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace vestrona::test
