// The host watches the outside sound library: the library counts its loads, releases and
// TerminateSounds calls into this record, which the host exports by name for it.
#pragma once

#include "frame/gauge_frame.h"
#include "soundlib/sound_counts.h"

extern "C" GAUGE_EXPORT GaugeSoundCounts panel_host_sound_counts;

inline GaugeSoundCounts& sound_library_counts() { return panel_host_sound_counts; }
