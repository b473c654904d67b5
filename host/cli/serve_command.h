// `panel serve`: the live panel in a web page.
#pragma once

#include <CLI/CLI.hpp>

// Adds the subcommand to the app; running it happens through the callback CLI11 calls.
void add_serve_command(CLI::App& app);
