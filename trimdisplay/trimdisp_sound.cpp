// The sound library's life beside the gauge's: loaded before initialize, put back before
// each update if something released it, told to end its sounds and released before kill.
#include "trimdisp_sound.h"

HMODULE trimdisp_sound_module = nullptr;

namespace {

using TerminateSoundsFunction = void (*)();

// Whether the gauge holds a use of the library that it took with its own load. Only that
// use is given back at kill: releasing one that another user took would unload the
// library from under that user.
bool trimdisp_sound_held = false;

HMODULE load_sound_library() {
    HMODULE handle = LoadLibraryA(TRIMDISP_SOUND_LIBRARY);
    if (handle != nullptr) trimdisp_sound_held = true;
    return handle;
}

// The library's handle if it is loaded already, else a fresh load (null if it can't be).
HMODULE find_or_load_sound_library() {
    HMODULE handle = GetModuleHandleA(TRIMDISP_SOUND_LIBRARY);
    return handle != nullptr ? handle : load_sound_library();
}

void end_sounds() {
    trimdisp_sound_module = find_or_load_sound_library();
    FARPROC entry = trimdisp_sound_module != nullptr
                        ? GetProcAddress(trimdisp_sound_module, TRIMDISP_TERMINATE_SOUNDS)
                        : nullptr;
    if (entry != nullptr) reinterpret_cast<TerminateSoundsFunction>(reinterpret_cast<void*>(entry))();
    // Undoes the gauge's own load. The handle itself is kept.
    if (trimdisp_sound_module != nullptr && trimdisp_sound_held) {
        FreeLibrary(trimdisp_sound_module);
        trimdisp_sound_held = false;
    }
}

}  // namespace

void GAUGE_CALL trimdisp_gauge_cb(GAUGEHDR*, int32_t service, uint32_t) {
    switch (service) {
        case TRIMDISP_SERVICE_PRE_INITIALIZE:
            if (trimdisp_sound_module == nullptr) trimdisp_sound_module = load_sound_library();
            break;
        case TRIMDISP_SERVICE_PRE_UPDATE:
            trimdisp_sound_module = find_or_load_sound_library();
            break;
        case TRIMDISP_SERVICE_PRE_KILL:
            end_sounds();
            break;
        default:
            break;  // the draw stage (10) and every other stage change nothing
    }
}
