// The options of `panel run` on the Linux command line.
#pragma once

#include <CLI/CLI.hpp>

#include "run_command.h"

CLI::App* add_run_subcommand(CLI::App& app, RunOptions& options);
