// vario_art OUTDIR: draws the variometer's face (1000.bmp) and needle (2000.bmp).
#include "resources/common/art_canvas.h"
#include "resources/common/artwork_main.h"
#include "resources/common/palette_bitmap.h"
#include "vario/vario_dial.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

// Pixel (x, y) covers x..x+1 in Cairo, so a named pixel's centre is half a pixel in.
ArtPoint pixel_centre(PIXPOINT p) { return {p.x + 0.5, p.y + 0.5}; }

const ArtPoint PIVOT = pixel_centre(VARIO_PIVOT);

constexpr ArtColor BEZEL_DARK = {0.10, 0.10, 0.11};
constexpr ArtColor BEZEL_LIGHT = {0.33, 0.33, 0.35};
constexpr ArtColor DIAL = {0.07, 0.07, 0.08};
constexpr ArtColor MARKING = {0.93, 0.93, 0.90};
constexpr ArtColor EMBLEM_RIM = {0.50, 0.50, 0.52};
constexpr ArtColor EMBLEM_GROUND = {0.13, 0.13, 0.15};

constexpr double BEZEL_RADIUS = 155.0;
constexpr double DIAL_RADIUS = 141.0;
constexpr double LONG_TICK_INNER = 114.0, LONG_TICK_OUTER = 137.0;  // the table's points lie at ~126
constexpr double SHORT_TICK_INNER = 124.0, SHORT_TICK_OUTER = 137.0;
constexpr double NUMERAL_RADIUS = 98.0;
constexpr double EMBLEM_RADIUS = 40.0;  // the needle's bar starts 52 px out

// Directions of the table's rows from the pivot, clockwise from +x, each row joined to
// the one before the short way round, as the host turns the needle.
std::vector<double> row_directions() {
    std::vector<double> degrees;
    for (const NONLINEARITY& row : vario_nonlinearity) {
        double a = std::atan2(double(row.pt.y - VARIO_PIVOT.y), double(row.pt.x - VARIO_PIVOT.x)) * 180.0 / M_PI;
        if (!degrees.empty()) a = degrees.back() + std::remainder(a - degrees.back(), 360.0);
        degrees.push_back(a);
    }
    return degrees;
}

// The dial angle of a climb rate in m/s: linear between the rows, as the needle reads.
double angle_of_mps(const std::vector<double>& rows, double mps) {
    const double value = mps * VARIO_UNITS_PER_MPS;
    int i = value < vario_nonlinearity[1].value ? 0 : 1;
    const double t = (value - vario_nonlinearity[i].value) / (vario_nonlinearity[i + 1].value - vario_nonlinearity[i].value);
    return rows[i] + t * (rows[i + 1] - rows[i]);
}

void draw_case(cairo_t* cr) {
    draw_round_case(cr, PIVOT, VARIO_FACE_SIZE, BEZEL_RADIUS, DIAL_RADIUS, BEZEL_LIGHT, BEZEL_DARK, DIAL);
}

// Ticks every half unit on both scales, long at the whole units, the 0 and both 5s
// among them at the table's own points; numbers inside the long ticks.
void draw_scales(cairo_t* cr, const std::vector<double>& rows) {
    const ArtFont font{"DejaVu Sans", 24, true};
    for (int half = -10; half <= 10; ++half) {
        const double a = angle_of_mps(rows, half / 2.0);
        if (half % 2 != 0) {
            draw_radial_tick(cr, PIVOT, a, SHORT_TICK_INNER, SHORT_TICK_OUTER, 2.0, MARKING);
            continue;
        }
        draw_radial_tick(cr, PIVOT, a, LONG_TICK_INNER, LONG_TICK_OUTER, 3.5, MARKING);
        draw_text_centred(cr, std::to_string(std::abs(half / 2)), polar_point(PIVOT, NUMERAL_RADIUS, a), font, MARKING);
    }
}

// Plus above, minus below, just right of the 0, joined by a curved double arrow.
void draw_sense_marks(cairo_t* cr) {
    const ArtFont font{"DejaVu Sans", 16, true};
    draw_text_centred(cr, "+", {PIVOT.x - 72, PIVOT.y - 31}, font, MARKING);
    draw_text_centred(cr, "\xE2\x88\x92", {PIVOT.x - 72, PIVOT.y + 31}, font, MARKING);  // the minus sign

    // A shallow arc bulging to the right between the two signs, a head at either end.
    const ArtPoint centre = {PIVOT.x - 102, PIVOT.y};
    const double radius = 32.0, reach = 35.0;
    cairo_save(cr);
    cairo_set_source_rgb(cr, MARKING.r, MARKING.g, MARKING.b);
    cairo_set_line_width(cr, 2.0);
    cairo_arc(cr, centre.x, centre.y, radius, -reach * M_PI / 180, reach * M_PI / 180);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (double end : {-reach, reach}) {
        const ArtPoint tip = polar_point(centre, radius + 0.0, end);
        const double away = end + (end < 0 ? -90.0 : 90.0);  // along the arc, out of it
        fill_polygon(cr, {polar_point(tip, 7.0, away), polar_point(tip, 4.0, end), polar_point(tip, 4.0, end + 180.0)},
                     MARKING);
    }
}

void draw_emblem(cairo_t* cr) {
    fill_circle(cr, PIVOT, EMBLEM_RADIUS, EMBLEM_RIM);
    fill_circle(cr, PIVOT, EMBLEM_RADIUS - 3, EMBLEM_GROUND);
    fill_ring(cr, PIVOT, EMBLEM_RADIUS - 9, EMBLEM_RADIUS - 8, EMBLEM_RIM);
    draw_text_centred(cr, "VRX", {PIVOT.x, PIVOT.y - 6}, {"DejaVu Sans", 16, true}, MARKING);
    draw_text_centred(cr, "CORVANTIS", {PIVOT.x, PIVOT.y + 11}, {"Liberation Sans Narrow", 9, false}, MARKING);
}

void draw_face(const std::string& path) {
    ArtCanvas canvas(VARIO_FACE_SIZE, VARIO_FACE_SIZE);
    cairo_t* cr = canvas.cr();
    const std::vector<double> rows = row_directions();
    draw_case(cr);
    draw_scales(cr, rows);
    draw_sense_marks(cr);
    draw_emblem(cr);
    draw_text_centred(cr, "M/S", {PIVOT.x, PIVOT.y + 62}, {"Liberation Sans", 15, true}, MARKING);
    write_palette_bmp(path, canvas.surface());
}

// A white bar from 52 to 132 px right of the pivot, so the dial's centre stays in view.
void draw_needle(const std::string& path) {
    ArtCanvas canvas(VARIO_NEEDLE_SIZE.x, VARIO_NEEDLE_SIZE.y);
    const ArtPoint pivot = pixel_centre(VARIO_NEEDLE_PIVOT);
    const double from = pivot.x + 52, to = pivot.x + 132, half = 4.5;
    fill_polygon(canvas.cr(), {{from, pivot.y - half}, {to - 4, pivot.y - half}, {to, pivot.y},
                               {to - 4, pivot.y + half}, {from, pivot.y + half}},
                 {1.0, 1.0, 1.0});
    write_palette_bmp(path, canvas.surface());
}

}  // namespace

int main(int argc, char** argv) {
    return run_artwork(argc, argv, "vario_art", [](const std::string& dir) {
        draw_face(dir + "/1000.bmp");
        draw_needle(dir + "/2000.bmp");
    });
}
