#pragma once

#include "core/Reporter.h"

#include <QString>
#include <QTextStream>

namespace vestrona {

// The backup code's boxes as lines on the error stream: the description of
// an error without the window's support footer.
class StreamReporter final : public Reporter {
public:
    explicit StreamReporter(QTextStream &err) : mErr(err) {}

    void showMessage(const QString &text, const QString &) override { write(text); }
    Answer askYesNo(const QString &text, const QString &) override
    {
        write(text);
        return Answer::No;
    }
    void showError(const ErrorReport &error) override { write(error.description); }

private:
    void write(QString text)
    {
        mErr << "vestrona-cli: " << text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
    }

    QTextStream &mErr;
};

} // namespace vestrona
