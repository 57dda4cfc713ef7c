#include "ui/PasswordQuestion.h"

#include "ui/AppIcon.h"

#include <QInputDialog>
#include <QLineEdit>

namespace vestrona {

PasswordQuestion::~PasswordQuestion()
{
    delete mOpen;
}

void PasswordQuestion::askPassword(const SyncAccount &account, Reason reason, std::function<void(QString)> done)
{
    // The syncer asks once at a time; should an older question still be
    // open, it is answered "not now" so its sync ends.
    if (mOpen)
        mOpen->reject();
    auto *question = new QInputDialog;
    mOpen = question;
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setObjectName(QStringLiteral("PasswordQuestion"));
    question->setWindowTitle(tr("Calendar sync"));
    question->setWindowIcon(programIcon());
    question->setTextEchoMode(QLineEdit::Password);
    question->setLabelText(reason == Reason::Refused
                               ? tr("The calendar server %2 did not accept the password for %1.\n"
                                    "Type the &password to sync:")
                                     .arg(account.user, account.url.host())
                               : tr("Vestrona needs the password for %1 at %2 to sync the calendar.\n"
                                    "Type the &password to sync:")
                                     .arg(account.user, account.url.host()));
    question->setOkButtonText(tr("&Sync"));
    question->setCancelButtonText(tr("&Not now"));
    QObject::connect(question, &QDialog::finished, question, [question, done = std::move(done)](int result) {
        done(result == QDialog::Accepted ? question->textValue() : QString());
    });
    question->open();
}

} // namespace vestrona
