// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lazy_sound_qt.h"

#include <QApplication>
#include <QEvent>
#include <QLibrary>

#include <functional>

#include "platform/assets_qt.h"
#include "platform/trace_qt.h"

namespace sb {

namespace {

using Make = Sound* (*)(const AssetLocator*, const std::function<void()>*);

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

LazySound::LazySound(AssetLocator locate, QString modulePath)
    : m_locate(std::move(locate)), m_modulePath(std::move(modulePath))
{
}

LazySound::~LazySound() = default;

void LazySound::prepare()
{
    if (m_tried) {
        return;
    }
    m_tried = true;
    trace("sound: loading");
    QLibrary module(m_modulePath.isEmpty() ? findModule(QStringLiteral("sumblitz-sound.so"))
                                           : m_modulePath);
    // The module stays loaded for the rest of the program: its sounds live in it.
    module.setLoadHints(QLibrary::PreventUnloadHint);
    const auto make = reinterpret_cast<Make>(module.resolve("sumblitzMakeSound"));
    if (make != nullptr) {
        const std::function<void()> beep = [] { QApplication::beep(); };
        m_backend.reset(make(&m_locate, &beep));
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
