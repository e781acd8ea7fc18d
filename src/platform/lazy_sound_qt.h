// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "platform/assets_qt.h"
#include "platform/media.h"
#include "platform/module_loader_qt.h"

namespace sb {

// The drill sounds, with Qt Multimedia kept out of the program's start-up: it is linked only
// into the sound module (sumblitz-sound.so, beside the program or in its library folder), and
// the module is loaded by prepare(), at the latest by the first play(). Its libraries are loaded
// on a thread of its own, so that neither the press that starts the loading nor the answer it
// comes with waits for them; the sounds are then made on the program's thread. A sound due
// while the module loads is played as soon as it is there. Once loaded it plays as QtSound
// does: the files findAsset finds, one sound at a time, the system's beep for a missing file.
// Where the module cannot be loaded every sound is that beep, so the pupil still hears that
// something happened.
class LazySound final : public Sound {
public:
    // The files found by locate. modulePath empty: the module found beside the program or in
    // its library folder.
    explicit LazySound(AssetLocator locate = findAsset, QString modulePath = {});
    LazySound(const LazySound&) = delete;
    LazySound& operator=(const LazySound&) = delete;

    // Starts loading the module, unless that has been done or tried.
    void prepare();
    // Prepares at the pupil's first mouse or key press in the program: no sound is due
    // before one, and the press of a button comes well before its click (the release), when
    // the first sound is played.
    void prepareOnFirstInput();
    void play(SoundId sound) override;
    // True once the module is loaded and its sounds made.
    bool loaded() const { return m_backend != nullptr; }

private:
    using Make = Sound* (*)(const AssetLocator*, const std::function<void()>*);
    // On the program's thread, once the loading thread is done: the sounds made, and the one
    // due meanwhile played.
    void finishLoading(Make make);
    void beep(SoundId sound) const;

    AssetLocator m_locate;
    QString m_modulePath;
    std::unique_ptr<Sound> m_backend;
    bool m_finished = false;
    std::optional<SoundId> m_due;
    // Where a sound waits for the window's drawing: gone with this object, so a sound that
    // comes too late is dropped.
    std::unique_ptr<QObject> m_receiver;
    ModuleLoader m_loader;
};

} // namespace sb
