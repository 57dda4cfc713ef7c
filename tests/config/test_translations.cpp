#include "config/Translations.h"

#include <QCoreApplication>
#include <QTest>

using namespace vestrona;

namespace {

const QString kBuilt = QStringLiteral(VESTRONA_BUILD_TRANSLATIONS);

QString quitCaption()
{
    return QCoreApplication::translate("Form1", "&Quit");
}

// Qt's own word for a standard button, from Qt's catalogue.
QString qtCancel()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    // The desktop's language picks the catalogue; a language without one,
    // English among them, leaves every word (Qt's too) as written.
    void theDesktopsLanguageIsSpoken_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("quit");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("German") << "de_DE" << "B&eenden" << "Abbrechen";
        QTest::newRow("Swiss German") << "de_CH" << "B&eenden" << "Abbrechen";
        QTest::newRow("Brazilian Portuguese") << "pt_BR" << "Sa&ir" << "Cancelar";
        QTest::newRow("English") << "en_US" << "&Quit" << "Cancel";
        QTest::newRow("no catalogue") << "ja_JP" << "&Quit" << "Cancel";
    }
    void theDesktopsLanguageIsSpoken()
    {
        QFETCH(QString, locale);
        QFETCH(QString, quit);
        QFETCH(QString, cancel);
        Translations translations;
        const QString used = translations.install(QLocale(locale), {kBuilt}, Translations::qtFolder());
        QCOMPARE(used.isEmpty(), quit == QLatin1String("&Quit"));
        QCOMPARE(quitCaption(), quit);
        QCOMPARE(qtCancel(), cancel);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
