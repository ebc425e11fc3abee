// SPDX-License-Identifier: GPL-3.0-or-later
#include "mods/core/UtcNow.h"

#include <chrono>
#include <cstdio>

namespace mods {

std::string utcNow(bool withTime)
{
    using namespace std::chrono;
    const auto now = floor<seconds>(system_clock::now());
    const auto day = floor<days>(now);
    const year_month_day date{day};
    const hh_mm_ss time{now - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    std::string out = text;
    if (withTime) {
        std::snprintf(text, sizeof text, "T%02d:%02d:%02dZ", static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
        out += text;
    }
    return out;
}

} // namespace mods
