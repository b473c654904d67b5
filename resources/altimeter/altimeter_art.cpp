// altimeter_art OUTDIR: draws the altimeter's face (1000.bmp), pressure ring (2000.bmp)
// and its mask (2003.bmp), short hand (3000.bmp) and long hand (4000.bmp).
#include "altimeter/altimeter_dial.h"
#include "resources/common/art_canvas.h"
#include "resources/common/artwork_main.h"
#include "resources/common/palette_bitmap.h"
#include "resources/common/sprite_mask.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

namespace {

// Pixel (x, y) covers x..x+1 in Cairo, so a named pixel's centre is half a pixel in.
ArtPoint pixel_centre(PIXPOINT p) { return {p.x + 0.5, p.y + 0.5}; }

const ArtPoint DIAL_CENTRE = pixel_centre(ALT_HAND_POSITION);
const ArtPoint RING_CENTRE = pixel_centre(ALT_RING_CENTRE);

constexpr ArtColor BEZEL_DARK = {0.10, 0.10, 0.11};
constexpr ArtColor BEZEL_LIGHT = {0.32, 0.32, 0.34};
constexpr ArtColor DIAL = {0.07, 0.07, 0.08};
constexpr ArtColor MARKING = {0.93, 0.93, 0.90};
constexpr ArtColor HAND_GREY = {0.45, 0.45, 0.47};
constexpr ArtColor HAND_WHITE = {0.96, 0.96, 0.94};
constexpr ArtColor RING_GROUND = {0.08, 0.12, 0.34};
constexpr ArtColor RING_MARKING = {0.95, 0.95, 0.92};
constexpr ArtColor INDEX_GREY = {0.62, 0.62, 0.64};
constexpr ArtColor RIM_LIGHT = {0.78, 0.78, 0.80};

constexpr double BEZEL_RADIUS = 154.0;
constexpr double DIAL_RADIUS = 140.0;
constexpr double NUMERAL_RADIUS = 108.0;

// Screen angle (clockwise from +x) of a point `deg` clockwise from 12 o'clock.
double from_top(double deg) { return deg - 90.0; }

void draw_knob(cairo_t* cr) {
    const ArtPoint centre = {ALT_KNOB_BOX.x + ALT_KNOB_BOX.width / 2.0, ALT_KNOB_BOX.y + ALT_KNOB_BOX.height / 2.0};
    fill_circle(cr, centre, 35, BEZEL_DARK);
    for (int k = 0; k < 36; ++k)  // knurled edge
        draw_radial_tick(cr, centre, k * 10.0, 28, 35, 3.0, BEZEL_LIGHT);
    fill_circle(cr, centre, 26, {0.20, 0.20, 0.22});
    fill_circle(cr, centre, 4, BEZEL_LIGHT);
}

void draw_graduations(cairo_t* cr) {
    // A fine tick every 20 m of the long hand, a long one at every numeral.
    for (int k = 0; k < 50; ++k) {
        const double a = ALT_ZERO_DEGREES + k * 7.2;
        if (k % 5 == 0) draw_radial_tick(cr, DIAL_CENTRE, a, 118, 137, 3.0, MARKING);
        else draw_radial_tick(cr, DIAL_CENTRE, a, 127, 137, 1.4, MARKING);
    }
    const ArtFont font{"DejaVu Sans", 24, true};
    for (int numeral = 0; numeral <= 9; ++numeral) {
        if (numeral == 5) continue;  // 12 o'clock belongs to the pressure window
        const double a = ALT_ZERO_DEGREES + numeral * 36.0;
        draw_text_centred(cr, std::to_string(numeral), polar_point(DIAL_CENTRE, NUMERAL_RADIUS, a), font, MARKING);
    }
    draw_text_centred(cr, "km", {DIAL_CENTRE.x, DIAL_CENTRE.y + 72}, {"Liberation Sans", 15, false}, MARKING);
}

void draw_face(const std::string& path) {
    ArtCanvas canvas(ALT_FACE_SIZE.x, ALT_FACE_SIZE.y);
    cairo_t* cr = canvas.cr();
    draw_knob(cr);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, ALT_FACE_SIZE.x, ALT_FACE_SIZE.y);
    cairo_pattern_add_color_stop_rgb(rim, 0.0, BEZEL_LIGHT.r, BEZEL_LIGHT.g, BEZEL_LIGHT.b);
    cairo_pattern_add_color_stop_rgb(rim, 1.0, BEZEL_DARK.r, BEZEL_DARK.g, BEZEL_DARK.b);
    cairo_arc(cr, DIAL_CENTRE.x, DIAL_CENTRE.y, BEZEL_RADIUS, 0, 2 * M_PI);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    fill_ring(cr, DIAL_CENTRE, DIAL_RADIUS, DIAL_RADIUS + 3, BEZEL_DARK);
    fill_circle(cr, DIAL_CENTRE, DIAL_RADIUS, DIAL);
    draw_graduations(cr);
    write_palette_bmp(path, canvas.surface());
}

