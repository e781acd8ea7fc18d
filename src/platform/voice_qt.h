// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextToSpeech>
#include <QTimer>

#include <memory>
#include <optional>

#include "platform/speech.h"

namespace sb {

// Speech through Qt TextToSpeech: speech-dispatcher where it runs (its voices, espeak-ng's
// among them, in every language the program speaks), otherwise Flite (English only). A line
// counts as said when the engine reports it done, when the next line or stop() cuts it off,
// and at the latest when it did not start within a few seconds or took far longer than it
// could: a drill that waits for a line never waits for ever.
class QtSpeech final : public Speech {
public:
    // Null when no engine works on this machine.
    static std::unique_ptr<QtSpeech> make();
    explicit QtSpeech(std::unique_ptr<QTextToSpeech> engine);
    ~QtSpeech() override;
    QtSpeech(const QtSpeech&) = delete;
    QtSpeech& operator=(const QtSpeech&) = delete;

    void say(SpokenLine line) override;
    void stop() override;
    bool speaking() const override { return m_line.has_value(); }

private:
    void stateChanged(QTextToSpeech::State state);
    void finish();

    std::unique_ptr<QTextToSpeech> m_engine;
    std::optional<SpokenLine> m_line;
    bool m_started = false;
    QTimer m_deadline;
};

} // namespace sb

// The entry point of the speech module (sumblitz-speech.so), which alone links Qt
// TextToSpeech: a QtSpeech, or null when there is no voice. LazySpeech loads the module and
// calls this by name.
extern "C" sb::Speech* sumblitzMakeSpeech();
