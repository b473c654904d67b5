// The five push buttons: GO, left and right move between pages, up and down change the
// setting the page shows. They work whether the computer is on or off.
#pragma once

#include <cstdint>

#include "computer_state.h"

// Simulator events the altimeter page's up and down buttons send, with value 1.
constexpr uint32_t EVENT_PRESSURE_UP = 0x1015B;
constexpr uint32_t EVENT_PRESSURE_DOWN = 0x1015C;

// GO: to the wind page, from every page.
void press_go(ComputerState& state);

// Left and right step along pages 18 to 28 and stop at its ends; the off, intro and
// start pages do not move.
void press_left(ComputerState& state);
void press_right(ComputerState& state);

// Up and down step the current page's setting (repeated addition, held at the ends or
// wrapping around) and return the simulator event to send, 0 for none.
uint32_t press_up(ComputerState& state);
uint32_t press_down(ComputerState& state);
