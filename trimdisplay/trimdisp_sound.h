// The trim display's gauge callback: it keeps the outside sound library "GaugeSound"
// loaded while the gauge lives and has it end its sounds when the gauge is killed.
#pragma once

#include "frame/gauge_frame.h"
#include "library_loader.h"

constexpr const char* TRIMDISP_SOUND_LIBRARY = "GaugeSound";
constexpr const char* TRIMDISP_TERMINATE_SOUNDS = "TerminateSounds";

// The stages the gauge acts on; the host tells it of others too.
constexpr int32_t TRIMDISP_SERVICE_PRE_INITIALIZE = 4;
constexpr int32_t TRIMDISP_SERVICE_PRE_UPDATE = 6;
constexpr int32_t TRIMDISP_SERVICE_PRE_KILL = 12;

// The sound library's handle; null at load and while the library cannot be loaded.
extern HMODULE trimdisp_sound_module;

void GAUGE_CALL trimdisp_gauge_cb(GAUGEHDR* header, int32_t service, uint32_t datum);
