// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lazy_sound_qt.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibrary>

#include <functional>

#include "platform/assets_qt.h"
#include "platform/trace_qt.h"

namespace sb {

namespace {

using Make = Sound* (*)(const AssetLocator*, const std::function<void()>*);

// Beside the program in a build; in the library folder of an installed one (the path from the
// program's folder to it is fixed when the program is built).
QString findModule()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& path :
         {bin.filePath(QStringLiteral("sumblitz-sound.so")),
          bin.filePath(QStringLiteral(SUMBLITZ_SOUND_DIR "/sumblitz-sound.so"))}) {
        if (QFileInfo(path).isFile()) {
            return QDir::cleanPath(path);
        }
    }
    return {};
}

class FirstInput final : public QObject {
public:
    explicit FirstInput(LazySound& sound) : QObject(qApp), m_sound(sound)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress) {
            qApp->removeEventFilter(this);
            m_sound.prepare();
            deleteLater();
        }
        return false;
    }

private:
    LazySound& m_sound;
};

} // namespace

LazySound::LazySound(QString modulePath) : m_modulePath(std::move(modulePath)) {}

LazySound::~LazySound() = default;

void LazySound::prepare()
{
    if (m_tried) {
        return;
    }
    m_tried = true;
    trace("sound: loading");
    QLibrary module(m_modulePath.isEmpty() ? findModule() : m_modulePath);
    // The module stays loaded for the rest of the program: its sounds live in it.
    module.setLoadHints(QLibrary::PreventUnloadHint);
    const auto make = reinterpret_cast<Make>(module.resolve("sumblitzMakeSound"));
    if (make != nullptr) {
        const AssetLocator locate = findAsset;
        const std::function<void()> beep = [] { QApplication::beep(); };
        m_backend.reset(make(&locate, &beep));
    }
    trace(m_backend ? "sound: loaded" : "sound: no module");
}

void LazySound::prepareOnFirstInput()
{
    if (!m_tried) {
        new FirstInput(*this);
    }
}

void LazySound::play(SoundId sound)
{
    prepare();
    if (m_backend) {
        m_backend->play(sound);
    } else {
        const int slot = static_cast<int>(sound);
        if (slot >= 1 && slot <= 6) {
            QApplication::beep();
        }
    }
}

} // namespace sb
