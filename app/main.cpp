#include "core/Clock.h"
#include "ui/Form2.h"
#include "ui/MediaSoundPlayer.h"
#include "shell/QtTrayBackend.h"
#include "core/AppError.h"
#include "config/DataLocation.h"
#include "formats/RegionalSettings.h"
#include "config/Settings.h"
#include "config/Translations.h"
#include "ui/AppIcon.h"
#include "ui/FileDialogs.h"
#include "ui/Form1.h"
#include "ui/MessageBoxReporter.h"
#include "ui/PasswordQuestion.h"
#include "ui/WindowLook.h"
#include "sync/AccountSyncer.h"
#include "sync/PasswordStore.h"
#include "app/SingleInstance.h"
#include "notify/DBusNotifications.h"
#include "notify/SleepWatch.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt's FFmpeg media back end plays WAV files with nothing more installed
    // and starts sooner than GStreamer; the environment may still choose.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestrona"));
    QApplication::setApplicationVersion(QStringLiteral(VESTRONA_VERSION));
    // Closing the main window ends the program; a hidden window must not.
    QApplication::setQuitOnLastWindowClosed(false);
    // Ties the windows to the menu entry, and gives every window, the alarm
    // pop-up included, the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VESTRONA_APP_ID));
    QApplication::setWindowIcon(vestrona::programIcon());

    using namespace vestrona;
    applyProgramLook();
    const QString programFolder = QCoreApplication::applicationDirPath();
    Translations translations;
    translations.install(QLocale::system(), Translations::folders(programFolder), Translations::qtFolder());
    MessageBoxReporter reporter;
    QString configFolder;
    DataLocation::Folders folders;
    try {
        configFolder = IniSettingsStore::userConfigFolder();
        folders = DataLocation::forProgram(programFolder);
    } catch (const AppError &e) {
        reporter.showMessage(e.description(), QString());
        return 1;
    }
    IniSettingsStore settings(configFolder);
    DataLocation location(folders, settings);
    // A second start on the same database brings the running copy to the
    // front and ends: two copies would ring every alarm twice.
    SingleInstance instance(location.files().database);
    if (!instance.tryToBecomeFirst())
        return 0;

    DataFiles data;
    try {
        data = location.prepare();
    } catch (const AppError &e) {
        reporter.showMessage(e.description(), QString());
        return 0;
    }
    SystemClock clock;
    MediaSoundPlayer sound(data.defaultAlarm);
    Form2Popup popup(programFolder, reporter);
    QtFileDialogs fileDialogs;
    KeychainPasswordStore passwords;
    DBusNotifications notifications({QStringLiteral("Vestrona"), QStringLiteral(VESTRONA_APP_ID),
                                     QStringLiteral(VESTRONA_APP_ID)});
    SleepWatch sleep;
    const AppContext context{{RegionalSettings::system(), reporter, settings, clock, sound, popup, data,
                              &notifications, &sleep},
                             programFolder, QCoreApplication::applicationFilePath(), configFolder,
                             [] { return std::make_unique<QtTrayBackend>(); },
                             fileDialogs, passwords};

    PasswordQuestion passwordQuestion;
    Form1 form(context);
    // Set up or not, the account is read at each sync: one set up later in
    // "Calendar sync…" syncs without a restart.
    auto syncer = std::make_unique<AccountSyncer>(settings, passwords, form.conn());
    syncer->setPasswordPrompt(&passwordQuestion);
    form.setSyncer(std::move(syncer));
    QObject::connect(&instance, &SingleInstance::showRequested, &form, &Form1::bringToFront);
    if (!form.Form_Load())
        return 0;
    if (!form.startsHidden()) {
        form.show();
    }
    return app.exec();
}
