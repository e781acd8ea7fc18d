// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/translation_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <memory>
#include <vector>

#include "views/common_qt.h"
#include "views/core_texts_qt.h"

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

// The phrases of the core, longest first, so that "Auto Teach On" wins over "On".
const std::vector<QString>& phrases()
{
    static const std::vector<QString> sorted = [] {
        std::vector<QString> all;
        for (const char* text : coreTexts()) {
            all.push_back(QString::fromLatin1(text));
        }
        std::sort(all.begin(), all.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
        return all;
    }();
    return sorted;
}

// A phrase is a word of its own: no letter touches the letters at its ends, and it is not the
// start of a file name ("Default.Xsx" stays as it is).
bool startsWord(const QString& text, qsizetype at, const QString& phrase)
{
    return at == 0 || !phrase.front().isLetter() || !text.at(at - 1).isLetter();
}

bool endsWord(const QString& text, qsizetype at, const QString& phrase)
{
    if (at >= text.size() || !phrase.back().isLetter()) {
        return true;
    }
    const bool fileName =
        text.at(at) == QLatin1Char('.') && at + 1 < text.size() && text.at(at + 1).isLetter();
    return !text.at(at).isLetter() && !fileName;
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

QString coreText(std::string_view caption)
{
    const QString text = toQString(caption);
    if (shownLanguage().isEmpty()) {
        return text; // the program's own English: every phrase stands as it is
    }
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const QString* found = nullptr;
        for (const QString& phrase : phrases()) {
            if (QStringView(text).mid(i, phrase.size()) == phrase && startsWord(text, i, phrase) &&
                endsWord(text, i + phrase.size(), phrase)) {
                found = &phrase;
                break;
            }
        }
        if (found == nullptr) {
            out += text.at(i++);
            continue;
        }
        const QString shown = QCoreApplication::translate("core", found->toLatin1().constData());
        out += shown;
        i += found->size();
        // Columns: a run of two or more spaces after the phrase takes up the difference.
        qsizetype spaces = 0;
        while (i + spaces < text.size() && text.at(i + spaces) == QLatin1Char(' ')) {
            ++spaces;
        }
        if (spaces >= 2) {
            out += QString(std::max<qsizetype>(1, spaces + found->size() - shown.size()),
                           QLatin1Char(' '));
            i += spaces;
        }
    }
    return out;
}

} // namespace sb
