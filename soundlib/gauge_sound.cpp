// "GaugeSound": our stand-in for the outside sound library that the trim display keeps
// loaded. It plays nothing; TerminateSounds ends the sounds it would play. Built without
// TerminateSounds (GAUGE_SOUND_WITHOUT_TERMINATE) it serves the tests of a library that
// lacks the entry point.
#include "sound_counts.h"

#if defined(_WIN32)
#define GAUGE_SOUND_EXPORT __declspec(dllexport)
#else
#define GAUGE_SOUND_EXPORT __attribute__((visibility("default")))
#include <dlfcn.h>
#endif

namespace {

// The watching host's record, or null (always null on Windows: the simulator keeps none).
GaugeSoundCounts* host_counts() {
#if defined(_WIN32)
    return nullptr;
#else
    return static_cast<GaugeSoundCounts*>(dlsym(RTLD_DEFAULT, GAUGE_SOUND_COUNTS_SYMBOL));
#endif
}

// Whether sounds are playing; the stand-in starts none.
bool sounds_playing = false;

#if !defined(_WIN32)
__attribute__((constructor)) void library_loaded() {
    if (GaugeSoundCounts* counts = host_counts()) ++counts->loads;
}

__attribute__((destructor)) void library_released() {
    if (GaugeSoundCounts* counts = host_counts()) ++counts->releases;
}
#endif

}  // namespace

#if !defined(GAUGE_SOUND_WITHOUT_TERMINATE)
extern "C" GAUGE_SOUND_EXPORT void TerminateSounds() {
    sounds_playing = false;
    if (GaugeSoundCounts* counts = host_counts()) ++counts->terminations;
}
#endif

// Keeps the library from being empty of exports when built without TerminateSounds.
extern "C" GAUGE_SOUND_EXPORT int GaugeSoundPlaying() { return sounds_playing ? 1 : 0; }
