// Reading the variometer's settings from the flight computer's settings file.
#pragma once

#include "vario_sampler.h"

// The settings file the flight computer rewrites, relative to the working directory.
inline constexpr const char* VARIO_SETTINGS_FILE = "T-KOR.QVD";

// Takes damping, scale and compensation from lines 2 to 4 of the file, but only when
// line 1 holds a '1' (the computer is on); otherwise the settings stay as they are. A
// missing file is created empty; one that cannot be opened even then changes nothing.
// A file that ends early leaves each missing line parsed from the last line read. The
// values are stored as read; the sampler copes with a damping it has no window for.
void read_vario_settings_file(const char* path, VarioSettings& settings);
