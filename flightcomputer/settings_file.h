// The settings file "T-KOR.QVD" through which the variometer follows the computer.
#pragma once

#include <string>

#include "computer_state.h"

constexpr const char* SETTINGS_FILE_NAME = "T-KOR.QVD";

// The file's four lines: "1" or "0" for the power, the filter and scale as one digit
// each, the compensation with one decimal ("1\n2\n2\n4.0\n" at load, switched on).
std::string settings_file_text(const ComputerState& state);

// Rewrites "T-KOR.QVD" in the current directory in full from the state, in text mode;
// when it cannot be emptied for writing it is appended to instead, and when it cannot
// be opened at all nothing is written (the variometer then keeps what it last read).
void write_settings_file(const ComputerState& state);