// The pressure subscale: a label every 10 hPa, upright when it stands under the index.
void draw_ring(const std::string& path) {
    ArtCanvas canvas(ALT_RING_TEXTURE_SIZE, ALT_RING_TEXTURE_SIZE);
    cairo_t* cr = canvas.cr();
    const ArtPoint centre = {ALT_RING_TEXTURE_SIZE / 2.0, ALT_RING_TEXTURE_SIZE / 2.0};
    cairo_set_source_rgb(cr, RING_GROUND.r, RING_GROUND.g, RING_GROUND.b);
    cairo_paint(cr);

    for (int hpa = ALT_RING_FIRST_LABEL_HPA; hpa <= ALT_RING_LAST_LABEL_HPA; ++hpa) {
        const double a = from_top(std::fmod(hpa * ALT_RING_DEGREES_PER_HPA, 360.0));
        if (hpa % 10 == 0) draw_radial_tick(cr, centre, a, 102, 118, 2.0, RING_MARKING);
        else if (hpa % 5 == 0) draw_radial_tick(cr, centre, a, 106, 118, 1.5, RING_MARKING);
        else draw_radial_tick(cr, centre, a, 111, 118, 1.0, RING_MARKING);
    }
    const ArtFont font{"Liberation Sans Narrow", 14, true};
    for (int hpa = ALT_RING_FIRST_LABEL_HPA; hpa <= ALT_RING_LAST_LABEL_HPA; hpa += 10) {
        cairo_save(cr);
        cairo_translate(cr, centre.x, centre.y);
        cairo_rotate(cr, std::fmod(hpa * ALT_RING_DEGREES_PER_HPA, 360.0) * M_PI / 180.0);
        draw_text_centred(cr, std::to_string(hpa), {0, -93}, font, RING_MARKING);
        cairo_restore(cr);
    }
    write_palette_bmp(path, canvas.surface());
}

// The ring is seen only through the window at 12 o'clock, under a fixed index.
void draw_ring_mask(const std::string& path) {
    ArtCanvas canvas(ALT_FACE_SIZE.x, ALT_FACE_SIZE.y);
    cairo_t* cr = canvas.cr();
    const double a0 = from_top(-ALT_WINDOW_LEFT_DEGREES) * M_PI / 180.0;
    const double a1 = from_top(ALT_WINDOW_RIGHT_DEGREES) * M_PI / 180.0;
    cairo_arc(cr, RING_CENTRE.x, RING_CENTRE.y, ALT_WINDOW_OUTER_RADIUS, a0, a1);
    cairo_arc_negative(cr, RING_CENTRE.x, RING_CENTRE.y, ALT_WINDOW_INNER_RADIUS, a1, a0);
    cairo_close_path(cr);
    fill_mask_window(cr);

    draw_arc_band(cr, RING_CENTRE, ALT_WINDOW_INNER_RADIUS - 0.5, ALT_WINDOW_INNER_RADIUS + 1.5,
                  from_top(-ALT_WINDOW_LEFT_DEGREES), from_top(ALT_WINDOW_RIGHT_DEGREES), RIM_LIGHT);
    // The index points down at the ring's top, where the setting is read.
    const double top = RING_CENTRE.y - ALT_WINDOW_OUTER_RADIUS;
    fill_polygon(cr, {{RING_CENTRE.x, top + 9}, {RING_CENTRE.x - 5, top - 3}, {RING_CENTRE.x + 5, top - 3}},
                 INDEX_GREY);
    write_sprite_mask(path, canvas.surface());
}

struct HandShape {
    double pointer_from, pointer_to;  // x range of the white pointer in the bitmap
    double pointer_width;             // at its base
    bool counterweight;
};

void draw_hand(const std::string& path, const HandShape& shape) {
    ArtCanvas canvas(ALT_HAND_SIZE.x, ALT_HAND_SIZE.y);
    cairo_t* cr = canvas.cr();
    const ArtPoint pivot = pixel_centre(ALT_HAND_PIVOT);
    if (shape.counterweight) {
        const ArtPoint weight = {13.0, pivot.y};
        stroke_polyline(cr, {weight, pivot}, 4.0, HAND_GREY);
        fill_circle(cr, weight, 10.0, HAND_GREY);
    }
    stroke_polyline(cr, {pivot, {shape.pointer_from + 1, pivot.y}}, 3.0, HAND_GREY);
    const double w = shape.pointer_width / 2;
    fill_polygon(cr,
                 {{shape.pointer_from, pivot.y - w}, {shape.pointer_to - 8, pivot.y - w * 0.6},
                  {shape.pointer_to, pivot.y}, {shape.pointer_to - 8, pivot.y + w * 0.6},
                  {shape.pointer_from, pivot.y + w}},
                 HAND_WHITE);
    fill_circle(cr, pivot, 9.0, HAND_GREY);
    fill_circle(cr, pivot, 2.5, BEZEL_LIGHT);
    write_palette_bmp(path, canvas.surface());
}

}  // namespace

int main(int argc, char** argv) {
    return run_artwork(argc, argv, "altimeter_art", [](const std::string& dir) {
        draw_face(dir + "/1000.bmp");
        draw_ring(dir + "/2000.bmp");
        draw_ring_mask(dir + "/2003.bmp");
        draw_hand(dir + "/3000.bmp", {75, 117, 9, false});
        draw_hand(dir + "/4000.bmp", {95, 159, 6, true});
    });
}
