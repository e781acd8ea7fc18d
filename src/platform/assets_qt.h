// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace sb {

// Finds a picture or sound file by its plain name ("logo.jpg"; blanks around the name are
// ignored). Looks, in this order, in the data folder, so that a teacher's own file of the same
// name, kept with the pupils' files, wins; beside the executable, where the build puts the
// program's own files; and in ../share/sumblitz beside it, for an installed program. Returns
// the absolute path of the first regular file found, or an empty string when there is none.
QString findAssetIn(const QString& dataDir, const QString& name);
// The same with the working directory as the data folder.
QString findAsset(const QString& name);

// Reads an image file as the format its name says ("logo.jpg" as JPEG), without asking every
// image plug-in whether it knows the file, which would load them all; a file whose contents do
// not match its name is still read, by its contents. A JPEG the build made is read from the
// copy of its decoded pixels beside it. A null image when it cannot be read.
QImage readImage(const QString& path);

// Reads the pictures the widget style draws with as the PNGs they are, once, into the pixmap
// cache, where the style looks first. Fusion reads its group box frame by file name alone,
// which makes Qt load every image plug-in (GIF, ICO, SVG with its library) to ask each whether
// it knows the file. Call it once the application is made, before the first window is shown.
void readStylePictures();

// Finds one of the program's modules (the sound and chart modules, "sumblitz-sound.so"):
// beside the program in a build, in the program's library folder when installed. Empty when
// there is none.
QString findModule(const QString& fileName);

// How QtSound and QtPictures find their files: findAsset in the program, something else in a
// test that needs a missing or broken file.
using AssetLocator = std::function<QString(const QString& name)>;
// findAssetIn for the data folder dataDir.
AssetLocator assetsIn(const QString& dataDir);

} // namespace sb
