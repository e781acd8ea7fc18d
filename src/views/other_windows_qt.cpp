// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/other_windows_qt.h"

#include <QLibrary>

#include <dlfcn.h>

#include "platform/assets_qt.h"
#include "platform/trace_qt.h"

namespace sb {

OtherWindows* otherWindows()
{
    using Get = OtherWindows* (*)();
    static OtherWindows* const windows = [] {
        // A program built with the windows inside it (the ui benchmark) offers them itself.
        auto get = reinterpret_cast<Get>(dlsym(RTLD_DEFAULT, "sumblitzOtherWindows"));
        if (get == nullptr) {
            trace("windows: loading");
            QLibrary module(findModule(QStringLiteral("sumblitz-windows.so")));
            module.setLoadHints(QLibrary::PreventUnloadHint); // its windows live in it
            get = reinterpret_cast<Get>(module.resolve("sumblitzOtherWindows"));
            trace(get != nullptr ? "windows: loaded" : "windows: no module");
        }
        return get != nullptr ? get() : nullptr;
    }();
    return windows;
}

} // namespace sb
