#include "tests/support/AppFixture.h"

#include "tests/support/TestDatabase.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace vestrona::test {

void AppFixture::makeProgramFolder()
{
    QVERIFY(makeDatabase(databasePath()));
    QFile wav(alarmPath());
    QVERIFY(wav.open(QIODevice::WriteOnly));
    wav.write("RIFF");
}

IniSettingsStore &AppFixture::settings()
{
    if (!mSettings)
        mSettings = std::make_unique<IniSettingsStore>(config.path());
    return *mSettings;
}

void AppFixture::setting(const char *key, const QString &value)
{
    settings().SaveSetting(QString::fromLatin1(key), value);
}

QString AppFixture::setting(const char *key)
{
    return settings().GetSetting(QString::fromLatin1(key), QStringLiteral("<absent>"));
}

bool AppFixture::start()
{
    AppContext context{{RegionalSettings::usEnglish(), reporter, settings(), clock, sound, popup,
                        DataFiles::beside(program.path()), &notifier},
                       program.path(),
                       program.file(QStringLiteral("vestrona")),
                       config.path(),
                       [this] {
                           auto backend = std::make_unique<RecordingTrayBackend>();
                           backend->trayAvailable = trayAvailable;
                           tray = backend.get();
                           return backend;
                       },
                       dialogs,
                       passwords};
    context.runDialog = [this](QDialog &dialog) {
        ++dialogsShown;
        if (user)
            user(dialog);
    };
    form = std::make_unique<Form1>(context);
    if (syncer)
        form->setSyncer(std::move(syncer), syncTiming);
    const bool started = form->Form_Load();
    // What start-up leaves for after the window shows: the next reminder.
    QCoreApplication::sendPostedEvents();
    return started;
}

void AppFixture::click(const char *button) const
{
    control<QPushButton>(button)->click();
}

QAction *AppFixture::trayAction(const QString &caption) const
{
    if (tray->contextMenu)
        for (QAction *action : tray->contextMenu->actions())
            if (QString(action->text()).remove(QLatin1Char('&')) == caption)
                return action;
    qFatal("The tray menu has no entry %s", qPrintable(caption));
}

QString AppFixture::lastBalloon() const
{
    QString text;
    for (const auto &call : tray->calls)
        if ((call.data.uFlags & NIF_INFO) && !call.data.szInfo.isEmpty())
            text = call.data.szInfo;
    return text;
}

} // namespace vestrona::test
