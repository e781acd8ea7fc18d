// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <thread>

namespace sb {

// Loads one of the program's modules (a shared library beside the program or in its library
// folder) on a thread of its own, so that the program's thread never waits for the libraries
// the module brings, and hands its entry point to the program's thread. The module stays loaded
// for the rest of the program: what it makes lives in it.
class ModuleLoader {
public:
    using Entry = void (*)();
    ModuleLoader();
    // Waits for a loading still under way; a report that comes after is dropped.
    ~ModuleLoader();
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    // Starts loading the module at path (empty: fileName found as findModule finds it), unless
    // that was done already. done runs on the program's thread with the entry point named
    // entry, null when the module or the entry point cannot be found.
    void load(const QString& fileName, const QString& path, const char* entry,
              std::function<void(Entry)> done);
    bool started() const { return m_started; }

private:
    bool m_started = false;
    std::unique_ptr<QObject> m_receiver;
    std::thread m_thread;
};

} // namespace sb
