// trimdisplay_art OUTDIR: draws the trim display's face (100.bmp) and its elevator,
// rudder and aileron needles (1100.bmp, 1200.bmp, 1300.bmp).
#include "resources/common/art_canvas.h"
#include "resources/common/artwork_main.h"
#include "resources/common/palette_bitmap.h"
#include "trimdisplay/trimdisp_dials.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr ArtColor PLATE = {0.24, 0.24, 0.25};
constexpr ArtColor LABEL = {0.78, 0.78, 0.78};
constexpr ArtColor RIM = {0.27, 0.27, 0.28};
constexpr ArtColor INTERIOR = {0.05, 0.05, 0.06};
constexpr ArtColor BOSS = {0.13, 0.13, 0.14};
constexpr ArtColor RING = {0.50, 0.50, 0.52};
constexpr ArtColor TICK = {0.96, 0.96, 0.96};
constexpr ArtColor GREEN = {0.15, 0.75, 0.25};
constexpr ArtColor NEEDLE = {0.80, 0.80, 0.80};

// Pixel (x, y) covers x..x+1 in Cairo, so a pixel's centre is half a pixel in.
ArtPoint centre_of(PIXPOINT p) { return {p.x + 0.5, p.y + 0.5}; }

// One dial: ticks every 30 degrees from `first_deg` to `last_deg` (clockwise from +x),
// one of them outlined in green.
struct Dial {
    PIXPOINT pivot;
    double first_deg, last_deg;
    double r_inner, r_outer;
    double green_deg;  // NAN: no green tick
};

// Each dial's middle mark lies where its table's 0 row points, the end marks where +-0.628 do.
const Dial DIALS[] = {
    {TRIMDISP_AILERON_PIVOT, 90, 270, 33, 43, 180},   // left: 6 through 9 to 12 o'clock
    {TRIMDISP_RUDDER_PIVOT, 180, 360, 38, 49, 300},   // middle: 9 through 12 to 3 o'clock
    {TRIMDISP_ELEV_PIVOT, 120, 270, 29, 38, NAN},     // right: about 7 up to 12 o'clock
};

void draw_octagon(cairo_t* cr, double x0, double y0, double x1, double y1, double cut, ArtColor color) {
    fill_polygon(cr,
                 {{x0 + cut, y0}, {x1 - cut, y0}, {x1, y0 + cut}, {x1, y1 - cut}, {x1 - cut, y1}, {x0 + cut, y1},
                  {x0, y1 - cut}, {x0, y0 + cut}},
                 color);
}

void draw_plate(cairo_t* cr) {
    const double x0 = 132, x1 = 197, y0 = 3, y1 = 33;
    fill_polygon(cr, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, PLATE);
    draw_text_centred(cr, "TRIM", {(x0 + x1) / 2, (y0 + y1) / 2}, {"Liberation Sans", 17, true}, LABEL);
}

void draw_dial(cairo_t* cr, const Dial& dial) {
    const ArtPoint c = centre_of(dial.pivot);
    for (double a = dial.first_deg; a <= dial.last_deg + 0.1; a += 30) {
        if (a == dial.green_deg) draw_radial_tick(cr, c, a, dial.r_inner - 1.5, dial.r_outer + 1.5, 5.5, GREEN);
        draw_radial_tick(cr, c, a, dial.r_inner, dial.r_outer, 2.5, TICK);
    }
    fill_circle(cr, c, 11, RING);
    fill_circle(cr, c, 9.5, BOSS);
}

void draw_face(const std::string& path) {
    ArtCanvas canvas(TRIMDISP_FACE_SIZE.x, TRIMDISP_FACE_SIZE.y);
    cairo_t* cr = canvas.cr();
    fill_polygon(cr, {{0, 0}, {329, 0}, {329, 174}, {0, 174}}, {0, 0, 0});
    draw_plate(cr);
    draw_octagon(cr, 2, 38, 327, 172, 26, RIM);
    draw_octagon(cr, 6, 42, 323, 168, 24, INTERIOR);
    for (const auto& dial : DIALS) draw_dial(cr, dial);
    write_palette_bmp(path, canvas.surface());
}

// A bar along the top edge, with a tapering stub hanging down from its left end.
void draw_elevator_needle(const std::string& path) {
    ArtCanvas canvas(TRIMDISP_ELEV_NEEDLE_SIZE.x, TRIMDISP_ELEV_NEEDLE_SIZE.y);
    cairo_t* cr = canvas.cr();
    const double w = TRIMDISP_ELEV_NEEDLE_SIZE.x;
    fill_polygon(cr, {{0, 1}, {w, 1}, {w, 8}, {0, 8}}, NEEDLE);
    fill_polygon(cr, {{0, 8}, {9, 8}, {5, 18}, {2, 18}}, NEEDLE);
    write_palette_bmp(path, canvas.surface());
}

// A swept-wing aircraft seen from above, nose toward +x.
void draw_rudder_needle(const std::string& path) {
    ArtCanvas canvas(TRIMDISP_RUDDER_NEEDLE_SIZE.x, TRIMDISP_RUDDER_NEEDLE_SIZE.y);
    cairo_t* cr = canvas.cr();
    const double y = TRIMDISP_RUDDER_NEEDLE_OFS.y + 0.5;
    fill_polygon(cr, {{4, y - 2.5}, {62, y - 3}, {72, y}, {62, y + 3}, {4, y + 2.5}}, NEEDLE);   // fuselage
    fill_polygon(cr, {{46, y - 2}, {22, 1}, {16, 1}, {30, y}, {16, 61}, {22, 61}, {46, y + 2}}, NEEDLE);  // wings
    fill_polygon(cr, {{14, y - 2}, {3, y - 14}, {0, y - 14}, {5, y}, {0, y + 14}, {3, y + 14}, {14, y + 2}},
                 NEEDLE);  // tailplane
    write_palette_bmp(path, canvas.surface());
}

// An aircraft seen from the front, upside down: wing line, round fuselage, fin pointing down.
void draw_aileron_needle(const std::string& path) {
    ArtCanvas canvas(TRIMDISP_AILERON_NEEDLE_SIZE.x, TRIMDISP_AILERON_NEEDLE_SIZE.y);
    cairo_t* cr = canvas.cr();
    const ArtPoint c = centre_of(TRIMDISP_AILERON_NEEDLE_OFS);
    const double w = TRIMDISP_AILERON_NEEDLE_SIZE.x;
    fill_polygon(cr, {{0, c.y - 1.5}, {w, c.y - 1.5}, {w, c.y + 1.5}, {0, c.y + 1.5}}, NEEDLE);
    fill_circle(cr, c, 6, NEEDLE);
    fill_polygon(cr, {{c.x - 10, c.y + 6}, {c.x + 10, c.y + 6}, {c.x + 10, c.y + 8}, {c.x - 10, c.y + 8}},
                 NEEDLE);  // tailplane
    fill_polygon(cr, {{c.x - 1.5, c.y + 6}, {c.x + 1.5, c.y + 6}, {c.x + 1, 25}, {c.x - 1, 25}}, NEEDLE);  // fin
    write_palette_bmp(path, canvas.surface());
}

}  // namespace

int main(int argc, char** argv) {
    return run_artwork(argc, argv, "trimdisplay_art", [](const std::string& dir) {
        draw_face(dir + "/100.bmp");
        draw_elevator_needle(dir + "/1100.bmp");
        draw_rudder_needle(dir + "/1200.bmp");
        draw_aileron_needle(dir + "/1300.bmp");
    });
}
