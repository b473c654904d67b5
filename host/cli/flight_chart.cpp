// Four strips over a shared time axis, each scaled to its own range, with a zero line
// where the range crosses zero.
#include "flight_chart.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "host/render/gauge_renderer.h"

namespace {

constexpr int WIDTH = 1200, STRIP_HEIGHT = 160, MARGIN_LEFT = 70, MARGIN_RIGHT = 20, TOP = 10, GAP = 12;

struct Strip {
    const char* title;
    std::function<double(const ChartSample&)> value;
    double red, green, blue;
};

void draw_strip(cairo_t* cr, const Strip& strip, const std::vector<ChartSample>& samples, double y0, double t_end) {
    double low = 1e300, high = -1e300;
    for (const auto& s : samples) {
        low = std::min(low, strip.value(s));
        high = std::max(high, strip.value(s));
    }
    if (high - low < 1e-9) {  // a flat line in the middle of a range of 2
        low -= 1;
        high += 1;
    }
    const double plot_w = WIDTH - MARGIN_LEFT - MARGIN_RIGHT;
    auto x_of = [&](double t) { return MARGIN_LEFT + plot_w * t / t_end; };
    auto y_of = [&](double v) { return y0 + STRIP_HEIGHT - STRIP_HEIGHT * (v - low) / (high - low); };

    cairo_set_source_rgb(cr, 0.97, 0.97, 0.97);
    cairo_rectangle(cr, MARGIN_LEFT, y0, plot_w, STRIP_HEIGHT);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.0);
    if (low < 0 && high > 0) {
        cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
        cairo_move_to(cr, MARGIN_LEFT, y_of(0));
        cairo_line_to(cr, MARGIN_LEFT + plot_w, y_of(0));
        cairo_stroke(cr);
    }
    cairo_set_source_rgb(cr, strip.red, strip.green, strip.blue);
    for (size_t i = 0; i < samples.size(); ++i) {
        const double x = x_of(samples[i].time_s), y = y_of(strip.value(samples[i]));
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);

    char text[64];
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_font_size(cr, 12);
    cairo_move_to(cr, MARGIN_LEFT + 6, y0 + 14);
    cairo_show_text(cr, strip.title);
    std::snprintf(text, sizeof text, "%.1f", high);
    cairo_move_to(cr, 4, y0 + 12);
    cairo_show_text(cr, text);
    std::snprintf(text, sizeof text, "%.1f", low);
    cairo_move_to(cr, 4, y0 + STRIP_HEIGHT);
    cairo_show_text(cr, text);
}

}  // namespace

void write_flight_chart(const std::vector<ChartSample>& samples, const std::filesystem::path& png) {
    const Strip strips[] = {
        {"altitude [m]", [](const ChartSample& s) { return s.altitude_m; }, 0.1, 0.2, 0.7},
        {"variometer needle [m/s]", [](const ChartSample& s) { return s.vario_ms; }, 0.8, 0.3, 0.0},
        {"netto, the air's rising speed [m/s]", [](const ChartSample& s) { return s.netto_ms; }, 0.0, 0.55, 0.2},
        {"speed command (1 pull ... 5 centre ... 9 push, 0 blank)", [](const ChartSample& s) { return s.speed_command; },
         0.5, 0.1, 0.6},
    };
    const int strip_count = int(std::size(strips));
    const int height = TOP + strip_count * (STRIP_HEIGHT + GAP) + 24;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, WIDTH, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    const double t_end = samples.empty() ? 1.0 : std::max(1.0, samples.back().time_s);
    if (!samples.empty())
        for (int i = 0; i < strip_count; ++i) draw_strip(cr, strips[i], samples, TOP + i * (STRIP_HEIGHT + GAP), t_end);
    // Minutes along the bottom.
    const double plot_w = WIDTH - MARGIN_LEFT - MARGIN_RIGHT;
    const int step_min = std::max(1, int(std::ceil(t_end / 60.0 / 12.0)));
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_font_size(cr, 12);
    for (int minute = 0; minute * 60 <= t_end; minute += step_min) {
        char text[16];
        std::snprintf(text, sizeof text, "%d min", minute);
        cairo_move_to(cr, MARGIN_LEFT + plot_w * minute * 60 / t_end - 10, height - 8);
        cairo_show_text(cr, text);
    }
    cairo_destroy(cr);
    try {
        write_png(surface, png.string());
    } catch (...) {
        cairo_surface_destroy(surface);
        throw;
    }
    cairo_surface_destroy(surface);
}
