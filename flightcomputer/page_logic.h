// The page logic of the title line: what each page shows, its title, and the intro.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "computer_state.h"

// Time the intro "T-KOR FS98" stands before the start page [ms].
constexpr int32_t INTRO_MS = 3000;

// Sets the show flags of the current page: some to 1, some to 0, all others kept, so
// what a page shows may depend on the page before it.
void set_page_flags(ComputerState& state);

// The title of the current page at now_ms, or nothing when the title stays as it is.
// On the intro page, once 3 whole seconds have passed since the switch-on, the page
// becomes the start page and the title stays for this run. The flight-time page shows
// flight_seconds, which the caller brings up to date first.
std::optional<std::string> page_title(ComputerState& state, int32_t now_ms);
