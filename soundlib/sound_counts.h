// How often the sound library was loaded, released and told to end its sounds: a record
// that a host which watches the library exports by name. The library counts into it
// when it finds one, and counts nowhere inside the simulator.
#pragma once

#include <cstdint>

struct GaugeSoundCounts {
    int64_t loads;         // the library came into the process
    int64_t releases;      // the library left the process
    int64_t terminations;  // TerminateSounds ran
};

inline constexpr const char* GAUGE_SOUND_COUNTS_SYMBOL = "panel_host_sound_counts";
