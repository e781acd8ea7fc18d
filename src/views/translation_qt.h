// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCoreApplication;

namespace sb {

// Loads the program's translation and Qt's own (its dialogs' buttons) for `language` ("de",
// "fr_CH", ...), or for the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) when it is
// empty. When the first language asked for is English, C or POSIX nothing is loaded: the texts
// are written in English. Answers the language whose translation was loaded ("de"), empty when
// none was.
QString installTranslations(QCoreApplication& app, const QString& language);

// The language installTranslations loaded ("de"), empty for English.
QString shownLanguage();

} // namespace sb
