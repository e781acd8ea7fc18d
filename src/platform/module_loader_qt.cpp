// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/module_loader_qt.h"

#include <QLibrary>

#include <utility>

#include "platform/assets_qt.h"

namespace sb {

ModuleLoader::ModuleLoader() : m_receiver(std::make_unique<QObject>()) {}

ModuleLoader::~ModuleLoader()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void ModuleLoader::load(const QString& fileName, const QString& path, const char* entry,
                        std::function<void(Entry)> done)
{
    if (std::exchange(m_started, true)) {
        return;
    }
    const QString file = path.isEmpty() ? findModule(fileName) : path;
    QObject* receiver = m_receiver.get();
    m_thread = std::thread([this, file, entry, receiver, done = std::move(done)] {
        QLibrary module(file);
        module.setLoadHints(QLibrary::PreventUnloadHint);
        const Entry found = module.resolve(entry);
        QMetaObject::invokeMethod(
            receiver,
            [this, found, done] {
                m_thread.join();
                done(found);
            },
            Qt::QueuedConnection);
    });
}

} // namespace sb
