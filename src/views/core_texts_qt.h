// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace sb {

// The phrases the core puts into its captions, in English, as the translator sees them (the
// context "core"); coreText() puts them into the pupil's language.
std::span<const char* const> coreTexts();

} // namespace sb
