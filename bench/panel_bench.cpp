// What a frame costs the host: the airspeed indicator's update and generate, a rendered
// frame at 1:1, and, as the yardstick measured in the same run, a bare Cairo composite
// of the same two bitmaps with the same rotation.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "host/render/gauge_renderer.h"
#include "tests/test_support.h"

namespace {

struct AsiBench {
    TestPanel test;
    GaugeInstance& gauge = test.panel.load_gauge(module_path("QT.SM-008"));
    AsiBench() {
        test.aircraft.set(TOKEN_AIRSPEED, 54.0);
        test.panel.run_frames(60);
    }
};

void asi_frame_no_render(benchmark::State& state) {
    AsiBench bench;
    for (auto _ : state) {
        bench.test.panel.update(bench.gauge);
        bench.test.panel.generate(bench.gauge, 1);
    }
}
BENCHMARK(asi_frame_no_render);

void asi_frame_rendered(benchmark::State& state) {
    AsiBench bench;
    GaugeRenderer renderer;
    PIXPOINT face = bench.gauge.face_size();
    cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, face.x, face.y);
    for (auto _ : state) {
        cairo_t* cr = cairo_create(target);
        renderer.draw(cr, bench.gauge);
        cairo_destroy(cr);
        cairo_surface_flush(target);
    }
    cairo_surface_destroy(target);
}
BENCHMARK(asi_frame_rendered);

// The floor: the two bitmaps already as Cairo images, composited with the needle's
// rotation, nothing else.
void bare_cairo_composite(benchmark::State& state) {
    AsiBench bench;
    GaugeRenderer renderer;
    const auto& elements = bench.gauge.chain().elements();
    cairo_surface_t* face = renderer.surface_for(*elements[0].bitmap, true);
    cairo_surface_t* needle = renderer.surface_for(*elements[1].bitmap, true);
    double angle = elements[1].angle * std::numbers::pi / 180.0;
    PIXPOINT size = bench.gauge.face_size();
    cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.x, size.y);
    for (auto _ : state) {
        cairo_t* cr = cairo_create(target);
        cairo_set_source_surface(cr, face, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
        cairo_paint(cr);
        cairo_translate(cr, 157, 157);
        cairo_rotate(cr, angle);
        cairo_translate(cr, -48, -9);
        cairo_set_source_surface(cr, needle, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(target);
    }
    cairo_surface_destroy(target);
}
BENCHMARK(bare_cairo_composite);

}  // namespace

BENCHMARK_MAIN();
