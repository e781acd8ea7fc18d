// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QSize;
class QComboBox;
class QKeyEvent;
class QPagedPaintDevice;
class QPushButton;
class QTimer;
class QWidget;

namespace sb {

// The wait cursor for as long as it lives: for a click that may wait while another computer
// sharing the data folder changes the class list.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// What every window of the program shares.

// "Arial" asked for by name; on Linux the metric-compatible Liberation Sans answers for it.
QFont arial(double pointSize, bool bold = false);

// Writes bytes to path as a whole: the file there stays as it was until the new one is complete.
bool saveWholeFile(const QString& path, std::string_view bytes);

// Writes a PDF document to path as a whole, as saveWholeFile does: A4 in the orientation given,
// margins in millimetres, titled, signed with the program's name, its pages drawn by paint.
bool savePdfFile(const QString& path, const QString& title, QPageLayout::Orientation orientation,
                 const QMarginsF& margins, const std::function<void(QPagedPaintDevice&)>& paint);

// The program's name as its windows and documents show it.
QString programTitle();

// A push button found by its object name (the control's name, for tests and assistive
// technology), with an optional tooltip. It is never a default button: Enter in another control
// presses nothing.
QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip = {});

// A path from a file dialog as the core takes paths.
std::filesystem::path localPath(const QString& path);

// A caption or name of the core (Windows-1252 bytes, as the record files hold them) as text on
// the screen.
QString toQString(std::string_view cp1252);

// Text typed on the screen as the core keeps it (Windows-1252 bytes); nothing when a character
// has no place in that code page, or is a control character, which no name or caption holds.
std::optional<std::string> toCp1252(const QString& text);

// Lengths of the program's layout are in units of 1/1440 inch; the widget's logical DPI turns
// them into pixels, so the window keeps its proportions at any scaling.
int twipsToPixels(double twips, const QWidget* w);
double pixelsToTwips(double pixels, const QWidget* w);

// How much the main window's large parts (the picture, the problem, the answer and start
// buttons) are drawn smaller so that the window fits the screen's free area: 1 where it fits as
// designed, down to 0.6 on a small screen at a large scale (1366 x 768 at 200 %), where the
// answers are still 22-point digits.
double screenFit(const QWidget* w);

// The contrast ratio of two colours as the accessibility guidelines measure it, 1 to 21; text
// reads well from 4.5.
double contrastRatio(const QColor& a, const QColor& b);

// Paints the label's own background and gives it black or white text, whichever reads better
// on that colour.
void paintBackground(QWidget* label, const QColor& background);

// Gives the label text of the colour wanted, made lighter or darker, as little as needed, until
// it reads on the background it has under the palette in use (a dark desktop theme, say), and
// again whenever that palette changes. Call it once for a label.
void tintText(QWidget* label, const QColor& wanted);

// How much larger than `normal` a widget of size `now` is, by the smaller of the two ratios,
// never below 1: its text grows by this much, so that a pupil at a big screen reads a big
// window from further away and the text always fits.
double growth(const QSize& now, const QSize& normal);

// Starts or stops a one-second timer as its model says; a timer already in that state is left
// alone, so a running countdown is not restarted by a render.
void followTimer(QTimer* timer, bool enabled);

// Shows `text` in a number box and makes the item of the same value its current one (none
// when no item has it), so that the arrow keys, the wheel and the drop-down list go on from the
// value shown.
void followValue(QComboBox* box, const QString& text);

// Makes the toggle of a check box, an option or a checkable button, asked for by assistive
// technology, a click: the control then runs the handler a key or the mouse runs, rather than
// changing what it shows behind the model's back. Installed once, before the first window's
// controls are asked for by assistive technology; a window calls it when it is made.
void useClickingAccessibleButtons();

// Enter on a focused button, check box or option presses it as Space does (the windows have
// no default button, so that Enter in a number box closes nothing). True when it pressed one.
bool pressFocusedOnEnter(QWidget* window, const QKeyEvent* key);
// The same for a window with tables: Enter with a table focused stays in the table instead of
// pressing the window's default button (which would close it). True when Enter was taken.
bool keepEnterFromDefault(QWidget* window, const QKeyEvent* key);

// The accessible name of a combo box that cannot be typed in carries its label (its "&"
// dropped) and its value, "Sort by: Name", and its description the value alone, both kept up
// to date: a screen reader that names the box by its label (Orca) says the value after it.
void nameWithValue(QComboBox* box, const QString& label);

} // namespace sb
