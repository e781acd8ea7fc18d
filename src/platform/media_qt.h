// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>

#include <array>

#include "platform/assets_qt.h"
#include "platform/media.h"

namespace sb {

// The main window's pictures (pictureFile 1..5). show(n) makes picture n the current one and
// emits pictureChanged with it. Each file is read the first time it is shown and kept; a
// missing or unreadable file, or an n outside 1..5, leaves the current picture as it was, emits
// nothing and answers false; the first time a file fails, a warning names it on the terminal
// (a file that was missing is looked for again the next time).
class QtPictures final : public QObject, public Pictures {
    Q_OBJECT
public:
    explicit QtPictures(QObject* parent = nullptr);
    explicit QtPictures(AssetLocator locate, QObject* parent = nullptr);

    bool show(PictureId picture) override;

    // The picture shown now; a null pixmap until one has been shown.
    const QPixmap& current() const { return m_current; }
    // Its number 1..5; 0 until one has been shown.
    int shown() const { return m_shown; }

signals:
    void pictureChanged(const QPixmap& picture);

private:
    AssetLocator m_locate;
    std::array<QPixmap, 6> m_cache; // slots 1..5
    std::array<bool, 6> m_warned{}; // a warning was given for the slot
    QPixmap m_current;
    int m_shown = 0;
};

// A few words saying what picture n (1..5) shows, for a screen reader; empty for any other n.
QString pictureDescription(PictureId picture);

} // namespace sb
