// `panel render-panel`: load every gauge of a panel configuration, run frames, draw one window.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <string>
#include <vector>

struct RenderPanelOptions {
    std::string panel_file;
    std::string modules_dir;  // empty: the modules folder beside the panel program
    std::string window;       // empty: the first window
    std::vector<std::string> settings;
    std::vector<uint32_t> failures;
    int frames = 100;
    double scale = 1.0;
    std::string out;
    std::string workdir;
};

// Declares the subcommand and its options on app; the options land in `options`.
CLI::App* add_render_panel_subcommand(CLI::App& app, RenderPanelOptions& options);

// Runs it; throws HostError or std::runtime_error saying what went wrong.
int render_panel_command(const RenderPanelOptions& options);
