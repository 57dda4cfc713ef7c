#pragma once

#include "core/Reporter.h"

class QWidget;

namespace vestrona {

// Shows the program's messages in real message boxes.
class MessageBoxReporter final : public Reporter {
public:
    void showMessage(const QString &text, const QString &title) override;
    Answer askYesNo(const QString &text, const QString &title) override;
    void showError(const ErrorReport &error) override;
};

} // namespace vestrona
