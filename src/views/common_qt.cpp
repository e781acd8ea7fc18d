// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/common_qt.h"

#include <QByteArray>
#include <QTimer>
#include <QWidget>

#include <string>

#include "records/cp1252.h"

namespace sb {

QFont arial(double pointSize, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QString toQString(std::string_view cp1252)
{
    const std::string utf8 = cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> toCp1252(const QString& text)
{
    for (const QChar ch : text) {
        if (ch.category() == QChar::Other_Control) {
            return std::nullopt;
        }
    }
    const QByteArray utf8 = text.toUtf8();
    std::string bytes = utf8ToCp1252(std::string_view(utf8.constData(), utf8.size()));
    // A character outside the code page comes back as '?': only a text that comes back whole
    // was all in it.
    if (toQString(bytes) != text) {
        return std::nullopt;
    }
    return bytes;
}

int twipsToPixels(double twips, const QWidget* w)
{
    return qRound(twips * w->logicalDpiX() / 1440.0);
}

double pixelsToTwips(double pixels, const QWidget* w)
{
    return pixels * 1440.0 / w->logicalDpiX();
}

void followTimer(QTimer* timer, bool enabled)
{
    if (enabled && !timer->isActive()) {
        timer->start();
    } else if (!enabled && timer->isActive()) {
        timer->stop();
    }
}

} // namespace sb
