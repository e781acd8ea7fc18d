// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/font_warmup_qt.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace sb {

FontConfigWarmUp::FontConfigWarmUp()
{
    try {
        m_thread = std::thread([] { static_cast<void>(FcInit()); });
    } catch (const std::system_error&) {
        // No thread to be had: the toolkit reads the configuration itself, as it would anyway.
    }
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    wait();
}

void FontConfigWarmUp::wait()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

} // namespace sb
