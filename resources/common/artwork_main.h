// What every artwork program's main does: take the output folder, draw, report failure.
#pragma once

#include <functional>
#include <string>

// Calls draw_all with the folder named on the command line; returns the exit code:
// 2 for a wrong command line, 1 when drawing or writing failed (said on stderr).
int run_artwork(int argc, char** argv, const char* program, const std::function<void(const std::string& dir)>& draw_all);
