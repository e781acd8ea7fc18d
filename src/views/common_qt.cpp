// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/common_qt.h"

#include <QByteArray>
#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
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

double screenFit(const QWidget* w)
{
    const QScreen* screen = w->screen() != nullptr ? w->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 1.0;
    }
    // The window as designed is 5.9 by 8.2 inches with its frame; this leaves room for a
    // title bar.
    const QSize free = screen->availableGeometry().size();
    const double byHeight = free.height() / (w->logicalDpiY() * 5.9);
    const double byWidth = free.width() / (w->logicalDpiX() * 8.2);
    return std::clamp(std::min(byHeight, byWidth), 0.6, 1.0);
}

namespace {

double luminance(const QColor& c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void paintBackground(QWidget* label, const QColor& background)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, background);
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    pal.setColor(QPalette::WindowText,
                 contrastRatio(black, background) >= contrastRatio(white, background) ? black
                                                                                      : white);
    label->setAutoFillBackground(true);
    label->setPalette(pal);
}

namespace {

QColor readableOn(const QColor& wanted, const QColor& background)
{
    // Towards white on a dark background, towards black on a light one, in small steps.
    const QColor end = luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    QColor text = wanted;
    for (int step = 1; step <= 20 && contrastRatio(text, background) < 4.6; ++step) {
        const double t = step / 20.0;
        text = QColor::fromRgbF(
            static_cast<float>(wanted.redF() + (end.redF() - wanted.redF()) * t),
            static_cast<float>(wanted.greenF() + (end.greenF() - wanted.greenF()) * t),
            static_cast<float>(wanted.blueF() + (end.blueF() - wanted.blueF()) * t));
    }
    return text;
}

// Keeps a tinted label readable when the desktop's palette changes while the program runs (a
// switch to a dark theme): the text colour is worked out again against the new background.
class TextTint final : public QObject {
public:
    TextTint(QWidget* label, const QColor& wanted) : QObject(label), m_wanted(wanted)
    {
        setObjectName(QStringLiteral("textTint"));
        label->installEventFilter(this);
    }
    void apply(QWidget* label) const
    {
        QPalette pal = label->palette();
        const QColor text = readableOn(m_wanted, pal.color(QPalette::Window));
        if (pal.color(QPalette::WindowText) != text ||
            !(pal.resolveMask() & (QPalette::ResolveMask(1) << QPalette::WindowText))) {
            pal.setColor(QPalette::WindowText, text);
            label->setPalette(pal);
        }
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange) {
            apply(static_cast<QWidget*>(watched));
        }
        return false;
    }

private:
    QColor m_wanted;
};

} // namespace

void tintText(QWidget* label, const QColor& wanted)
{
    auto* tint =
        label->findChild<TextTint*>(QStringLiteral("textTint"), Qt::FindDirectChildrenOnly);
    if (tint == nullptr) {
        tint = new TextTint(label, wanted);
    }
    tint->apply(label);
}

double growth(const QSize& now, const QSize& normal)
{
    if (normal.isEmpty()) {
        return 1.0;
    }
    return std::max(1.0, std::min(static_cast<double>(now.width()) / normal.width(),
                                  static_cast<double>(now.height()) / normal.height()));
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
