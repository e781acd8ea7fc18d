// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lazy_sound_qt.h"

#include <QApplication>
#include <QEvent>

#include <functional>
#include <utility>

#include "platform/assets_qt.h"
#include "platform/trace_qt.h"

namespace sb {

namespace {

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

// Work posted to the program's thread with a priority of its own.
class LaterEvent final : public QEvent {
public:
    explicit LaterEvent(std::function<void()> work) : QEvent(kind()), m_work(std::move(work)) {}
    static QEvent::Type kind()
    {
        static const auto registered = static_cast<QEvent::Type>(QEvent::registerEventType());
        return registered;
    }
    void run() const { m_work(); }

private:
    std::function<void()> m_work;
};

class Receiver final : public QObject {
protected:
    bool event(QEvent* event) override
    {
        if (event->type() == LaterEvent::kind()) {
            static_cast<LaterEvent*>(event)->run();
            return true;
        }
        return QObject::event(event);
    }
};

} // namespace

LazySound::LazySound(AssetLocator locate, QString modulePath)
    : m_locate(std::move(locate)), m_modulePath(std::move(modulePath)),
      m_receiver(std::make_unique<Receiver>())
{
}

void LazySound::prepare()
{
    if (m_loader.started()) {
        return;
    }
    trace("sound: loading");
    m_loader.load(
        QStringLiteral("sumblitz-sound.so"), m_modulePath, "sumblitzMakeSound",
        [this](ModuleLoader::Entry entry) { finishLoading(reinterpret_cast<Make>(entry)); });
}

void LazySound::finishLoading(Make make)
{
    m_finished = true;
    if (make != nullptr) {
        const std::function<void()> systemBeep = [] { QApplication::beep(); };
        m_backend.reset(make(&m_locate, &systemBeep));
    }
    trace(m_backend ? "sound: loaded" : "sound: no module");
    if (const std::optional<SoundId> due = std::exchange(m_due, std::nullopt)) {
        play(*due);
    }
}

void LazySound::prepareOnFirstInput()
{
    if (!m_loader.started()) {
        new FirstInput(*this);
    }
}

void LazySound::play(SoundId sound)
{
    if (m_backend) {
        // Started once the window has drawn what the same click changed — the next problem,
        // its buttons and captions, which is what the pupil waits for — rather than alongside
        // it: opening a stream keeps the sound server busy, and on a school PC of two cores
        // that would draw the drawing out. The window's drawing is a posted request of low
        // priority; this one is posted lower still, so it comes after. A sound is heard some
        // tens of milliseconds after it is started in any case; this adds about one.
        QCoreApplication::postEvent(m_receiver.get(),
                                    new LaterEvent([this, sound] { m_backend->play(sound); }),
                                    Qt::LowEventPriority - 1);
    } else if (!m_finished) {
        // The last sound due wins, as a sound played cuts off the one before.
        prepare();
        m_due = sound;
    } else {
        beep(sound);
    }
}

void LazySound::beep(SoundId sound) const
{
    const int slot = static_cast<int>(sound);
    if (slot >= 1 && slot <= 6) {
        QApplication::beep();
    }
}

} // namespace sb
