// The record the sound library counts into while this host runs.
#include "sound_library_counts.h"

GaugeSoundCounts panel_host_sound_counts{};
