#include "ui/Form2.h"

#include "ui/WindowLook.h"

#include "core/ErrorTrap.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace vestrona {

Form2::Form2(const QString &programFolder, Reporter &reporter, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QCoreApplication::translate("Form2", " Reminder"));
    setFont(arialBold(9));
    setFixedSize(536, 248);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QCoreApplication::translate("Form2", "Reminder message"));
    Text1->setGeometry(8, 8, 520, 178);
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette red = Text1->palette();
    red.setColor(QPalette::Text, QColor(255, 0, 0));
    Text1->setPalette(red);

    LabelDue = new QLabel(this);
    LabelDue->setObjectName(QStringLiteral("LabelDue"));
    LabelDue->setGeometry(8, 189, 400, 20);
    LabelWaiting = new QLabel(this);
    LabelWaiting->setObjectName(QStringLiteral("LabelWaiting"));
    LabelWaiting->setGeometry(408, 189, 120, 20);
    LabelWaiting->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const auto button = [this](const char *name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 214, 256, 27);
        b->setFont(arialBold(11.25));
        // Enter in the message box must not answer the alarm by accident.
        b->setAutoDefault(false);
        return b;
    };
    PushButton1 = button("PushButton1", QCoreApplication::translate("Form2", "&Snooze"), 8);
    PushButton2 = button("PushButton2", QCoreApplication::translate("Form2", "S&top"), 272);
    setTabOrder(Text1, PushButton1);
    setTabOrder(PushButton1, PushButton2);

    connect(PushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form2::PushButton2_Click);

    Form_Load(programFolder, reporter);
}

void Form2::Form_Load(const QString &programFolder, Reporter &reporter)
{
    ErrorTrap trap(reporter, QStringLiteral("Form2.Form_Load"));
    trap(104, [&] { applyHandCursor(*this, programFolder); });
}

void Form2::setAlarm(const RingingAlarm &alarm)
{
    Text1->setPlainText(alarm.message);
    LabelDue->setText(alarm.dueText);
    LabelWaiting->setText(alarm.waiting > 0 ? QCoreApplication::translate("Form2", "1 of %1").arg(alarm.waiting + 1)
                                            : QString());
}

void Form2::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Some compositors minimize a window that offers no button for it; the
    // alarm comes straight back, once the state change is done.
    if (event->type() == QEvent::WindowStateChange && isVisible() && isMinimized())
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
            raise();
            activateWindow();
        });
}

int Form2::exec()
{
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    return QDialog::exec();
}

void Form2::PushButton1_Click()
{
    mOutcome = AlarmPopup::Outcome::Snooze;
    accept();
}

void Form2::PushButton2_Click()
{
    mOutcome = AlarmPopup::Outcome::Stop;
    accept();
}

Form2Popup::Form2Popup(QString programFolder, Reporter &reporter)
    : mProgramFolder(std::move(programFolder)), mReporter(reporter)
{
}

AlarmPopup::Outcome Form2Popup::showModal(const RingingAlarm &alarm)
{
    Form2 form(mProgramFolder, mReporter);
    form.setAlarm(alarm);
    mShown = &form;
    // Where the window manager does not put it in front by itself (Wayland
    // lets no window do that), asking once it is shown is as far as a
    // program may go; the compositor decides.
    QTimer::singleShot(0, &form, [this] { bringToFront(); });
    form.exec();
    mShown = nullptr;
    return form.outcome();
}

void Form2Popup::answer(Outcome outcome)
{
    if (!mShown)
        return;
    if (outcome == Outcome::Snooze)
        mShown->PushButton1->click();
    else if (outcome == Outcome::Stop)
        mShown->PushButton2->click();
}

void Form2Popup::bringToFront()
{
    if (!mShown)
        return;
    mShown->show();
    mShown->raise();
    mShown->activateWindow();
}

} // namespace vestrona
