// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one of the program's pictures or its icon from an SVG source into a square JPEG or PNG
// (chosen by the output's name). Beside a JPEG it also writes its pixels as the JPEG reader
// decodes them, losslessly, as <out.jpg>.ppm, marked with the SHA-1 of the JPEG's bytes: the
// program reads that copy instead of the JPEG when the marks agree, so that it shows the very
// same pixels without loading the JPEG library.
//
//   sumblitz_svg_render <in.svg> <out.jpg|out.png> <size in pixels>
//
// JPEG has no transparency, so a picture is drawn over white; the sources paint their own
// background. A PNG keeps the transparent corners of the icon. Runs without a display
// (offscreen) unless the caller chose a platform.

#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <functional>

namespace {

// Written aside and renamed, so an interrupted build never leaves half a picture behind.
bool replace(const QString& out, const std::function<bool(const QString&)>& write)
{
    const QString part = out + QStringLiteral(".part");
    QFile::remove(part);
    if (!write(part) || (QFile::exists(out) && !QFile::remove(out)) || !QFile::rename(part, out)) {
        QFile::remove(part);
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(out));
        return false;
    }
    return true;
}

// The JPEG's pixels as its reader decodes them, as a binary PPM whose comment line names the
// SHA-1 of the JPEG's bytes: read without the JPEG library, and without inflating anything.
bool saveDecoded(const QString& jpeg)
{
    QFile file(jpeg);
    const QImage decoded = QImage(jpeg, "JPG").convertToFormat(QImage::Format_RGB32);
    if (decoded.isNull() || !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read back\n", qPrintable(jpeg));
        return false;
    }
    QByteArray ppm = "P6\n# Source-SHA1 " +
                     QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex() +
                     "\n" + QByteArray::number(decoded.width()) + ' ' +
                     QByteArray::number(decoded.height()) + "\n255\n";
    for (int y = 0; y < decoded.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(decoded.constScanLine(y));
        for (int x = 0; x < decoded.width(); ++x) {
            ppm.append(static_cast<char>(qRed(line[x])));
            ppm.append(static_cast<char>(qGreen(line[x])));
            ppm.append(static_cast<char>(qBlue(line[x])));
        }
    }
    return replace(jpeg + QStringLiteral(".ppm"), [&ppm](const QString& part) {
        QFile out(part);
        return out.open(QIODevice::WriteOnly) && out.write(ppm) == ppm.size() && out.flush();
    });
}

} // namespace

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

    if (!replace(out, [&](const QString& part) {
            return image.save(part, png ? "PNG" : "JPG", png ? -1 : 92);
        })) {
        return 1;
    }
    return png ? 0 : saveDecoded(out) ? 0 : 1;
}
