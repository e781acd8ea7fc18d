// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "platform/module_loader_qt.h"
#include "platform/speech.h"

namespace sb {

// The system's speech synthesis, with Qt TextToSpeech kept out of the program's start-up: it is
// linked only into the speech module (sumblitz-speech.so), which is loaded by prepare(), at the
// latest by the first say(). A line due while the module loads is said once it is there (the
// last one due wins; the one it replaces counts as said). Where the module cannot be loaded or
// finds no voice, every line counts as said at once.
class LazySpeech final : public Speech {
public:
    // modulePath empty: the module found beside the program or in its library folder.
    explicit LazySpeech(QString modulePath = {});
    ~LazySpeech() override;
    LazySpeech(const LazySpeech&) = delete;
    LazySpeech& operator=(const LazySpeech&) = delete;

    void prepare() override;
    void say(SpokenLine line) override;
    void stop() override;
    bool speaking() const override;
    // Once the module is loaded: whether it found a voice.
    bool loaded() const { return m_backend != nullptr; }

private:
    using Make = Speech* (*)();
    void finishLoading(Make make);

    QString m_modulePath;
    std::unique_ptr<Speech> m_backend;
    bool m_finished = false;
    std::optional<SpokenLine> m_due;
    ModuleLoader m_loader;
};

} // namespace sb
