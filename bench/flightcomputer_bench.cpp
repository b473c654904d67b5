// What a flight-computer frame costs: every callback of the chain, with the air-data
// computation and its averages due on each frame, nothing rendered.
#include <benchmark/benchmark.h>

#include "tests/test_support.h"

namespace {

void flightcomputer_frame_no_render(benchmark::State& state) {
    TestPanel test;
    GaugeInstance& gauge = test.panel.load_gauge(module_path("QT.T-KOR"));
    test.aircraft.set(0x3D, 54.0);
    test.aircraft.set(0x41, 512.0);
    test.panel.press(gauge, {105, 40});  // the power knob
    test.panel.release();
    test.panel.run_frames(60);
    for (auto _ : state) {
        test.clock.advance_ms(101);  // past the 100 ms gate, so every frame computes
        test.panel.update(gauge);
        test.panel.generate(gauge, 1);
    }
}
BENCHMARK(flightcomputer_frame_no_render);

}  // namespace
