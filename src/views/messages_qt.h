// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "records/message.h"

namespace sb {

// The one place where the program's messages become words: the message's text in the pupil's
// language (English when no translation is loaded), with what stands in it put in its place.
// Names and file names are shown as they are; a message standing in another is put into words
// the same way. Empty for no message.
QString messageText(const Message& message);

} // namespace sb
