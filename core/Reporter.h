#pragma once

#include <QString>

namespace vestrona {

// Every message box of the program goes through this interface: a real
// QMessageBox in the program, a recorder in tests.
class Reporter {
public:
    enum class Answer { Yes, No };

    virtual ~Reporter() = default;

    // A box with an OK button only. An empty title means the short
    // application title (see appTitle()).
    virtual void showMessage(const QString &text, const QString &title = {}) = 0;

    // A Yes/No question; an empty title means the short application title.
    virtual Answer askYesNo(const QString &text, const QString &title = {}) = 0;

    // The common "Application Error" box: exclamation icon, OK only.
    virtual void showError(const QString &text) = 0;
};

inline constexpr auto kErrorBoxTitle = "Application Error";
inline constexpr auto kErrorLocationPrefix = "Vestrona2021/08/31";
inline constexpr auto kSupportAddress = "support@tolvane.example";
inline constexpr auto kProductName = "Vestrona";

// The text of the common error box for a failure at `line` of the procedure
// `location` ("Form1.Form_Load").
QString applicationErrorText(const QString &description, const QString &location, int line);

// The short application title: the caption of message boxes that give none.
QString appTitle();
void setAppTitleText(const QString &title);

} // namespace vestrona
