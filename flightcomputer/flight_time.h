// The flight time of the title line: simulator clock time since the switch-on.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t SECONDS_PER_DAY = 86400;

// Seconds from start to now on a 24-hour clock: a clock that passes midnight after the
// switch-on still counts on (23:59:50 to 00:00:10 is 20 s); 0 to 86399.
int32_t flight_seconds_between(int32_t start_seconds, int32_t clock_seconds);

// "FT" and the time as hh:mm:ss, "FT01:02:05" for 3725 s. A count the ten places cannot
// hold (100 hours or more, or below 0) shows "FT--:--:--".
std::string flight_time_title(int32_t flight_seconds);
