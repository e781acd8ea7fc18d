// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace sb {

// Runs then once, as soon as window's first paint has reached the screen: for work the first
// sight of the window does not need (it waits for none of it). Nothing runs should the window
// be destroyed before it paints.
void afterFirstPaint(QWidget& window, std::function<void()> then);

} // namespace sb
