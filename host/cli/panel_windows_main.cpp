// panel.exe, the Windows host without drawing: `panel probe MODULE [--set TOKEN=VALUE]...
// [--frames N] [--workdir DIR]` prints what the module's gauge shows, and `panel run SCENARIO
// [--out DIR] [--modules DIR] [--workdir DIR] [--quiet]` flies a scenario, as on Linux but
// leaving no pictures.
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "probe.h"
#include "run_command.h"

namespace {

constexpr const char* USAGE =
    "usage: panel probe MODULE [--set TOKEN=VALUE]... [--frames N] [--workdir DIR]\n"
    "       panel run SCENARIO [-o|--out DIR] [--modules DIR] [--workdir DIR] [-q|--quiet]";
constexpr int MAX_FRAMES = 10000000;  // as on Linux

int frame_count(const std::string& text) {
    char* end = nullptr;
    const long frames = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || frames < 0 || frames > MAX_FRAMES)
        throw std::invalid_argument("--frames: expected 0 to " + std::to_string(MAX_FRAMES) + ", got \"" + text + "\"");
    return int(frames);
}

int probe_command(const std::vector<std::string>& args) {
    std::vector<TokenSetting> settings;
    int frames = 100;
    std::string workdir;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option != "--set" && option != "--frames" && option != "--workdir")
            throw std::invalid_argument("unknown option \"" + option + "\"\n" + USAGE);
        if (i + 1 == args.size()) throw std::invalid_argument(option + " needs a value");
        const std::string& value = args[++i];
        if (option == "--set") settings.push_back(parse_token_setting(value));
        if (option == "--frames") frames = frame_count(value);
        if (option == "--workdir") workdir = value;
    }
    run_probe(args[1], settings, frames, workdir, std::cout);
    return 0;
}

int run_scenario_command(const std::vector<std::string>& args) {
    RunOptions options;
    options.scenario = args[1];
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "-q" || option == "--quiet") {
            options.quiet = true;
            continue;
        }
        std::string* target = option == "-o" || option == "--out" ? &options.out_dir
                              : option == "--modules"              ? &options.modules_dir
                              : option == "--workdir"              ? &options.workdir
                                                                   : nullptr;
        if (!target) throw std::invalid_argument("unknown option \"" + option + "\"\n" + USAGE);
        if (i + 1 == args.size()) throw std::invalid_argument(option + " needs a value");
        *target = args[++i];
    }
    return run_command(options);
}

}  // namespace

int main(int argc, char** argv) {
    // A module that fails to load is reported in our message, not in a dialog box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2 || (args[0] != "probe" && args[0] != "run")) {
        std::cerr << USAGE << "\n";
        return 2;
    }
    try {
        return args[0] == "probe" ? probe_command(args) : run_scenario_command(args);
    } catch (const std::exception& e) {
        std::cerr << "panel: " << e.what() << "\n";
        return 1;
    }
}
