// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QSettings;
class QWidget;

namespace sb {

// Where the main window was on the desktop: kept in the user's configuration (QSettings, under
// the XDG config folder), never with the pupils' files, which may be shared by a class.

// Puts the window where it was last closed, when a screen still shows it there whole enough to
// grab (its top edge on a screen and most of it in the screens' free area); otherwise gives it
// its natural size, no larger than the free area of its screen, in the middle of that screen.
void restoreWindowPlace(QWidget& window, const QSettings& settings);
void saveWindowPlace(const QWidget& window, QSettings& settings);

// Keeps a window within the free area of its screen however large its text is drawn (a small
// screen at 200 %): contents that need more room than that area go into a scroll area of their
// own (the central widget's, for a main window), and a size set before is cut to the area.
// Called once the window's controls are laid out.
void fitToScreen(QWidget& window);

} // namespace sb
