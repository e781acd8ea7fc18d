// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

#include "records/caption.h"

namespace sb {

// A phrase of the core's captions in the pupil's language (the translator's context "core").
QString phraseText(Phrase p);

// A caption as the pupil reads it: each phrase in the pupil's language, text as it stands;
// a column's blanks take up the difference in length so that the columns stay in place. With
// no translation loaded it reads exactly as English() writes it.
QString showCaption(const Caption& c);
// The same as UTF-8, for the CSV files a teacher opens in her spreadsheet.
std::string csvWords(const Caption& c);

} // namespace sb
