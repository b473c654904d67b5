// The flight time of the title line: simulator clock time since the switch-on.
#include "flight_time.h"

#include <cstdio>

int32_t flight_seconds_between(int32_t start_seconds, int32_t clock_seconds) {
    // In 64 bits: clock readings at the ends of the 32-bit range must not overflow.
    const int64_t difference = int64_t(clock_seconds) - int64_t(start_seconds);
    const int64_t wrapped = difference % SECONDS_PER_DAY;
    return int32_t(wrapped < 0 ? wrapped + SECONDS_PER_DAY : wrapped);
}

std::string flight_time_title(int32_t flight_seconds) {
    const int32_t hours = flight_seconds / 3600;
    if (flight_seconds < 0 || hours > 99) return "FT--:--:--";
    char text[16];
    std::snprintf(text, sizeof text, "FT%02d:%02d:%02d", int(hours), int(flight_seconds / 60 % 60),
                  int(flight_seconds % 60));
    return text;
}
