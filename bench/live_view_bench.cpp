// What the live view costs per frame the page shows: the glider panel rendered and
// encoded as PNG, as GET /frame.png does it, and the frames a second that allows.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "host/server/live_session.h"
#include "tests/test_support.h"

namespace {

void live_frame_png(benchmark::State& state) {
    TemporaryWorkdir workdir;
    LiveSession session(std::filesystem::path(PANELS_DIR) / "glider.cfg", GAUGE_MODULE_DIR, workdir.path / "snapshots");
    session.advance();
    size_t bytes = 0;
    for (auto _ : state) bytes = session.frame_png().size();
    state.counters["png_bytes"] = double(bytes);
    // The page asks for frames one after another on two connections: its rate is bounded by this.
    state.counters["frames_per_second"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(live_frame_png)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
