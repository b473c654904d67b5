// `panel serve`: loads a panel, flies it on a thread of its own and serves the page,
// its frames and its state on 127.0.0.1 unless told otherwise, until interrupted.
#include "serve_command.h"

#include <atomic>
#include <csignal>
#include <iostream>
#include <thread>

#include "host/server/live_routes.h"
#include "work_directory.h"

namespace {

struct ServeOptions {
    std::string panel = "panels/glider.cfg";
    std::string modules = "build/modules";
    std::string host = "127.0.0.1";
    int port = 8080;
    std::string workdir;
    std::string scenario;
};

httplib::Server* running_server = nullptr;

void stop_on_signal(int) {
    if (running_server != nullptr) running_server->stop();
}

int serve(const ServeOptions& options) {
    auto panel = std::filesystem::absolute(options.panel);
    auto modules = std::filesystem::absolute(options.modules);
    std::string workdir = options.workdir.empty() ? "runs/serve" : options.workdir;
    auto scenario = options.scenario.empty() ? std::filesystem::path() : std::filesystem::absolute(options.scenario);
    WorkDirectory directory(workdir);
    LiveSession session(panel, modules, directory.path() / "snapshots", scenario);

    std::atomic<bool> flying{true};
    std::thread simulation([&] {
        while (flying) {
            session.advance();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });

    httplib::Server server;
    add_live_routes(server, session);
    running_server = &server;
    std::signal(SIGINT, stop_on_signal);
    std::signal(SIGTERM, stop_on_signal);
    if (!server.bind_to_port(options.host, options.port)) {
        flying = false;
        simulation.join();
        std::cerr << "panel serve: cannot listen on " << options.host << ":" << options.port << "\n";
        return 1;
    }
    std::cout << "Serving " << panel.string() << " at http://" << options.host << ":" << options.port
              << "/ (gauges run in " << directory.path().string() << "); Ctrl-C stops." << std::endl;
    server.listen_after_bind();
    running_server = nullptr;
    flying = false;
    simulation.join();
    return 0;
}

}  // namespace

void add_serve_command(CLI::App& app) {
    auto options = std::make_shared<ServeOptions>();
    auto* command = app.add_subcommand("serve", "Fly a panel live and operate it in a web page.");
    command->add_option("panel", options->panel, "Panel configuration file")->capture_default_str();
    command->add_option("--modules", options->modules, "Folder of the gauge modules (.so)")->capture_default_str();
    command->add_option("--host", options->host, "Address to listen on")->capture_default_str();
    command->add_option("--port", options->port, "Port to listen on")->capture_default_str()->check(CLI::Range(1, 65535));
    command->add_option("--workdir", options->workdir, "Folder the gauges run in and snapshots go to; default runs/serve");
    command->add_option("--scenario", options->scenario,
                        "Fly the flight a scenario sets up (air, thermals, goal, glider, pilot); "
                        "without it the panel is held still and moved by the page's controls");
    command->callback([options] {
        int code = 1;
        try {
            code = serve(*options);
        } catch (const std::exception& e) {
            std::cerr << "panel serve: " << e.what() << "\n";
        }
        throw CLI::RuntimeError(code);
    });
}
