// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace sb {

// Reads the system's font configuration on a thread of its own, from before the application
// object exists until wait(): the toolkit reads it at the first text it measures, and the
// reading (its XML files parsed, the font list loaded) costs about as much as connecting to
// the display, which it can run alongside. The toolkit then finds it read. Waits in its
// destructor too, should wait() never be reached.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void wait();

private:
    std::thread m_thread;
};

} // namespace sb
