#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace vestrona {

// The program's words and Qt's own (standard buttons, dialogs) in the
// desktop's language, installed in the running application for as long as
// this object lives. English is the source language: nothing is loaded for
// it, nor for a language without a catalogue.
class Translations {
public:
    // The folders searched for the program's catalogues, the first found
    // winning: translations/ beside the program (a portable copy), then the
    // installed share/vestrona/translations (the build tree mirrors it).
    static QStringList folders(const QString &programFolder);
    // Where Debian's qt6-translations-l10n puts Qt's own catalogues.
    static QString qtFolder();

    // Loads and installs the catalogues for `locale` (the desktop's is
    // QLocale::system(): LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Returns the
    // program's catalogue file in use, empty when none fits.
    QString install(const QLocale &locale, const QStringList &ownFolders, const QString &qtFolder);

    Translations() = default;
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

private:
    QTranslator mOwn;
    QTranslator mQt;
};

} // namespace vestrona
