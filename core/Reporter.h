#pragma once

#include <QString>

namespace vestrona {

// A failed step of a procedure, kept apart until a reporter words it for
// its reader: the box adds a support footer, a terminal needs the
// description only.
struct ErrorReport {
    QString description; // what failed, in plain words
    QString location;    // the procedure, "Form1.Form_Load"
    int line = 0;        // the step's line label within it
};

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
    virtual void showError(const ErrorReport &error) = 0;
};

inline constexpr auto kErrorBoxTitle = "Application Error";
inline constexpr auto kProductName = "Vestrona";

// The text of the common error box: the description, where it failed and
// whom to send a screenshot to.
QString applicationErrorText(const ErrorReport &error);

// The short application title: the caption of message boxes that give none,
// derived from the product name (see shortTitleFor).
QString appTitle();

} // namespace vestrona
