// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace sb {

// Says a line to a screen reader without moving the keyboard focus: a notification that
// appears with the line as its name, which a screen reader (Orca) reads as it appears. It
// takes no room, no focus and no clicks. The line comes after what the screen reader says of
// the focus and the window: it waits for the events in hand, and for its window to be active
// again when a dialog has it (a screen reader cuts a line short to say where the focus went).
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* parent);
    void say(const QString& line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLine();
    QString m_pending;
};

// Says line to a screen reader from the announcer of widget's window (made the first time).
void sayAside(QWidget* widget, const QString& line);

// Says to a screen reader, from window's own announcer, that the file at path was saved
// ("Saved: ann.csv"), or why not.
void saySaved(QWidget* window, bool saved, const QString& path, const QString& why);

// A problem as words to be heard: "7 plus 6", "56 divided by 8", "7 plus 6 is 13".
QString problemInWords(const QString& shown);

} // namespace sb
