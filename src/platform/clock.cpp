// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace sb {

std::int16_t SystemClock::minuteOfHour()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<std::int16_t>(local.tm_min);
}

std::uint64_t SystemClock::seed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::chrono::steady_clock::time_point SystemClock::steadyNow()
{
    return std::chrono::steady_clock::now();
}

void SystemClock::sleepFor(std::chrono::milliseconds pause)
{
    std::this_thread::sleep_for(pause);
}

std::int64_t Clock::utcMillis()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::int32_t Clock::utcOffsetSeconds(std::int64_t utcMillis)
{
    const std::time_t at = static_cast<std::time_t>(utcMillis / 1000);
    std::tm local{};
    localtime_r(&at, &local);
    return static_cast<std::int32_t>(local.tm_gmtoff);
}

} // namespace sb
