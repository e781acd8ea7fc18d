// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sb {

// A frame two pixels wide, in the palette's highlight colour, round the control that has the
// keyboard focus: in every window, from the moment a window is shown (not only after the first
// Tab) and whatever the style in use, which is wrapped to draw it. Installed once; the main
// window calls it before it makes its controls.
void installFocusRing();

} // namespace sb
