// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lazy_speech_qt.h"

#include <utility>

#include "platform/trace_qt.h"

namespace sb {

namespace {

void saidNow(SpokenLine& line)
{
    if (line.said) {
        std::exchange(line.said, nullptr)();
    }
}

} // namespace

LazySpeech::LazySpeech(QString modulePath) : m_modulePath(std::move(modulePath)) {}

LazySpeech::~LazySpeech() = default;

void LazySpeech::prepare()
{
    if (m_loader.started()) {
        return;
    }
    trace("speech: loading");
    m_loader.load(
        QStringLiteral("sumblitz-speech.so"), m_modulePath, "sumblitzMakeSpeech",
        [this](ModuleLoader::Entry entry) { finishLoading(reinterpret_cast<Make>(entry)); });
}

void LazySpeech::finishLoading(Make make)
{
    m_finished = true;
    if (make != nullptr) {
        m_backend.reset(make());
    }
    trace(m_backend ? "speech: loaded" : "speech: no voice");
    if (m_due) {
        SpokenLine due = *std::exchange(m_due, std::nullopt);
        say(std::move(due));
    }
}

void LazySpeech::say(SpokenLine line)
{
    if (m_backend) {
        m_backend->say(std::move(line));
    } else if (!m_finished) {
        prepare();
        if (m_due) {
            saidNow(*m_due);
        }
        m_due = std::move(line);
    } else {
        saidNow(line);
    }
}

void LazySpeech::stop()
{
    if (m_backend) {
        m_backend->stop();
    } else if (m_due) {
        SpokenLine due = *std::exchange(m_due, std::nullopt);
        saidNow(due);
    }
}

bool LazySpeech::speaking() const
{
    return m_backend ? m_backend->speaking() : m_due.has_value();
}

} // namespace sb
