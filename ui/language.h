// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace ui {

// The language the arcade speaks. Its texts are written in Japanese; English is a translation.
enum class Language {
    Original, // the C or POSIX locale: the texts as written, no translator at all
    Japanese, // the texts as written, with Qt's own texts in Japanese
    English,  // English, also for every language the arcade has no translation of
};

// The choice from the locale that messages follow (LC_ALL, else LC_MESSAGES, else LANG: as the C
// library reads them) and the user's languages in order of preference (as QLocale::uiLanguages()
// reads them from LANGUAGE or that locale). As with gettext, the C locale ignores the list.
Language chooseLanguage(const QString &messagesLocale, const QStringList &uiLanguages);

// The choice for this process's environment.
Language languageFromEnvironment();

// Installs the arcade's translator and Qt's own for the language, once, owned by the application.
// Returns false when a translation the language needs could not be loaded.
bool installTranslation(Language language);

// The resource path of a picture in the language: "about/title" becomes "about/title_en" in
// English where that twin exists.
QString localPicture(const QString &name);

// The language installed by installTranslation (Original until then).
Language installedLanguage();

} // namespace ui
