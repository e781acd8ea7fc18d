// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/voice_qt.h"

#include <QLocale>

#include <utility>

namespace sb {

namespace {

// Time for the engine to begin a line (speech-dispatcher is started with the first one).
constexpr int kStartMs = 3000;
// Far more than a voice takes to say a character.
constexpr int kPerCharacterMs = 150;

} // namespace

std::unique_ptr<QtSpeech> QtSpeech::make()
{
    const QStringList engines = QTextToSpeech::availableEngines();
    for (const char* name : {"speechd", "flite"}) {
        if (!engines.contains(QLatin1String(name))) {
            continue;
        }
        auto engine = std::make_unique<QTextToSpeech>(QLatin1String(name));
        if (engine->state() != QTextToSpeech::Error) {
            return std::make_unique<QtSpeech>(std::move(engine));
        }
    }
    return nullptr;
}

QtSpeech::QtSpeech(std::unique_ptr<QTextToSpeech> engine) : m_engine(std::move(engine))
{
    m_deadline.setSingleShot(true);
    QObject::connect(&m_deadline, &QTimer::timeout, [this] {
        if (m_line) {
            m_engine->stop();
            finish();
        }
    });
    QObject::connect(m_engine.get(), &QTextToSpeech::stateChanged,
                     [this](QTextToSpeech::State state) { stateChanged(state); });
}

QtSpeech::~QtSpeech()
{
    QObject::disconnect(m_engine.get(), nullptr, nullptr, nullptr);
    m_engine->stop();
}

void QtSpeech::say(SpokenLine line)
{
    stop();
    const QLocale locale(QString::fromStdString(line.language));
    if (m_engine->locale().language() != locale.language()) {
        for (const QLocale& offered : m_engine->availableLocales()) {
            if (offered.language() == locale.language()) {
                m_engine->setLocale(offered);
                break;
            }
        }
    }
    const QString text = QString::fromStdString(line.text);
    m_line = std::move(line);
    m_started = false;
    m_deadline.start(kStartMs);
    m_engine->say(text);
}

void QtSpeech::stop()
{
    if (m_line) {
        m_engine->stop();
        finish();
    }
}

void QtSpeech::stateChanged(QTextToSpeech::State state)
{
    if (!m_line) {
        return;
    }
    if (state == QTextToSpeech::Speaking && !m_started) {
        m_started = true;
        m_deadline.start(kStartMs + kPerCharacterMs * static_cast<int>(m_line->text.size()));
        if (m_line->started) {
            m_line->started();
        }
    } else if ((state == QTextToSpeech::Ready && m_started) || state == QTextToSpeech::Error) {
        finish();
    }
}

void QtSpeech::finish()
{
    m_deadline.stop();
    std::optional<SpokenLine> line = std::exchange(m_line, std::nullopt);
    if (line && line->said) {
        line->said();
    }
}

} // namespace sb

sb::Speech* sumblitzMakeSpeech()
{
    return sb::QtSpeech::make().release();
}
