#include "core/Clock.h"
#include "scheduler/Form2.h"
#include "scheduler/SoundPlayer.h"
#include "shell/QtTrayBackend.h"
#include "store/RegionalSettings.h"
#include "store/Settings.h"
#include "ui/FileDialogs.h"
#include "ui/Form1.h"
#include "ui/MessageBoxReporter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestrona"));
    QApplication::setApplicationVersion(QStringLiteral(VESTRONA_VERSION));
    // Closing the main window ends the program; a hidden window must not.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace vestrona;
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString configFolder = IniSettingsStore::userConfigFolder();

    MessageBoxReporter reporter;
    IniSettingsStore settings(configFolder);
    SystemClock clock;
    MediaSoundPlayer sound;
    Form2Popup popup(programFolder, reporter);
    QtFileDialogs fileDialogs;
    const AppContext context{programFolder, QCoreApplication::applicationFilePath(), configFolder,
                             RegionalSettings::system(), reporter, settings, clock, sound, popup,
                             [] { return std::make_unique<QtTrayBackend>(); },
                             fileDialogs};

    Form1 form(context);
    if (!form.Form_Load())
        return 0;
    if (!form.startsHidden()) {
        form.show();
    }
    return app.exec();
}
