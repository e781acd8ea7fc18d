// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/translation_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace sb {

namespace {

// Where the program keeps the language of its texts, for the windows that choose pages by it.
constexpr const char* kLanguageProperty = "sumblitzLanguage";

// Installs the translation `name` for the locale's languages from the first folder that has
// one; answers its language ("de"), empty when there is none.
QString loadInto(QCoreApplication& app, const QLocale& locale, const QString& name,
                 const QStringList& dirs)
{
    for (const QString& dir : dirs) {
        auto translator = std::make_unique<QTranslator>(&app);
        if (translator->load(locale, name, QStringLiteral("_"), dir)) {
            const QString language = translator->language();
            QCoreApplication::installTranslator(translator.release());
            return language;
        }
    }
    return {};
}

} // namespace

QString installTranslations(QCoreApplication& app, const QString& language)
{
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    // The first language the user asks for decides (LANGUAGE=fr:de is French); English and C
    // are the source texts themselves.
    const QString first = locale.uiLanguages().value(0);
    if (first.isEmpty() || first.startsWith(QStringLiteral("en")) || first == QStringLiteral("C")) {
        return {};
    }
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList ours{QDir(appDir).filePath(QStringLiteral("translations")),
                           QDir(appDir).filePath(QStringLiteral("../share/sumblitz/translations"))};
    const QString loaded = loadInto(app, locale, QStringLiteral("sumblitz"), ours);
    if (loaded.isEmpty()) {
        return {};
    }
    loadInto(app, locale, QStringLiteral("qtbase"),
             {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    QLocale::setDefault(QLocale(loaded));
    app.setProperty(kLanguageProperty, loaded);
    return loaded;
}

QString shownLanguage()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr ? app->property(kLanguageProperty).toString() : QString();
}

} // namespace sb
