// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one of the program's pictures or its icon from an SVG source into a square JPEG or PNG
// (chosen by the output's name).
//
//   sumblitz_svg_render <in.svg> <out.jpg|out.png> <size in pixels>
//
// JPEG has no transparency, so a picture is drawn over white; the sources paint their own
// background. A PNG keeps the transparent corners of the icon. Runs without a display
// (offscreen) unless the caller chose a platform.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the SVG's text needs the font database

    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(3).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 16 || size > 4096) {
        std::fputs("usage: sumblitz_svg_render <in.svg> <out.jpg|out.png> <size 16..4096>\n",
                   stderr);
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not a readable SVG picture\n", qPrintable(args.at(1)));
        return 1;
    }

    const QString out = args.at(2);
    const bool png = out.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    QImage image(size, size, png ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(png ? Qt::transparent : Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(0, 0, size, size));
    }

    // Written aside and renamed, so an interrupted build never leaves half a picture behind.
    const QString part = out + QStringLiteral(".part");
    QFile::remove(part);
    if (!image.save(part, png ? "PNG" : "JPG", png ? -1 : 92) ||
        (QFile::exists(out) && !QFile::remove(out)) || !QFile::rename(part, out)) {
        QFile::remove(part);
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(out));
        return 1;
    }
    return 0;
}
