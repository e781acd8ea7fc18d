// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

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

// A caption of the core as the pupil reads it: the core keeps its captions in English (they are
// part of the record files and of the tests), and here each known phrase in it ("Timer:",
// "Score:", "Auto Teach On", ...) is put in the pupil's language. The phrases are listed in
// core_texts_qt.cpp. Names, numbers and unknown words are left as they are; in a caption laid
// out in columns, the spaces after a phrase are made longer or shorter by the difference in
// length, so that the columns stay in place.
QString coreText(std::string_view caption);

} // namespace sb
