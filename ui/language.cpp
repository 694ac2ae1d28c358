// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

namespace {

Language installed = Language::Original;

// "C", "POSIX", "C.UTF-8", "POSIX@euro": the locale of no language.
bool isCLocale(const QString &locale)
{
    const QString name = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

} // namespace

Language chooseLanguage(const QString &messagesLocale, const QStringList &uiLanguages)
{
    if (messagesLocale.isEmpty() || isCLocale(messagesLocale)) return Language::Original;
    for (const QString &entry : uiLanguages) {
        if (entry.isEmpty() || isCLocale(entry)) continue;
        const QLocale::Language l = QLocale(entry).language();
        if (l == QLocale::Japanese) return Language::Japanese;
        if (l == QLocale::English) return Language::English;
    }
    return Language::English;
}

Language languageFromEnvironment()
{
    QString messages;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty()) break;
    }
    return chooseLanguage(messages, QLocale::system().uiLanguages());
}

bool installTranslation(Language language)
{
    static bool done = false;
    if (done || language == Language::Original) return true;
    done = true;
    installed = language;
    auto *app = QCoreApplication::instance();
    const QString code =
        language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
    bool ok = true;
    // Qt's own texts (a message box's buttons) from the system's Qt translations.
    auto *qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt; // English needs none; Japanese falls back to Qt's English texts
    if (language == Language::English) {
        auto *arcade = new QTranslator(app);
        ok = arcade->load(QStringLiteral(":/i18n/ZelkGame_en.qm"));
        if (ok)
            QCoreApplication::installTranslator(arcade);
        else
            delete arcade;
    }
    return ok;
}

Language installedLanguage()
{
    return installed;
}

QString localPicture(const QString &name)
{
    if (installed == Language::English) {
        const QString twin = name + QStringLiteral("_en");
        if (QFile::exists(QStringLiteral(":/assets/%1.svg").arg(twin))) return twin;
    }
    return name;
}

} // namespace ui
